// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "Random.h"

#include "platform/CycleCounter.h"
#include "platform/TextServices.h"

namespace {

// The finaliser of SplitMix64: every input bit affects every output bit, so consecutive
// counter readings give unrelated outputs.
std::uint64_t mix(std::uint64_t value)
{
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9u;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBu;
    return value ^ (value >> 31);
}

} // namespace

std::int32_t RandomInRange(std::int32_t lo, std::int32_t hi)
{
    const auto x = static_cast<std::uint32_t>(mix(platform::readCycleCounter()));
    const std::uint32_t span = static_cast<std::uint32_t>(hi) - static_cast<std::uint32_t>(lo) + 1u;
    const std::uint32_t r = span == 0 ? x : x % span;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(lo) + r);
}

platform::Text RandomNumberText(std::int32_t lo, std::int32_t hi, std::int32_t parity)
{
    const std::int32_t d = RandomInRange(lo, hi);
    if (parity != 1 && parity != 2)
        return platform::integerToText(d);
    const double m = platform::realModulo(static_cast<double>(d), 2.0);
    const double v = (static_cast<double>(d) - m) + static_cast<double>(parity);
    return platform::realToText(v);
}
