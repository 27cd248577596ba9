// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace platform {

// Reads the processor's time-stamp counter, all 64 bits of it. On a processor without one it
// reads the finest monotonic clock instead, in nanoseconds. Either way it is a free-running
// count that only ever grows; it makes no system call on x86.
std::uint64_t readCycleCounter() noexcept;

} // namespace platform
