// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Text.h"

#include <cstdint>

namespace platform {

// Converts a text to a number and never fails. Full-width forms fold to ASCII first (the
// full-width ASCII block, the ideographic space, the wave dash and the stars); then leading
// white space is skipped and the longest prefix of the form
//     [+-] digits-with-at-most-one-full-stop [ (e|E|d|D) [+-] digits ]
// is read. The full stop is the decimal separator in every locale; there is no hexadecimal,
// infinity or not-a-number. A text without such a prefix converts to 0, a number too large for
// a double to +-HUGE_VAL and one too small to a signed zero.
double toNumber(const Text& text);

// Reads a text's leading integer the way the count arrows do: white space skipped, an optional
// sign, then ASCII digits accumulated in 64 bits with wrap-around; the low 32 bits are the
// value. A text without digits gives 0.
std::int32_t leadingInteger(const Text& text);

// Truncates toward zero, whatever the rounding mode. A value that has no 64-bit integer
// (out of range, or not a number) gives the processor's indefinite value, INT64_MIN.
std::int64_t realToInteger(double value);

// The decimal form of an integer, as "%d" writes it.
Text integerToText(std::int32_t value);

// A double as "%.13g" writes it in the "C" locale.
Text realToText(double value);

// The truncated-quotient remainder, with the sign of the dividend. A zero divisor is a fatal
// run-time error.
double realModulo(double dividend, double divisor);

// The one-byte text holding the byte; 0 gives a missing text.
Text characterFromCode(int code);

// A fresh copy of the text; an empty or missing text gives a missing text.
Text toText(const Text& text);

} // namespace platform
