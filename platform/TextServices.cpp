// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "TextServices.h"

#include "FatalError.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace platform {

namespace {

bool isWhiteSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Folds the full-width characters that a number may be typed with into ASCII. Bytes are taken
// as GBK: a byte of 0x80 or above pairs with the next byte, whatever it is, and a lone lead
// byte at the end is dropped.
std::string foldFullWidth(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            folded += text[i];
            continue;
        }
        if (i + 1 == text.size())
            break;
        const auto trail = static_cast<unsigned char>(text[++i]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            folded += static_cast<char>(trail - 0x80);
        else if (lead == 0xA1 && trail == 0xA1)
            folded += ' ';
        else if (lead == 0xA1 && trail == 0xAB)
            folded += '~';
        else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF))
            folded += '*';
        else
            folded.append({ static_cast<char>(lead), static_cast<char>(trail) });
    }
    return folded;
}

} // namespace

double toNumber(const Text& text)
{
    const std::string folded = foldFullWidth(text.view());
    std::size_t i = 0;
    while (i < folded.size() && isWhiteSpace(folded[i]))
        ++i;

    // Scan the longest prefix that is a number, and note the decimal exponent of its first
    // significant digit, which decides overflow from underflow when the value is out of range.
    bool negative = false;
    if (i < folded.size() && (folded[i] == '+' || folded[i] == '-'))
        negative = folded[i++] == '-';
    std::string number;
    std::int64_t magnitude = 0;
    bool seenPoint = false;
    bool seenSignificant = false;
    std::size_t digits = 0;
    for (; i < folded.size(); ++i) {
        const char c = folded[i];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (isDigit(c)) {
            ++digits;
            if (c != '0')
                seenSignificant = true;
            if (!seenPoint && seenSignificant)
                ++magnitude;
            else if (seenPoint && !seenSignificant)
                --magnitude;
        } else {
            break;
        }
        number += c;
    }
    if (digits == 0)
        return 0.0;

    if (i < folded.size() && (folded[i] == 'e' || folded[i] == 'E' || folded[i] == 'd' || folded[i] == 'D')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < folded.size() && (folded[j] == '+' || folded[j] == '-'))
            negativeExponent = folded[j++] == '-';
        if (j < folded.size() && isDigit(folded[j])) {
            std::int64_t exponent = 0;
            number += negativeExponent ? "e-" : "e";
            for (; j < folded.size() && isDigit(folded[j]); ++j) {
                number += folded[j];
                if (exponent < 1'000'000'000)
                    exponent = exponent * 10 + (folded[j] - '0');
            }
            magnitude += negativeExponent ? -exponent : exponent;
        }
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range)
        value = magnitude > 0 ? HUGE_VAL : 0.0;
    else if (error != std::errc() || end != number.data() + number.size())
        value = 0.0;
    return negative ? -value : value;
}

std::int32_t leadingInteger(const Text& text)
{
    const std::string_view bytes = text.view();
    std::size_t i = 0;
    while (i < bytes.size() && isWhiteSpace(bytes[i]))
        ++i;
    bool negative = false;
    if (i < bytes.size() && (bytes[i] == '+' || bytes[i] == '-'))
        negative = bytes[i++] == '-';
    std::uint64_t value = 0;
    for (; i < bytes.size() && isDigit(bytes[i]); ++i)
        value = value * 10 + static_cast<std::uint64_t>(bytes[i] - '0');
    if (negative)
        value = 0 - value;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::int64_t realToInteger(double value)
{
    // Every double in [-2^63, 2^63) truncates to a 64-bit integer; NaN fails both comparisons.
    constexpr double limit = 9223372036854775808.0;
    if (!(value >= -limit && value < limit))
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

Text integerToText(std::int32_t value)
{
    std::array<char, 16> buffer {};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return Text::fromBytes(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
}

Text realToText(double value)
{
    std::array<char, 40> buffer {};
    const auto [end, error]
        = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 13);
    return Text::fromBytes(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
}

double realModulo(double dividend, double divisor)
{
    if (divisor == 0.0)
        fatalRuntimeError("不能求余数于零");
    return std::fmod(dividend, divisor);
}

Text characterFromCode(int code)
{
    const char byte = static_cast<char>(code);
    if (byte == '\0')
        return {};
    return Text::fromBytes(std::string_view(&byte, 1));
}

Text toText(const Text& text)
{
    if (text.length() == 0)
        return {};
    return text;
}

} // namespace platform
