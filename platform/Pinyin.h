// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Text.h"

namespace platform {

// Looks up a toneless pinyin reading of a GB2312 hanzi. Only the first two bytes of the text
// count, and they must lie in the hanzi area: lead byte 0xB0 to 0xF7, trail byte 0xA1 to 0xFE.
// Readings count from 1, and a number below 1 means 1; a character has one to three readings.
// Anything else (a shorter text, a code outside the area or without data, a reading beyond
// the character's last) gives a missing text. A reading is 1 to 6 lower-case letters, an
// optional initial followed by a final, with "u" standing for u-umlaut.
Text pinyin(const Text& text, int reading);

} // namespace platform
