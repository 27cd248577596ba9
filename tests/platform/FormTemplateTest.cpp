// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "platform/FormTemplate.h"

#include "shell/MainWindow.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

using platform::FormRow;
using platform::parseFormTemplate;

namespace {

template <typename Row> std::string rowName(const testing::TestParamInfo<Row>& row)
{
    return row.param.name;
}

struct ExpectedControl
{
    const char* name;
    FormRow::Kind kind;
    int left;
    int top;
    int width;
    int height;
    bool tabStop;
    std::optional<std::uint32_t> textColour;
    int fontPixelHeight;
    unsigned options;
};

TEST(FormTemplate, TheMainWindowFormHasItsWindowAndSevenControlsInOrder)
{
    const auto form = parseFormTemplate(mainWindowDefinition().form);
    ASSERT_TRUE(form.has_value());

    EXPECT_EQ(form->window.kind, FormRow::Kind::Window);
    EXPECT_EQ(form->window.name, "MainWindow");
    EXPECT_EQ(form->window.width, 348);
    EXPECT_EQ(form->window.height, 286);
    EXPECT_EQ(form->window.text, "Orvanta V2.0");
    EXPECT_FALSE(form->window.tabStop);

    using Kind = FormRow::Kind;
    const ExpectedControl expected[] = {
        { "选择框1", Kind::CheckBox, 195, 42, 96, 17, true, 0x000000, 0, 0 },
        { "标签3", Kind::Label, 158, 103, 169, 80, false, 0x0060C0, 0, FormRow::WrapText },
        { "标签2", Kind::Label, 189, 191, 108, 63, false, 0xFF0000, 12, FormRow::WrapText },
        { "编辑框2", Kind::EditBox, 1, 6, 143, 250, true, 0x000000, 0,
            FormRow::MultiLine | FormRow::VerticalScrollBar | FormRow::HandPointer },
        { "按钮1", Kind::Button, 203, 65, 80, 32, true, std::nullopt, 0, 0 },
        { "编辑框1", Kind::EditBox, 242, 12, 48, 24, true, 0x000000, 0,
            FormRow::Centred | FormRow::CountArrows },
        { "标签1", Kind::Label, 178, 12, 56, 24, false, 0x000000, 0, 0 },
    };
    ASSERT_EQ(form->controls.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const FormRow& row = form->controls[i];
        const ExpectedControl& want = expected[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(row.name, want.name);
        EXPECT_EQ(row.kind, want.kind);
        EXPECT_EQ(row.left, want.left);
        EXPECT_EQ(row.top, want.top);
        EXPECT_EQ(row.width, want.width);
        EXPECT_EQ(row.height, want.height);
        EXPECT_EQ(row.tabStop, want.tabStop);
        EXPECT_EQ(row.tabOrder, 0);
        EXPECT_EQ(row.textColour, want.textColour);
        EXPECT_EQ(row.fontPixelHeight, want.fontPixelHeight);
        EXPECT_EQ(row.options, want.options);
    }

    EXPECT_EQ(form->control("选择框1")->text, "生成为QQ邮箱");
    EXPECT_EQ(form->control("按钮1")->text, "生成");
    EXPECT_EQ(form->control("编辑框1")->text, "100");
    EXPECT_EQ(form->control("编辑框2")->text, "");
    EXPECT_EQ(form->control("标签1")->text, "生成个数：");
    EXPECT_NE(form->control("标签2")->text.find('\n'), std::string::npos);
    EXPECT_NE(form->control("标签3")->text.find('\n'), std::string::npos);
    EXPECT_EQ(form->control("MainWindow"), nullptr);
}

const std::string windowRow = "Window W - - 348 286 no 0 default default \"T\"\n";
const std::string editRow = "EditBox E 1 2 50 20 yes 0 #000000 default \"x\"\n";

struct TemplateRow
{
    std::string name;
    std::string source;
    bool accepted;
};

// Rows print as their name, in test names and in failure messages.
void PrintTo(const TemplateRow& row, std::ostream* out)
{
    *out << row.name;
}

class FormTemplateCheck : public testing::TestWithParam<TemplateRow>
{
};

TEST_P(FormTemplateCheck, AcceptsOnlyASoundTemplate)
{
    const TemplateRow& row = GetParam();
    EXPECT_EQ(parseFormTemplate(row.source).has_value(), row.accepted) << row.source;
}

std::string withControl(const std::string& control)
{
    return windowRow + control + "\n";
}

INSTANTIATE_TEST_SUITE_P(Rows, FormTemplateCheck,
    testing::Values(
        // Sound templates.
        TemplateRow { "WindowAlone", windowRow, true },
        TemplateRow { "WindowAndEditBox", windowRow + editRow, true },
        TemplateRow {
            "CommentsAndBlankLines", "# a form\n\n  \n" + windowRow + "   # the box\n" + editRow, true },
        TemplateRow { "CrLfLineEnds",
            "Window W - - 348 286 no 0 default default \"T\"\r\n"
            "EditBox E 1 2 50 20 yes 0 #000000 default \"x\"\r\n",
            true },
        TemplateRow {
            "TabsBetweenFields", "Window\tW\t-\t-\t348\t286\tno\t0\tdefault\tdefault\t\"T\"", true },
        TemplateRow { "NoFinalLineEnd", windowRow + "Label L 0 0 10 10 no 0 default default \"\"", true },
        TemplateRow { "ControlAtTheFarCorner",
            withControl("Label L 298 266 50 20 no 999 #ff00Aa 200px \"\" wrap"), true },
        TemplateRow { "OptionsInAnyOrder",
            withControl("EditBox E 0 0 50 50 yes 0 default 9px \"\" hand vscroll multiline"), true },
        TemplateRow { "ChineseNamesAndText",
            withControl("Button 按钮1 0 0 50 20 yes 0 default default \"生成\""), true },
        TemplateRow { "TextWithSpacesAndEscapes",
            withControl(R"(CheckBox C 0 0 50 20 yes 0 default default "a b\n\"c\"\\")"), true },
        TemplateRow { "CaptionForALaterControl",
            windowRow + "Label L 0 0 10 10 no 0 default default \"x\" for=E\n" + editRow, true },
        TemplateRow { "AccessibleNameOnAnyControl",
            withControl("EditBox 框 0 0 50 50 yes 0 default default \"\" multiline accessible=生成的用户名"),
            true },

        // Damaged rows.
        TemplateRow { "UnknownKind", withControl("Slider S 0 0 10 10 no 0 default default \"\""), false },
        TemplateRow { "LowerCaseKind", withControl("editbox E 0 0 10 10 no 0 default default \"\""), false },
        TemplateRow {
            "MissingClosingQuote", withControl("Label L 0 0 10 10 no 0 default default \"abc"), false },
        TemplateRow { "UnquotedText", withControl("Label L 0 0 10 10 no 0 default default abc"), false },
        TemplateRow { "MissingText", withControl("Label L 0 0 10 10 no 0 default default"), false },
        TemplateRow {
            "TextInTheWrongField", withControl("Label L 0 0 10 10 no 0 default \"x\" default"), false },
        TemplateRow { "TwoTexts", withControl("Label L 0 0 10 10 no 0 default default \"x\" \"y\""), false },
        TemplateRow {
            "QuoteInsideAName", withControl("Label L\"2 0 0 10 10 no 0 default default \"\""), false },
        TemplateRow {
            "OptionGluedToText", withControl("Label L 0 0 10 10 no 0 default default \"x\"wrap"), false },
        TemplateRow { "BadEscape", withControl(R"(Label L 0 0 10 10 no 0 default default "a\tb")"), false },
        TemplateRow { "EscapeAtTheEnd", withControl(R"(Label L 0 0 10 10 no 0 default default "a\)"), false },
        TemplateRow { "DuplicateName", windowRow + editRow + editRow, false },
        TemplateRow {
            "ControlNamedAsTheWindow", withControl("Label W 0 0 10 10 no 0 default default \"\""), false },
        TemplateRow {
            "ControlOutsideToTheRight", withControl("Label L 299 0 50 10 no 0 default default \"\""), false },
        TemplateRow {
            "ControlOutsideBelow", withControl("Label L 0 277 10 10 no 0 default default \"\""), false },
        TemplateRow { "NegativeLeft", withControl("Label L -1 0 10 10 no 0 default default \"\""), false },
        TemplateRow { "PlusSignedTop", withControl("Label L 0 +1 10 10 no 0 default default \"\""), false },
        TemplateRow { "ZeroWidth", withControl("Label L 0 0 0 10 no 0 default default \"\""), false },
        TemplateRow {
            "ControlWithoutPosition", withControl("Label L - - 10 10 no 0 default default \"\""), false },
        TemplateRow { "WindowWithPosition", "Window W 0 0 348 286 no 0 default default \"T\"\n", false },
        TemplateRow { "WindowTooWide", "Window W - - 4097 286 no 0 default default \"T\"\n", false },
        TemplateRow { "LabelAsTabStop", withControl("Label L 0 0 10 10 yes 0 default default \"\""), false },
        TemplateRow { "WindowAsTabStop", "Window W - - 348 286 yes 0 default default \"T\"\n", false },
        TemplateRow {
            "TabStopNeitherYesNorNo", withControl("Button B 0 0 10 10 true 0 default default \"\""), false },
        TemplateRow {
            "TabOrder1000", withControl("Button B 0 0 10 10 yes 1000 default default \"\""), false },
        TemplateRow {
            "ColourWithFiveDigits", withControl("Label L 0 0 10 10 no 0 #12345 default \"\""), false },
        TemplateRow {
            "ColourWithSevenDigits", withControl("Label L 0 0 10 10 no 0 #1234567 default \"\""), false },
        TemplateRow { "ColourNotHex", withControl("Label L 0 0 10 10 no 0 #GG0000 default \"\""), false },
        TemplateRow { "ColourWithSign", withControl("Label L 0 0 10 10 no 0 #-12345 default \"\""), false },
        TemplateRow { "ColourWithoutHash", withControl("Label L 0 0 10 10 no 0 FF0000 default \"\""), false },
        TemplateRow { "ColourByName", withControl("Label L 0 0 10 10 no 0 red default \"\""), false },
        TemplateRow { "FontWithoutUnit", withControl("Label L 0 0 10 10 no 0 default 12 \"\""), false },
        TemplateRow { "FontInPoints", withControl("Label L 0 0 10 10 no 0 default 12pt \"\""), false },
        TemplateRow { "FontOfZeroPixels", withControl("Label L 0 0 10 10 no 0 default 0px \"\""), false },
        TemplateRow { "FontOf201Pixels", withControl("Label L 0 0 10 10 no 0 default 201px \"\""), false },
        TemplateRow { "FontUnitAlone", withControl("Label L 0 0 10 10 no 0 default px \"\""), false },
        TemplateRow {
            "UnknownOption", withControl("Label L 0 0 10 10 no 0 default default \"\" bold"), false },
        TemplateRow {
            "WrapOnAnEditBox", withControl("EditBox E 0 0 10 10 yes 0 default default \"\" wrap"), false },
        TemplateRow {
            "ArrowsOnALabel", withControl("Label L 0 0 10 10 no 0 default default \"\" arrows"), false },
        TemplateRow { "MultilineOnAButton",
            withControl("Button B 0 0 10 10 yes 0 default default \"\" multiline"), false },
        TemplateRow { "OptionOnTheWindow", "Window W - - 348 286 no 0 default default \"T\" wrap\n", false },
        TemplateRow { "RepeatedOption",
            withControl("EditBox E 0 0 10 10 yes 0 default default \"\" vscroll vscroll"), false },
        TemplateRow { "CaptionForAnUnknownControl",
            withControl("Label L 0 0 10 10 no 0 default default \"x\" for=Nowhere"), false },
        TemplateRow { "CaptionForALabel",
            windowRow
                + "Label L 0 0 10 10 no 0 default default \"x\" for=M\nLabel M 0 20 10 10 no 0 default "
                  "default \"\"\n",
            false },
        TemplateRow { "CaptionOnAnEditBox",
            windowRow + editRow + "EditBox F 0 40 10 10 yes 0 default default \"\" for=E\n", false },
        TemplateRow { "EmptyAccessibleName",
            withControl("Button B 0 0 10 10 yes 0 default default \"\" accessible="), false },
        TemplateRow { "TwoAccessibleNames",
            withControl("Button B 0 0 10 10 yes 0 default default \"\" accessible=a accessible=b"), false },
        TemplateRow { "MultilineWithArrows",
            withControl("EditBox E 0 0 10 10 yes 0 default default \"\" multiline arrows"), false },
        TemplateRow {
            "InvalidUtf8InText", withControl("Label L 0 0 10 10 no 0 default default \"\xFF\""), false },
        TemplateRow {
            "GbkBytesInText", withControl("Label L 0 0 10 10 no 0 default default \"\xD6\xD0\""), false },
        TemplateRow {
            "OverlongUtf8InText", withControl("Label L 0 0 10 10 no 0 default default \"\xC0\xAF\""), false },
        TemplateRow { "SurrogateInText",
            withControl("Label L 0 0 10 10 no 0 default default \"\xED\xA0\x80\""), false },
        TemplateRow { "TruncatedUtf8InText",
            withControl("Label L 0 0 10 10 no 0 default default \"\xE4\xB8\""), false },
        TemplateRow {
            "InvalidUtf8InName", withControl("Label L\xFF 0 0 10 10 no 0 default default \"\""), false },

        // Damaged forms.
        TemplateRow { "EmptySource", "", false }, TemplateRow { "OnlyComments", "# nothing\n\n", false },
        TemplateRow { "NoWindowRow", editRow, false },
        TemplateRow { "ControlBeforeTheWindow", editRow + windowRow, false },
        TemplateRow { "TwoWindowRows", windowRow + editRow + windowRow, false }),
    rowName<TemplateRow>);

TEST(FormTemplate, ReadsTheFieldsOfARow)
{
    const auto form = parseFormTemplate(
        windowRow + R"(Label 标签 298 266 50 20 no 7 #ff00Aa 12px "a b\n\"c\"\\ 中" wrap)" + "\n");
    ASSERT_TRUE(form.has_value());
    ASSERT_EQ(form->controls.size(), 1u);
    const FormRow& label = form->controls[0];
    EXPECT_EQ(label.kind, FormRow::Kind::Label);
    EXPECT_EQ(label.name, "标签");
    EXPECT_EQ(label.left, 298);
    EXPECT_EQ(label.top, 266);
    EXPECT_EQ(label.width, 50);
    EXPECT_EQ(label.height, 20);
    EXPECT_FALSE(label.tabStop);
    EXPECT_EQ(label.tabOrder, 7);
    EXPECT_EQ(label.textColour, 0xFF00AAu);
    EXPECT_EQ(label.fontPixelHeight, 12);
    EXPECT_EQ(label.text, "a b\n\"c\"\\ 中");
    EXPECT_EQ(label.options, FormRow::WrapText);
    EXPECT_EQ(form->control("标签"), &label);
}

} // namespace
