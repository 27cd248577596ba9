// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

// The boundary between the program's GBK texts and Qt's UTF-16 strings. Only the platform's
// own sources include this header.

#include "Text.h"

#include <QString>

namespace platform {

// GBK to UTF-16. A byte sequence that is not GBK becomes U+FFFD.
QString toQString(const Text& text);
QString toQString(std::string_view gbk);

// UTF-16 to GBK, with "?" for every character that GBK cannot hold. An empty string gives a
// missing text, as every platform operation does for an empty result.
Text fromQString(const QString& string);

// UTF-8 to GBK through the same converter; used for the program's literals.
Text fromUtf8(std::string_view utf8);

} // namespace platform
