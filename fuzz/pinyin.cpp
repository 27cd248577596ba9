// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// The pinyin lookup on any bytes and any reading number. The first four bytes of an input give
// the reading number, the rest the text. A result is either empty or a toneless pinyin
// syllable: one to six lower-case letters, an optional initial followed by a final. A text
// whose first two bytes lie outside the hanzi area, or a reading beyond the third, always gives
// an empty result, and every reading number below 1 reads as 1.

#include "platform/Pinyin.h"

#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 23> initials { "b", "p", "m", "f", "d", "t", "n", "l", "g", "k", "h",
    "j", "q", "x", "zh", "ch", "sh", "r", "z", "c", "s", "y", "w" };

// The finals, with "u" standing for u-umlaut as well, so that "lue" and "nue" are spelt so.
constexpr std::array<std::string_view, 33> finals { "a", "o", "e", "i", "u", "ai", "ei", "ao", "ou", "an",
    "en", "ang", "eng", "ong", "er", "ia", "ie", "iao", "iu", "ian", "in", "iang", "ing", "iong", "ua", "uo",
    "uai", "ui", "uan", "un", "uang", "ueng", "ue" };

bool isFinal(std::string_view rest)
{
    return std::find(finals.begin(), finals.end(), rest) != finals.end();
}

bool isSyllable(std::string_view spelling)
{
    if (spelling.empty() || spelling.size() > 6)
        return false;
    if (!std::all_of(spelling.begin(), spelling.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
        return false;
    if (isFinal(spelling))
        return true;
    return std::any_of(initials.begin(), initials.end(), [&](std::string_view initial) {
        return spelling.starts_with(initial) && isFinal(spelling.substr(initial.size()));
    });
}

bool inHanziArea(std::string_view text)
{
    if (text.size() < 2)
        return false;
    const auto lead = static_cast<unsigned char>(text[0]);
    const auto trail = static_cast<unsigned char>(text[1]);
    return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::int32_t reading = 0;
    std::memcpy(&reading, data, std::min(size, sizeof reading));
    const std::size_t skipped = std::min(size, sizeof reading);
    const auto* bytes = reinterpret_cast<const char*>(data) + skipped;
    const platform::Text text = platform::Text::fromBytes(std::string_view(bytes, size - skipped));

    const platform::Text result = platform::pinyin(text, reading);
    const std::string_view spelling = result.view();
    if (!spelling.empty() && !isSyllable(spelling))
        __builtin_trap();
    if (!spelling.empty() && (!inHanziArea(text.view()) || reading > 3))
        __builtin_trap();
    if (reading < 1 && spelling != platform::pinyin(text, 1).view())
        __builtin_trap();
    return 0;
}
