// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "FormTemplate.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <tuple>
#include <utility>

namespace platform {

namespace {

constexpr int maximumExtent = 4096;

// Splits one row into its fields. A quoted field keeps its spaces and has its escapes
// resolved; an unknown escape or a missing closing quote damages the row.
std::optional<std::vector<std::string>> splitFields(std::string_view line, std::size_t& quotedField)
{
    std::vector<std::string> fields;
    quotedField = std::string_view::npos;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::string field;
        if (line[i] == '"') {
            if (quotedField != std::string_view::npos)
                return std::nullopt;
            quotedField = fields.size();
            for (++i;; ++i) {
                if (i >= line.size())
                    return std::nullopt;
                if (line[i] == '"')
                    break;
                if (line[i] == '\\') {
                    if (++i >= line.size())
                        return std::nullopt;
                    switch (line[i]) {
                    case 'n':
                        field += '\n';
                        break;
                    case '"':
                        field += '"';
                        break;
                    case '\\':
                        field += '\\';
                        break;
                    default:
                        return std::nullopt;
                    }
                } else {
                    field += line[i];
                }
            }
            ++i;
            if (i < line.size() && line[i] != ' ' && line[i] != '\t')
                return std::nullopt;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
                if (line[i] == '"')
                    return std::nullopt;
                field += line[i++];
            }
        }
        fields.push_back(std::move(field));
    }
    return fields;
}

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t codePoint = 0;
        if (lead < 0x80) {
            codePoint = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            codePoint = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            codePoint = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            codePoint = lead & 0x07u;
        } else {
            return false;
        }
        if (text.size() - i <= extra && extra > 0)
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u)
                return false;
            codePoint = (codePoint << 6) | (next & 0x3Fu);
        }
        constexpr std::array<char32_t, 4> smallest { 0, 0x80, 0x800, 0x10000 };
        if (codePoint < smallest[extra] || codePoint > 0x10FFFF
            || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

std::optional<int> parseNumber(std::string_view field, int low, int high)
{
    int value = 0;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value);
    if (field.empty() || error != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<FormRow::Kind> parseKind(std::string_view field)
{
    static constexpr std::array<std::pair<std::string_view, FormRow::Kind>, 5> kinds { {
        { "Window", FormRow::Kind::Window },
        { "EditBox", FormRow::Kind::EditBox },
        { "Label", FormRow::Kind::Label },
        { "Button", FormRow::Kind::Button },
        { "CheckBox", FormRow::Kind::CheckBox },
    } };
    for (const auto& [name, kind] : kinds) {
        if (field == name)
            return kind;
    }
    return std::nullopt;
}

// Returns the option's bit when the kind may carry it, 0 otherwise.
unsigned parseOption(std::string_view field, FormRow::Kind kind)
{
    static constexpr std::array<std::tuple<std::string_view, FormRow::Kind, FormRow::Option>, 6> options { {
        { "multiline", FormRow::Kind::EditBox, FormRow::MultiLine },
        { "vscroll", FormRow::Kind::EditBox, FormRow::VerticalScrollBar },
        { "hand", FormRow::Kind::EditBox, FormRow::HandPointer },
        { "centred", FormRow::Kind::EditBox, FormRow::Centred },
        { "arrows", FormRow::Kind::EditBox, FormRow::CountArrows },
        { "wrap", FormRow::Kind::Label, FormRow::WrapText },
    } };
    for (const auto& [name, allowedKind, option] : options) {
        if (field == name && kind == allowedKind)
            return option;
    }
    return 0;
}

std::optional<FormRow> parseRow(std::string_view line)
{
    std::size_t quotedField = 0;
    const auto fields = splitFields(line, quotedField);
    constexpr std::size_t textField = 10;
    if (!fields || fields->size() <= textField || quotedField != textField)
        return std::nullopt;
    const std::vector<std::string>& f = *fields;

    FormRow row;
    const auto kind = parseKind(f[0]);
    if (!kind || f[1].empty() || !isValidUtf8(f[1]) || !isValidUtf8(f[textField]))
        return std::nullopt;
    row.kind = *kind;
    row.name = f[1];
    row.text = f[textField];

    const bool isWindow = row.kind == FormRow::Kind::Window;
    if (isWindow) {
        if (f[2] != "-" || f[3] != "-")
            return std::nullopt;
    } else {
        const auto left = parseNumber(f[2], 0, maximumExtent);
        const auto top = parseNumber(f[3], 0, maximumExtent);
        if (!left || !top)
            return std::nullopt;
        row.left = *left;
        row.top = *top;
    }
    const auto width = parseNumber(f[4], 1, maximumExtent);
    const auto height = parseNumber(f[5], 1, maximumExtent);
    const auto tabOrder = parseNumber(f[7], 0, 999);
    if (!width || !height || !tabOrder || (f[6] != "yes" && f[6] != "no"))
        return std::nullopt;
    row.width = *width;
    row.height = *height;
    row.tabStop = f[6] == "yes";
    row.tabOrder = *tabOrder;
    if (row.tabStop && (isWindow || row.kind == FormRow::Kind::Label))
        return std::nullopt;

    if (f[8] != "default") {
        std::uint32_t colour = 0;
        const std::string_view hex = std::string_view(f[8]).substr(std::min<std::size_t>(1, f[8].size()));
        const auto [stop, error] = std::from_chars(hex.data(), hex.data() + hex.size(), colour, 16);
        if (f[8].size() != 7 || f[8][0] != '#' || error != std::errc() || stop != hex.data() + hex.size())
            return std::nullopt;
        row.textColour = colour;
    }
    if (f[9] != "default") {
        const std::string_view font = f[9];
        if (font.size() < 3 || !font.ends_with("px"))
            return std::nullopt;
        const auto pixels = parseNumber(font.substr(0, font.size() - 2), 1, 200);
        if (!pixels)
            return std::nullopt;
        row.fontPixelHeight = *pixels;
    }

    for (std::size_t i = textField + 1; i < f.size(); ++i) {
        const std::string_view field = f[i];
        if (field.starts_with("for=") || field.starts_with("accessible=")) {
            const bool caption = field.starts_with("for=");
            std::string& value = caption ? row.captionFor : row.accessibleName;
            const std::string_view given = field.substr(field.find('=') + 1);
            if (!value.empty() || given.empty() || !isValidUtf8(given)
                || (caption && row.kind != FormRow::Kind::Label))
                return std::nullopt;
            value = given;
            continue;
        }
        const unsigned option = parseOption(f[i], row.kind);
        if (option == 0 || row.has(static_cast<FormRow::Option>(option)))
            return std::nullopt;
        row.options |= option;
    }
    if (row.has(FormRow::MultiLine) && row.has(FormRow::CountArrows))
        return std::nullopt;
    return row;
}

} // namespace

const FormRow* FormTemplate::control(std::string_view name) const
{
    const auto found = std::find_if(
        controls.begin(), controls.end(), [&](const FormRow& row) { return row.name == name; });
    return found == controls.end() ? nullptr : &*found;
}

std::optional<FormTemplate> parseFormTemplate(std::string_view source)
{
    FormTemplate form;
    bool haveWindow = false;
    while (!source.empty()) {
        const std::size_t end = std::min(source.find('\n'), source.size());
        std::string_view line = source.substr(0, end);
        source.remove_prefix(std::min(end + 1, source.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string_view::npos || line[start] == '#')
            continue;

        auto row = parseRow(line);
        if (!row || (row->kind == FormRow::Kind::Window) == haveWindow)
            return std::nullopt;
        if (!haveWindow) {
            form.window = std::move(*row);
            haveWindow = true;
            continue;
        }
        const bool inside
            = row->left + row->width <= form.window.width && row->top + row->height <= form.window.height;
        if (!inside || row->name == form.window.name || form.control(row->name))
            return std::nullopt;
        form.controls.push_back(std::move(*row));
    }
    if (!haveWindow)
        return std::nullopt;
    // A caption belongs to another control of the form, one that is not a label itself.
    for (const FormRow& row : form.controls) {
        if (row.captionFor.empty())
            continue;
        const FormRow* captioned = form.control(row.captionFor);
        if (!captioned || captioned->kind == FormRow::Kind::Label)
            return std::nullopt;
    }
    return form;
}

} // namespace platform
