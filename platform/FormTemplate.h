// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A window's form is data: one row for the window, then one row per control in the form's
// order. Blank lines and lines starting with '#' are ignored. A row is a list of fields
// separated by spaces:
//
//     Kind Name Left Top Width Height TabStop TabOrder TextColour Font "Text" Option...
//
// - Kind: Window, EditBox, Label, Button or CheckBox. The first row is the one Window row.
// - Left and Top: pixels from the client area's top-left corner; the window itself has "-"
//   for both, since it is centred on the screen. Width and Height: pixels, the window's being
//   its outer size, frame included. Every control lies inside the window's size.
// - TabStop: yes or no; labels are never tab stops. TabOrder: a number from 0 to 999.
// - TextColour: default or #RRGGBB. Font: default or a character height such as 12px.
// - Text: in double quotes, with \n, \" and \\ as the only escapes.
// - Options: for an edit box multiline, vscroll, hand (the hand pointer), centred and arrows
//   (up and down arrows for a count from 1 to 100, not with multiline); for a label wrap, and
//   for=Name, which makes the label the caption of a control that a screen reader names after
//   it. Any control may carry accessible=Name, the name a screen reader announces for it,
//   where neither its text nor a caption gives one.
struct FormRow
{
    enum class Kind { Window, EditBox, Label, Button, CheckBox };
    enum Option : unsigned {
        MultiLine = 1u << 0,
        VerticalScrollBar = 1u << 1,
        HandPointer = 1u << 2,
        Centred = 1u << 3,
        CountArrows = 1u << 4,
        WrapText = 1u << 5,
    };

    Kind kind = Kind::Window;
    std::string name;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool tabStop = false;
    int tabOrder = 0;
    std::optional<std::uint32_t> textColour;
    int fontPixelHeight = 0;
    std::string text;
    unsigned options = 0;
    std::string captionFor;
    std::string accessibleName;

    bool has(Option option) const { return (options & option) != 0; }
};

struct FormTemplate
{
    FormRow window;
    std::vector<FormRow> controls;

    const FormRow* control(std::string_view name) const;
};

// Reads and checks a form. Returns std::nullopt for a damaged one: a malformed row, an unknown
// kind or option, a duplicate name, a control outside the window, or text that is not UTF-8.
std::optional<FormTemplate> parseFormTemplate(std::string_view source);

} // namespace platform
