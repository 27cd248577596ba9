// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// The form-template check on any bytes. It must never crash, and a template it accepts must
// hold what a window is built from without further checks: one window row at the origin, the
// controls inside it with sizes of at least one pixel, non-empty names that are unique and
// UTF-8, only the options each kind may carry, tab stops only where the kind allows them, and
// UTF-8 texts. Written out again in the template language, an accepted template reads back to
// the same rows.

#include "platform/FormTemplate.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <string_view>

namespace {

using platform::FormRow;
using platform::FormTemplate;

bool isUtf8(const std::string& text)
{
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

unsigned allowedOptions(FormRow::Kind kind)
{
    switch (kind) {
    case FormRow::Kind::EditBox:
        return FormRow::MultiLine | FormRow::VerticalScrollBar | FormRow::HandPointer | FormRow::Centred
            | FormRow::CountArrows;
    case FormRow::Kind::Label:
        return FormRow::WrapText;
    default:
        return 0;
    }
}

bool isSoundRow(const FormRow& row)
{
    return !row.name.empty() && isUtf8(row.name) && isUtf8(row.text) && row.width >= 1 && row.width <= 4096
        && row.height >= 1 && row.height <= 4096 && row.tabOrder >= 0 && row.tabOrder <= 999
        && (row.fontPixelHeight == 0 || (row.fontPixelHeight >= 1 && row.fontPixelHeight <= 200))
        && (!row.textColour || *row.textColour <= 0xFFFFFFu) && (row.options & ~allowedOptions(row.kind)) == 0
        && !(row.has(FormRow::MultiLine) && row.has(FormRow::CountArrows))
        && !(row.tabStop && (row.kind == FormRow::Kind::Window || row.kind == FormRow::Kind::Label));
}

bool isSound(const FormTemplate& form)
{
    const FormRow& window = form.window;
    if (window.kind != FormRow::Kind::Window || window.left != 0 || window.top != 0 || !isSoundRow(window))
        return false;
    std::set<std::string> names { window.name };
    for (const FormRow& row : form.controls) {
        if (row.kind == FormRow::Kind::Window || !isSoundRow(row) || !names.insert(row.name).second)
            return false;
        if (row.left < 0 || row.top < 0 || row.left + row.width > window.width
            || row.top + row.height > window.height)
            return false;
    }
    return true;
}

const char* kindName(FormRow::Kind kind)
{
    switch (kind) {
    case FormRow::Kind::Window:
        return "Window";
    case FormRow::Kind::EditBox:
        return "EditBox";
    case FormRow::Kind::Label:
        return "Label";
    case FormRow::Kind::Button:
        return "Button";
    case FormRow::Kind::CheckBox:
        return "CheckBox";
    }
    return "?";
}

// One row in the template language, every field in its plainest spelling.
std::string writeRow(const FormRow& row)
{
    std::string line = kindName(row.kind);
    line += ' ' + row.name + ' ';
    if (row.kind == FormRow::Kind::Window)
        line += "- -";
    else
        line += std::to_string(row.left) + ' ' + std::to_string(row.top);
    line += ' ' + std::to_string(row.width) + ' ' + std::to_string(row.height);
    line += row.tabStop ? " yes " : " no ";
    line += std::to_string(row.tabOrder) + ' ';
    if (row.textColour) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%06X", static_cast<unsigned>(*row.textColour));
        line += colour;
    } else {
        line += "default";
    }
    line += row.fontPixelHeight > 0 ? ' ' + std::to_string(row.fontPixelHeight) + "px \""
                                    : std::string(" default \"");
    for (const char c : row.text) {
        if (c == '\n')
            line += "\\n";
        else if (c == '"' || c == '\\')
            line += { '\\', c };
        else
            line += c;
    }
    line += '"';
    const std::pair<FormRow::Option, const char*> options[] { { FormRow::MultiLine, "multiline" },
        { FormRow::VerticalScrollBar, "vscroll" }, { FormRow::HandPointer, "hand" },
        { FormRow::Centred, "centred" }, { FormRow::CountArrows, "arrows" }, { FormRow::WrapText, "wrap" } };
    for (const auto& [option, name] : options) {
        if (row.has(option))
            line += std::string(" ") + name;
    }
    return line + '\n';
}

bool sameRow(const FormRow& a, const FormRow& b)
{
    return a.kind == b.kind && a.name == b.name && a.left == b.left && a.top == b.top && a.width == b.width
        && a.height == b.height && a.tabStop == b.tabStop && a.tabOrder == b.tabOrder
        && a.textColour == b.textColour && a.fontPixelHeight == b.fontPixelHeight && a.text == b.text
        && a.options == b.options;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto form
        = platform::parseFormTemplate(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!form)
        return 0;
    if (!isSound(*form))
        __builtin_trap();

    std::string written = writeRow(form->window);
    for (const FormRow& row : form->controls)
        written += writeRow(row);
    const auto again = platform::parseFormTemplate(written);
    if (!again || !sameRow(again->window, form->window) || again->controls.size() != form->controls.size())
        __builtin_trap();
    for (std::size_t i = 0; i < form->controls.size(); ++i) {
        if (!sameRow(again->controls[i], form->controls[i]))
            __builtin_trap();
    }
    return 0;
}
