// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// What a screen reader hears, and what a sighted user sees of each caption: every control
// announces a name, read through Qt's accessibility interfaces, and no caption is cut off by
// the control that holds it.

#include "CountArrows.h"
#include "support/MainWindowFixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>

namespace {

struct NameCase
{
    const char* rowName;
    const char* control;
    QAccessible::Role role;
    const char* name;
};

void PrintTo(const NameCase& row, std::ostream* out)
{
    *out << row.rowName;
}

class AccessibleNameTest : public MainWindowFixture, public testing::WithParamInterface<NameCase>
{
};

TEST_P(AccessibleNameTest, AnnouncesTheControlByName)
{
    const NameCase& row = GetParam();
    QWidget* widget = control<QWidget>(row.control);
    ASSERT_TRUE(widget);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    ASSERT_TRUE(accessible);
    EXPECT_EQ(accessible->role(), row.role);
    EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(row.name));
}

INSTANTIATE_TEST_SUITE_P(EveryControl, AccessibleNameTest,
    testing::Values(NameCase { "CountBoxByItsCaption", "编辑框1", QAccessible::EditableText, "生成个数：" },
        NameCase { "OutputBoxByItsOwnName", "编辑框2", QAccessible::EditableText, "生成的用户名" },
        NameCase { "MailFormBox", "选择框1", QAccessible::CheckBox, "生成为QQ邮箱" },
        NameCase { "GenerateButton", "按钮1", QAccessible::Button, "生成" },
        NameCase { "CountCaption", "标签1", QAccessible::StaticText, "生成个数：" }),
    [](const testing::TestParamInfo<NameCase>& paramInfo) { return paramInfo.param.rowName; });

using AccessibilityTest = MainWindowFixture;

TEST_F(AccessibilityTest, CaptionLabelIsTheCountBoxBuddyAndTheArrowsAreNamed)
{
    auto* caption = control<QLabel>("标签1");
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->buddy(), control<QWidget>("编辑框1"));

    auto* arrows = window()->findChild<platform::CountArrows*>();
    ASSERT_TRUE(arrows);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(arrows->upArrow())->text(QAccessible::Name),
        QStringLiteral("增大"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(arrows->downArrow())->text(QAccessible::Name),
        QStringLiteral("减小"));
}

TEST_F(AccessibilityTest, CheckBoxCaptionFitsInsideItsControl)
{
    auto* box = control<QCheckBox>("选择框1");
    ASSERT_TRUE(box);
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect textArea = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    const int textWidth = box->fontMetrics().horizontalAdvance(box->text());
    EXPECT_LE(textArea.left() + textWidth, box->width())
        << "the caption is cut off by " << textArea.left() + textWidth - box->width() << " pixels";
}

} // namespace
