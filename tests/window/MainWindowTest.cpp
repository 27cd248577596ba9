// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// The main window as it runs: its frame and placement, every control's settings, the focus
// order, the keys the window handles and the count box's arrows, all driven through simulated
// mouse clicks and key presses on the real widgets.

#include "CountArrows.h"
#include "FormWindow.h"
#include "platform/Program.h"
#include "support/MainWindowFixture.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>
#include <QWindow>
#include <optional>
#include <tuple>

namespace {

constexpr const char* countBoxName = "编辑框1";
constexpr const char* outputBoxName = "编辑框2";
constexpr const char* mailFormBoxName = "选择框1";
constexpr const char* generateButtonName = "按钮1";

constexpr QSize outerSize(348, 286);

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

// The text a control shows, whatever its kind.
QString shownText(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* line = qobject_cast<const QLineEdit*>(control))
        return line->text();
    if (auto* box = qobject_cast<const QPlainTextEdit*>(control))
        return box->toPlainText();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return {};
}

class MainWindowTest : public MainWindowFixture
{
protected:
    QLineEdit* countBox() const { return control<QLineEdit>(countBoxName); }
    QPlainTextEdit* outputBox() const { return control<QPlainTextEdit>(outputBoxName); }
    QCheckBox* mailFormBox() const { return control<QCheckBox>(mailFormBoxName); }
    QPushButton* generateButton() const { return control<QPushButton>(generateButtonName); }
    platform::CountArrows* arrows() const
    {
        auto* found = window()->findChild<platform::CountArrows*>();
        EXPECT_TRUE(found) << "the count box has no arrows";
        return found;
    }
};

TEST_F(MainWindowTest, OpensCentredAtItsOuterSizeInAFixedFrameWithOnlyACloseButton)
{
    QWidget* shown = window();
    ASSERT_TRUE(shown->windowHandle());
    EXPECT_TRUE(qobject_cast<platform::FormWindow*>(shown));

    const QMargins frame = shown->windowHandle()->frameMargins();
    EXPECT_EQ(shown->frameGeometry().size(), outerSize);
    EXPECT_EQ(shown->size(), outerSize.shrunkBy(frame));

    const QRect screen = shown->screen()->geometry();
    const QPoint centred = screen.topLeft()
        + QPoint((screen.width() - outerSize.width()) / 2, (screen.height() - outerSize.height()) / 2);
    EXPECT_EQ(shown->frameGeometry().topLeft(), centred);

    // The size is fixed for Qt and for the window system, and a resize changes nothing.
    EXPECT_EQ(shown->minimumSize(), shown->maximumSize());
    EXPECT_EQ(shown->windowHandle()->minimumSize(), shown->windowHandle()->maximumSize());
    shown->resize(500, 400);
    EXPECT_EQ(shown->frameGeometry().size(), outerSize);

    EXPECT_EQ(shown->windowTitle(), QLatin1String("Orvanta V2.0"));
    const Qt::WindowFlags flags = shown->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags & Qt::FramelessWindowHint);
    EXPECT_FALSE(shown->isMinimized());
    EXPECT_FALSE(shown->isMaximized());
    EXPECT_TRUE(shown->findChildren<QMenuBar*>().isEmpty());

    // The window shows the button-face colour of the desktop.
    EXPECT_TRUE(shown->autoFillBackground());
    EXPECT_EQ(shown->palette().color(QPalette::Window), shown->palette().color(QPalette::Button));

    // Seven controls and the count box's arrows: nothing else lives on the form.
    EXPECT_EQ(shown->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 8);
}

TEST_F(MainWindowTest, ArrowsSitOutsideTheCountBoxAndNoControlsOverlap)
{
    platform::CountArrows* pair = arrows();
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->parentWidget(), window());
    EXPECT_EQ(pair->geometry(), QRect(290, 12, 18, 24));
    EXPECT_TRUE(pair->isVisible());
    EXPECT_EQ(pair->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(pair->focusPolicy(), Qt::NoFocus);
    // Up above down, sharing the pair's inside.
    ASSERT_TRUE(pair->upArrow() && pair->downArrow());
    EXPECT_EQ(pair->upArrow()->arrowType(), Qt::UpArrow);
    EXPECT_EQ(pair->downArrow()->arrowType(), Qt::DownArrow);
    EXPECT_LT(pair->upArrow()->geometry().bottom(), pair->downArrow()->geometry().top());

    // The arrows are disabled and hidden together with the box.
    QLineEdit* count = countBox();
    count->setEnabled(false);
    EXPECT_FALSE(pair->isEnabled());
    count->setEnabled(true);
    EXPECT_TRUE(pair->isEnabled());
    count->hide();
    EXPECT_FALSE(pair->isVisible());
    count->show();
    EXPECT_TRUE(pair->isVisible());

    const QList<QWidget*> children = window()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < children.size(); ++i) {
        for (qsizetype j = i + 1; j < children.size(); ++j) {
            EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                << children[i]->objectName().toStdString() << " overlaps "
                << children[j]->objectName().toStdString();
        }
    }
}

// One control's settings as the running window shows them.
struct ControlCase
{
    const char* name;
    const char* control;
    QRect geometry;
    // The text at start, or nullptr for a notice, whose wording is the publisher's.
    const char* text;
    bool tabStop;
    QPalette::ColorRole textRole;
    std::optional<QColor> textColour;
    std::optional<Qt::Alignment> alignment;
    bool wraps;
    bool ownFont;
};

void PrintTo(const ControlCase& row, std::ostream* out)
{
    *out << row.name;
}

class ControlSettingsTest : public MainWindowTest, public testing::WithParamInterface<ControlCase>
{
};

TEST_P(ControlSettingsTest, MatchesTheForm)
{
    const ControlCase& row = GetParam();
    QWidget* shown = control<QWidget>(row.control);
    ASSERT_TRUE(shown);

    EXPECT_EQ(shown->parentWidget(), window());
    EXPECT_EQ(shown->geometry(), row.geometry);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_TRUE(shown->isEnabled());

    if (row.text) {
        EXPECT_EQ(shownText(shown), utf8(row.text));
    } else {
        // A notice is a few short lines separated by empty lines.
        EXPECT_TRUE(shownText(shown).contains(QLatin1String("\n\n"))) << shownText(shown).toStdString();
    }

    EXPECT_EQ((shown->focusPolicy() & Qt::TabFocus) != 0, row.tabStop);
    if (!row.tabStop) {
        EXPECT_EQ(shown->focusPolicy(), Qt::NoFocus);
    }

    if (row.textColour) {
        for (auto group : { QPalette::Active, QPalette::Inactive })
            EXPECT_EQ(shown->palette().color(group, row.textRole), *row.textColour);
    }

    if (auto* label = qobject_cast<QLabel*>(shown)) {
        ASSERT_TRUE(row.alignment);
        EXPECT_EQ(label->alignment(), *row.alignment);
        EXPECT_EQ(label->wordWrap(), row.wraps);
        EXPECT_EQ(label->frameShape(), QFrame::NoFrame);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        // A label paints its own background in the window's colour.
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::Window), window()->palette().color(QPalette::Window));
    } else if (auto* line = qobject_cast<QLineEdit*>(shown)) {
        ASSERT_TRUE(row.alignment);
        EXPECT_EQ(line->alignment(), *row.alignment);
    }

    const QFont font = shown->font();
    if (row.ownFont) {
        EXPECT_TRUE(shown->testAttribute(Qt::WA_SetFont));
        EXPECT_EQ(font.pixelSize(), 12);
        EXPECT_EQ(font.weight(), QFont::Normal);
        EXPECT_FALSE(font.italic());
        EXPECT_FALSE(font.underline());
        EXPECT_FALSE(font.strikeOut());
        EXPECT_EQ(font.family(), QApplication::font().family());
    } else {
        EXPECT_FALSE(shown->testAttribute(Qt::WA_SetFont));
        EXPECT_EQ(font, QApplication::font(shown));
    }
}

const QColor black(0, 0, 0);

INSTANTIATE_TEST_SUITE_P(EveryControl, ControlSettingsTest,
    testing::Values(ControlCase { "CheckBox1", mailFormBoxName, QRect(195, 42, 96, 17), "生成为QQ邮箱", true,
                        QPalette::WindowText, black, std::nullopt, false, false },
        ControlCase { "Label3", "标签3", QRect(158, 103, 169, 80), nullptr, false, QPalette::WindowText,
            QColor(0, 96, 192), Qt::AlignLeft | Qt::AlignTop, true, false },
        ControlCase { "Label2", "标签2", QRect(189, 191, 108, 63), nullptr, false, QPalette::WindowText,
            QColor(255, 0, 0), Qt::AlignLeft | Qt::AlignTop, true, true },
        ControlCase { "EditBox2", outputBoxName, QRect(1, 6, 143, 250), "", true, QPalette::Text, black,
            std::nullopt, true, false },
        ControlCase { "Button1", generateButtonName, QRect(203, 65, 80, 32), "生成", true,
            QPalette::ButtonText, std::nullopt, std::nullopt, false, false },
        ControlCase { "EditBox1", countBoxName, QRect(242, 12, 48, 24), "100", true, QPalette::Text, black,
            Qt::AlignCenter, false, false },
        ControlCase { "Label1", "标签1", QRect(178, 12, 56, 24), "生成个数：", false, QPalette::WindowText,
            black, Qt::AlignLeft | Qt::AlignVCenter, false, false }),
    [](const testing::TestParamInfo<ControlCase>& row) { return std::string(row.param.name); });

TEST_F(MainWindowTest, StartsWithTheCaretAtTheStartOfTheCountBox)
{
    QLineEdit* count = countBox();
    ASSERT_TRUE(count);
    EXPECT_EQ(QApplication::focusWidget(), count);
    EXPECT_EQ(count->cursorPosition(), 0);
    EXPECT_FALSE(count->hasSelectedText());
    EXPECT_EQ(outputBox()->textCursor().position(), 0);
    EXPECT_FALSE(mailFormBox()->isChecked());
}

TEST_F(MainWindowTest, EditBoxesTakeAnyTextBlackOnWhite)
{
    QLineEdit* count = countBox();
    QPlainTextEdit* output = outputBox();
    ASSERT_TRUE(count && output);

    for (QWidget* box : { static_cast<QWidget*>(count), static_cast<QWidget*>(output) }) {
        for (auto group : { QPalette::Active, QPalette::Inactive }) {
            EXPECT_EQ(box->palette().color(group, QPalette::Base), QColor(Qt::white));
            EXPECT_EQ(box->palette().color(group, QPalette::Text), black);
        }
    }

    EXPECT_FALSE(count->isReadOnly());
    EXPECT_EQ(count->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(count->validator(), nullptr);
    EXPECT_TRUE(count->inputMask().isEmpty());
    EXPECT_TRUE(count->hasFrame());
    // The count box has no length limit of its own.
    const QString longCount(40000, QLatin1Char('7'));
    count->setText(longCount);
    EXPECT_EQ(count->text(), longCount);

    EXPECT_FALSE(output->isReadOnly());
    EXPECT_EQ(output->frameShadow(), QFrame::Sunken);
    EXPECT_NE(output->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(output->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(output->verticalScrollBar()->isVisible());
    EXPECT_FALSE(output->horizontalScrollBar()->isVisible());
}

TEST_F(MainWindowTest, OutputBoxWrapsLongLinesInsteadOfScrollingSideways)
{
    QPlainTextEdit* output = outputBox();
    ASSERT_TRUE(output);
    const QString words = QStringLiteral("zhangwei1234@qq.com ").repeated(12);
    const QString oneLongWord(300, QLatin1Char('a'));
    for (const QString& line : { words, oneLongWord }) {
        output->setPlainText(line);
        QCoreApplication::processEvents();
        const QTextBlock block = output->document()->firstBlock();
        // Laying out the block's rectangle lays out its lines.
        EXPECT_GT(output->document()->documentLayout()->blockBoundingRect(block).height(),
            1.5 * output->fontMetrics().lineSpacing());
        EXPECT_GT(block.layout()->lineCount(), 1);
        EXPECT_EQ(output->horizontalScrollBar()->maximum(), 0);
    }
}

TEST_F(MainWindowTest, TheHandPointerShowsOverTheOutputBoxOnly)
{
    QPlainTextEdit* output = outputBox();
    ASSERT_TRUE(output);
    EXPECT_EQ(output->viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(countBox()->cursor().shape(), Qt::IBeamCursor);

    EXPECT_NE(window()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_NE(output->verticalScrollBar()->cursor().shape(), Qt::PointingHandCursor);
    for (QWidget* other : window()->findChildren<QWidget*>()) {
        if (other != output->viewport()) {
            EXPECT_NE(other->cursor().shape(), Qt::PointingHandCursor) << other->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, LabelsNeverTakeTheFocusAndTheButtonIsNoDefault)
{
    QLineEdit* count = countBox();
    ASSERT_TRUE(count);
    for (const char* name : { "标签1", "标签2", "标签3" }) {
        QLabel* label = control<QLabel>(name);
        ASSERT_TRUE(label);
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), count) << name;
    }
    QPushButton* button = generateButton();
    ASSERT_TRUE(button);
    EXPECT_FALSE(button->isDefault());
    EXPECT_FALSE(button->autoDefault());
    EXPECT_FALSE(button->isCheckable());
}

TEST_F(MainWindowTest, SelectionShowsOnlyWhileTheBoxHasTheFocus)
{
    QLineEdit* count = countBox();
    QPlainTextEdit* output = outputBox();
    platform::CountArrows* pair = arrows();
    ASSERT_TRUE(count && output && pair);
    output->setPlainText(QStringLiteral("liuxin3141"));
    const auto picture = [](QWidget* box) { return box->grab().toImage(); };
    const auto tabAway = [](QWidget* box) {
        QTest::keyClick(box, Qt::Key_Tab);
        ASSERT_FALSE(box->hasFocus());
    };

    // Each box's look without the focus and without a selection.
    generateButton()->setFocus();
    const QImage countPlain = picture(count);
    const QImage outputPlain = picture(output);

    // An arrow step selects the count and focuses the box, which shows the selection.
    QTest::mouseClick(pair->downArrow(), Qt::LeftButton);
    ASSERT_EQ(count->text(), QLatin1String("99"));
    ASSERT_TRUE(count->hasFocus());
    count->setText(QStringLiteral("100"));
    count->selectAll();
    EXPECT_NE(picture(count), countPlain);
    tabAway(count);
    EXPECT_EQ(picture(count), countPlain);

    // The user selects all of the output box and leaves it.
    output->setFocus();
    QTest::keyClick(output, Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(output->textCursor().hasSelection());
    EXPECT_NE(picture(output), outputPlain);
    tabAway(output);
    EXPECT_TRUE(output->textCursor().hasSelection());
    EXPECT_EQ(picture(output), outputPlain);
}

TEST_F(MainWindowTest, TabAndShiftTabCycleThroughTheTabStops)
{
    QWidget* count = countBox();
    QWidget* button = generateButton();
    QPlainTextEdit* output = outputBox();
    QWidget* mailForm = mailFormBox();
    ASSERT_TRUE(count && button && output && mailForm);
    ASSERT_EQ(QApplication::focusWidget(), count);

    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QWidget* focused = QApplication::focusWidget();
        EXPECT_TRUE(focused);
        if (focused)
            QTest::keyClick(focused, key, modifiers);
        return QApplication::focusWidget();
    };

    const QList<QWidget*> forward { button, output, mailForm, count };
    for (QWidget* expected : forward)
        EXPECT_EQ(press(Qt::Key_Tab, Qt::NoModifier), expected) << expected->objectName().toStdString();

    const QList<QWidget*> backward { mailForm, output, button, count };
    for (QWidget* expected : backward)
        EXPECT_EQ(press(Qt::Key_Backtab, Qt::ShiftModifier), expected)
            << expected->objectName().toStdString();

    // Tab leaves the output box without writing a tab character into it.
    output->setFocus();
    QTest::keyClick(output, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), mailForm);
    output->setFocus();
    QTest::keyClick(output, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), button);
    EXPECT_EQ(output->toPlainText(), QString());
}

// A key the window handles, pressed in each control that can hold the focus.
struct KeyCase
{
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool closes;
    bool breaksLineInOutputBox;
};

struct FocusCase
{
    const char* name;
    const char* control;
};

void PrintTo(const KeyCase& row, std::ostream* out)
{
    *out << row.name;
}

void PrintTo(const FocusCase& row, std::ostream* out)
{
    *out << row.name;
}

class WindowKeyTest : public MainWindowTest,
                      public testing::WithParamInterface<std::tuple<KeyCase, FocusCase>>
{
};

TEST_P(WindowKeyTest, HasOnlyItsOwnEffect)
{
    const auto& [key, focus] = GetParam();
    QWidget* target = control<QWidget>(focus.control);
    QLineEdit* count = countBox();
    QPlainTextEdit* output = outputBox();
    QCheckBox* mailForm = mailFormBox();
    ASSERT_TRUE(target && count && output && mailForm);
    target->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), target);
    const QString countBefore = count->text();
    const QPointer<QWidget> shown = window();

    QTest::keyClick(target, key.key, key.modifiers);

    if (key.closes) {
        EXPECT_FALSE(platform::isWindowLoaded("MainWindow"));
        ASSERT_TRUE(shown);
        EXPECT_FALSE(shown->isVisible());
        return;
    }
    QCoreApplication::processEvents();
    ASSERT_TRUE(shown) << "the window was destroyed";
    EXPECT_TRUE(shown->isVisible());
    EXPECT_TRUE(platform::isWindowLoaded("MainWindow"));
    EXPECT_EQ(QApplication::focusWidget(), target);
    EXPECT_EQ(count->text(), countBefore);
    EXPECT_FALSE(mailForm->isChecked());
    const bool breaksLine = key.breaksLineInOutputBox && target == output;
    EXPECT_EQ(output->toPlainText(), breaksLine ? QStringLiteral("\n") : QString());
}

INSTANTIATE_TEST_SUITE_P(EveryTabStop, WindowKeyTest,
    testing::Combine(testing::Values(KeyCase { "Escape", Qt::Key_Escape, Qt::NoModifier, true, false },
                         KeyCase { "Return", Qt::Key_Return, Qt::NoModifier, false, true },
                         KeyCase { "KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier, false, true },
                         KeyCase { "F1", Qt::Key_F1, Qt::NoModifier, false, false },
                         KeyCase { "CtrlEscape", Qt::Key_Escape, Qt::ControlModifier, false, false }),
        testing::Values(FocusCase { "CountBox", countBoxName },
            FocusCase { "GenerateButton", generateButtonName }, FocusCase { "OutputBox", outputBoxName },
            FocusCase { "MailFormBox", mailFormBoxName })),
    [](const testing::TestParamInfo<std::tuple<KeyCase, FocusCase>>& row) {
        return std::string(std::get<0>(row.param).name) + "_in_" + std::get<1>(row.param).name;
    });

// One click on an arrow with the count box holding a text.
struct ArrowCase
{
    const char* name;
    const char* text;
    bool up;
    const char* result;
};

void PrintTo(const ArrowCase& row, std::ostream* out)
{
    *out << row.name;
}

class CountArrowTest : public MainWindowTest, public testing::WithParamInterface<ArrowCase>
{
};

TEST_P(CountArrowTest, StepsFromTheLeadingIntegerAndSelectsTheResult)
{
    const ArrowCase& row = GetParam();
    QLineEdit* count = countBox();
    platform::CountArrows* pair = arrows();
    ASSERT_TRUE(count && pair);
    count->setText(utf8(row.text));
    // The step must bring the focus back to the count box.
    generateButton()->setFocus();

    QTest::mouseClick(row.up ? pair->upArrow() : pair->downArrow(), Qt::LeftButton);

    EXPECT_EQ(count->text(), QLatin1String(row.result));
    EXPECT_EQ(count->selectedText(), count->text());
    EXPECT_EQ(QApplication::focusWidget(), count);
}

INSTANTIATE_TEST_SUITE_P(Cases, CountArrowTest,
    testing::Values(ArrowCase { "50_up", "50", true, "51" }, ArrowCase { "99_up", "99", true, "100" },
        ArrowCase { "100_up", "100", true, "1" }, ArrowCase { "100_down", "100", false, "99" },
        ArrowCase { "2_down", "2", false, "1" }, ArrowCase { "1_down", "1", false, "100" },
        ArrowCase { "0_up", "0", true, "1" }, ArrowCase { "0_down", "0", false, "100" },
        ArrowCase { "space_7x_up", " 7x", true, "8" }, ArrowCase { "tab_plus9_down", "\t+9", false, "8" },
        ArrowCase { "abc_up", "abc", true, "1" }, ArrowCase { "abc_down", "abc", false, "100" },
        ArrowCase { "empty_up", "", true, "1" }, ArrowCase { "minus3_up", "-3", true, "1" },
        ArrowCase { "minus3_down", "-3", false, "100" }, ArrowCase { "250_up", "250", true, "1" },
        ArrowCase { "250_down", "250", false, "100" }, ArrowCase { "101_down", "101", false, "100" },
        ArrowCase { "fullwidth50_up", "５０", true, "1" }, ArrowCase { "decimal_7_9_up", "7.9", true, "8" },
        ArrowCase { "two_to_32_plus_1_up", "4294967297", true, "2" },
        ArrowCase { "two_to_64_plus_50_up", "18446744073709551666", true, "51" },
        ArrowCase { "int_max_up", "2147483647", true, "1" }),
    [](const testing::TestParamInfo<ArrowCase>& row) { return std::string(row.param.name); });

TEST_F(MainWindowTest, HoldingTheUpArrowStepsOneAtATimeAndWrapsAfter100)
{
    QLineEdit* count = countBox();
    platform::CountArrows* pair = arrows();
    ASSERT_TRUE(count && pair);
    QToolButton* up = pair->upArrow();
    EXPECT_TRUE(up->autoRepeat());
    EXPECT_TRUE(pair->downArrow()->autoRepeat());
    count->setText(QStringLiteral("98"));

    QStringList seen;
    QObject::connect(
        count, &QLineEdit::textChanged, count, [&seen](const QString& text) { seen.append(text); });
    QTest::mousePress(up, Qt::LeftButton);
    const bool repeated = QTest::qWaitFor([&seen] { return seen.size() >= 6; }, 4000);
    QTest::mouseRelease(up, Qt::LeftButton);
    ASSERT_TRUE(repeated) << "only " << seen.size() << " steps while held";

    ASSERT_GE(seen.size(), 6);
    EXPECT_EQ(seen.mid(0, 5), QStringList({ "99", "100", "1", "2", "3" }));
    for (qsizetype i = 1; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], QString::number(platform::CountArrows::stepped(seen[i - 1].toInt(), 1))) << i;
    EXPECT_EQ(count->selectedText(), count->text());
    EXPECT_EQ(QApplication::focusWidget(), count);
}

TEST_F(MainWindowTest, ClickAndSpaceToggleTheMailFormBoxAndNothingElse)
{
    QCheckBox* mailForm = mailFormBox();
    ASSERT_TRUE(mailForm);

    QTest::mouseClick(mailForm, Qt::LeftButton);
    EXPECT_TRUE(mailForm->isChecked());
    QTest::mouseClick(mailForm, Qt::LeftButton);
    EXPECT_FALSE(mailForm->isChecked());

    mailForm->setFocus(Qt::TabFocusReason);
    QTest::keyClick(mailForm, Qt::Key_Space);
    EXPECT_TRUE(mailForm->isChecked());
    QTest::keyClick(mailForm, Qt::Key_Space);
    EXPECT_FALSE(mailForm->isChecked());

    QCoreApplication::processEvents();
    EXPECT_EQ(outputBox()->toPlainText(), QString());
    EXPECT_EQ(countBox()->text(), QLatin1String("100"));
    EXPECT_EQ(QApplication::focusWidget(), mailForm);
}

} // namespace
