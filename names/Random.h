// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Text.h"

#include <cstdint>

// Draws an integer from the inclusive range [lo, hi] from the processor's time-stamp counter.
// There is no seed and no state: the whole counter goes through a full-avalanche mixer, so
// that draws taken a few ticks apart are unrelated. lo == hi gives lo. A span of 0 (the whole
// 32-bit range) gives lo plus the whole mixed value, a draw over every 32-bit integer.
std::int32_t RandomInRange(std::int32_t lo, std::int32_t hi);

// Draws d = RandomInRange(lo, hi) and returns it as decimal text. Parity 1 moves d toward zero
// to an even number and adds 1, so the result is odd; parity 2 adds 2 instead, so the result is
// even. The result is then never below lo but may lie above hi. Any other parity gives d as it
// was drawn.
platform::Text RandomNumberText(std::int32_t lo, std::int32_t hi, std::int32_t parity);
