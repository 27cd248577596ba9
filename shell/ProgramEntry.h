// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The program's start-up sequence and its whole life: it readies the platform, loads and shows
// the main window and runs the event loop until the window has been closed. Returns 0.
std::int32_t ProgramEntry();
