// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// The names by which the generate command finds the main window and its controls.
inline constexpr std::string_view mainWindow = "MainWindow";
inline constexpr std::string_view countBox = "编辑框1";
inline constexpr std::string_view mailFormBox = "选择框1";
inline constexpr std::string_view outputBox = "编辑框2";
