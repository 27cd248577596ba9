// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Reports a failure that the program does not handle and ends the process. From this moment no
// event reaches the program's handlers. A box owned by no window shows the message; once the
// user has dismissed it, the registered exit routine is discarded without being called and the
// process ends with exit code -1. The message is UTF-8 and may be empty.
[[noreturn]] void fatalRuntimeError(std::string_view message);

// The text of the report for a message, in UTF-8 with CR LF line ends.
std::string fatalReportText(std::string_view message);

} // namespace platform
