// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "RandomNamePart.h"

#include "Random.h"
#include "platform/Pinyin.h"
#include "platform/Program.h"
#include "platform/TextServices.h"

using platform::Text;

namespace {

// One byte of a character: a draw from 38 to 80 read backwards from 256, 0xDA down to 0xB0.
Text randomByte()
{
    const std::int32_t d = RandomInRange(38, 80);
    return platform::characterFromCode(static_cast<unsigned char>(-d));
}

Text randomCharacter()
{
    const Text lead = randomByte();
    const Text trail = randomByte();
    return platform::concatenate({ lead, trail });
}

} // namespace

Text RandomNamePart(std::int32_t count, std::int32_t mode)
{
    Text accumulated;
    for (std::int32_t i = 0; i < count; ++i) {
        if (mode == 0 || mode == 1) {
            Text character = platform::toText(randomCharacter());
            if (mode == 1)
                character = platform::pinyin(character, 1);
            accumulated = platform::concatenate({ accumulated, character });
        }
        platform::processEvents();
    }
    if (accumulated.isMissing())
        return {};
    return accumulated;
}
