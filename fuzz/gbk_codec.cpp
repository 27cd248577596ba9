// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// The GBK conversion at the boundary to Qt, both ways, on the same input:
// - as GBK bytes: a text made of ASCII and well-formed double-byte codes that decodes without
//   a replacement character encodes back to exactly its bytes; bytes that are not well-formed
//   GBK decode with at least one replacement character;
// - as UTF-16 code units, lone surrogates and zeros included: the string encodes without a
//   crash, and what it encodes to is GBK that decodes and encodes back to the same bytes.

#include "GbkCodec.h"
#include "platform/Text.h"

#include <QString>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

// ASCII bytes stand alone, and so do 0x80 and 0xFF, which the converter's code page reads as
// the euro sign and a private-use character. A lead byte 0x81 to 0xFE takes a trail byte 0x40
// to 0x7E or 0x80 to 0xFE.
bool isWellFormedGbk(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead <= 0x80 || lead == 0xFF)
            continue;
        if (i + 1 == bytes.size())
            return false;
        const auto trail = static_cast<unsigned char>(bytes[++i]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The bytes as the program holds them: a text, which ends at the first zero byte.
    const platform::Text text
        = platform::Text::fromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string_view bytes = text.view();
    const QString decoded = platform::toQString(text);
    const bool replaced = decoded.contains(QChar::ReplacementCharacter);
    if (isWellFormedGbk(bytes)) {
        if (!replaced && platform::fromQString(decoded).view() != bytes)
            __builtin_trap();
    } else if (!replaced) {
        __builtin_trap();
    }

    std::vector<char16_t> units(size / 2);
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    const QString string(reinterpret_cast<const QChar*>(units.data()), static_cast<qsizetype>(units.size()));
    const platform::Text encoded = platform::fromQString(string);
    const platform::Text again = platform::fromQString(platform::toQString(encoded));
    if (encoded.view() != again.view())
        __builtin_trap();
    return 0;
}
