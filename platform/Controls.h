// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Text.h"

#include <string_view>

namespace platform {

// The program works on the controls of a loaded window only through these operations, naming
// the window and the control. A window that is not loaded, or a control it does not have or of
// another kind, is the fatal run-time error of a missing window or control.

// A fresh copy of an edit box's text exactly as the box holds it, with CR LF between lines. An
// empty box gives a missing text.
Text editBoxText(std::string_view window, std::string_view control);

// Replaces an edit box's whole text.
void setEditBoxText(std::string_view window, std::string_view control, const Text& text);

// 1 when the check box is checked, 0 otherwise.
int checkBoxState(std::string_view window, std::string_view control);

// Appends at the end of an edit box: the caret moves to the end as an empty selection, which
// drops any selection the user had made, the end scrolls into view, and the text is inserted
// as an edit that cannot be undone. The box's earlier text stays.
void appendToEditBox(std::string_view window, std::string_view control, const Text& text);

// Shows a message box owned by no window and modal for all the program's windows, and returns
// once it is dismissed. It has one OK button and no icon; a missing caption gives the default
// caption.
void messageBox(const Text& text, const Text& caption = Text());

} // namespace platform
