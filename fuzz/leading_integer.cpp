// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// The count arrows' reading of a text's leading integer, checked against a plain reference:
// white space (0x09 to 0x0D and 0x20) skipped, an optional sign, then ASCII digits. The value
// is taken modulo 2^32 directly, which gives the same low 32 bits as accumulating in 64 bits
// with wrap-around. A text ends at its first zero byte.

#include "platform/Text.h"
#include "platform/TextServices.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

std::int32_t referenceLeadingInteger(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || (bytes[i] >= 0x09 && bytes[i] <= 0x0D)))
        ++i;
    bool negative = false;
    if (i < bytes.size() && (bytes[i] == '-' || bytes[i] == '+')) {
        negative = bytes[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;
    while (i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9') {
        value = value * 10u + static_cast<std::uint32_t>(bytes[i] - '0');
        ++i;
    }
    if (negative)
        value = ~value + 1u;
    std::int32_t result = 0;
    std::memcpy(&result, &value, sizeof result);
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto* bytes = reinterpret_cast<const char*>(data);
    const void* zero = std::memchr(bytes, 0, size);
    const std::size_t length = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - bytes) : size;

    const platform::Text text = platform::Text::fromBytes(std::string_view(bytes, size));
    if (platform::leadingInteger(text) != referenceLeadingInteger(std::string_view(bytes, length)))
        __builtin_trap();
    return 0;
}
