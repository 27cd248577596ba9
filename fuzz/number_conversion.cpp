// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// The number conversion of any text: the result is never NaN, only a finite number (zero
// included) or +-HUGE_VAL. An all-ASCII text converts to the same number when each of its
// characters is written in its full-width form instead, since those fold to ASCII first.

#include "platform/Text.h"
#include "platform/TextServices.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool isAcceptable(double value)
{
    return !std::isnan(value) && (std::isfinite(value) || value == HUGE_VAL || value == -HUGE_VAL);
}

// The full-width spelling of an ASCII text: the ideographic space for a space, the full-width
// ASCII block for the printable characters, and the control characters as they are.
std::string fullWidth(std::string_view ascii)
{
    std::string wide;
    for (const char c : ascii) {
        const auto code = static_cast<unsigned char>(c);
        if (code == ' ') {
            wide += "\xA1\xA1";
        } else if (code > ' ' && code < 0x7F) {
            wide += '\xA3';
            wide += static_cast<char>(code + 0x80);
        } else {
            wide += c;
        }
    }
    return wide;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const platform::Text text = platform::Text::fromBytes(bytes);
    const double value = platform::toNumber(text);
    if (!isAcceptable(value))
        __builtin_trap();

    const std::string_view taken = text.view();
    bool ascii = true;
    for (const char c : taken)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        const double folded = platform::toNumber(platform::Text::fromBytes(fullWidth(taken)));
        // Compared bit for bit, so that the sign of a zero counts too.
        if (std::memcmp(&folded, &value, sizeof value) != 0)
            __builtin_trap();
    }
    return 0;
}
