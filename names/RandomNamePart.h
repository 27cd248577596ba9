// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Text.h"

#include <cstdint>

// Draws count random GB2312 hanzi, each byte from 0xB0 to 0xDA, and returns them joined: in
// mode 0 the characters themselves, in mode 1 their first pinyin readings (a character without
// a reading adds nothing). Any other mode draws nothing. Every iteration, whatever the mode,
// ends by processing the pending window events, so the window stays live during a run. The
// result is a missing text when nothing was joined.
platform::Text RandomNamePart(std::int32_t count, std::int32_t mode);
