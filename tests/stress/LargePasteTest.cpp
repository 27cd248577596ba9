// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// Pastes into 编辑框1 that no one types by hand: ten megabytes of digits, characters that GBK
// cannot hold, control characters and emoji. After each paste a click on 按钮1 and a step of
// either arrow do what the rules say for that text, and they take time in proportion to the
// text's length.

#include "CountArrows.h"
#include "platform/Heap.h"
#include "stress/StressSupport.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdint>
#include <functional>

namespace {

constexpr qsizetype megabyte = 1000 * 1000;

QString digits(qsizetype size)
{
    return QString(size, QLatin1Char('1'));
}

// The arrows' reading of a run of ones, worked out on its own: the digits accumulate modulo
// 2^32 and the low 32 bits read as a signed number.
std::int32_t leadingIntegerOfOnes(qsizetype size)
{
    std::uint32_t value = 0;
    for (qsizetype i = 0; i < size; ++i)
        value = value * 10u + 1u;
    return static_cast<std::int32_t>(value);
}

QString stepUp(std::int64_t value)
{
    return QString::number(value + 1 >= 1 && value + 1 <= 100 ? value + 1 : 1);
}

QString stepDown(std::int64_t value)
{
    return QString::number(value - 1 >= 1 && value - 1 <= 100 ? value - 1 : 100);
}

struct PasteCase
{
    const char* name;
    std::function<QString()> text;
    int lines;
    // What 编辑框1 holds after the click; nullptr when it keeps the pasted text.
    const char* countAfter;
    QString afterUp;
    QString afterDown;
};

void PrintTo(const PasteCase& row, std::ostream* out)
{
    *out << row.name;
}

class PasteTest : public stress::StressWindowTest
{
protected:
    // Pastes the text over everything in 编辑框1, as the user does with Ctrl+A and Ctrl+V.
    void paste(const QString& text)
    {
        QLineEdit* count = countBox();
        QApplication::clipboard()->setText(text);
        count->setFocus();
        QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(count->text().size(), text.size());
        ASSERT_TRUE(count->text() == text) << "the paste did not put the text into the box as it was";
    }

    // Milliseconds that a click of the widget takes, the run it starts included.
    static double timedClick(QWidget* widget)
    {
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(widget, Qt::LeftButton);
        return static_cast<double>(clock.nsecsElapsed()) / 1e6;
    }

    // The faster of two timings of a click of the widget, each after a fresh paste.
    double fastestClickAfterPaste(const QString& text, QWidget* widget)
    {
        double fastest = 1e300;
        for (int i = 0; i < 2; ++i) {
            paste(text);
            fastest = std::min(fastest, timedClick(widget));
        }
        return fastest;
    }

    platform::CountArrows* arrows() const { return window()->findChild<platform::CountArrows*>(); }
};

class PasteRulesTest : public PasteTest, public testing::WithParamInterface<PasteCase>
{
};

TEST_P(PasteRulesTest, AClickAndBothArrowsDoWhatTheRulesSay)
{
    const PasteCase& row = GetParam();
    QLineEdit* count = countBox();
    ASSERT_TRUE(count && outputBox() && generateButton() && arrows());
    const QString text = row.text();
    const std::size_t blocksBefore = platform::liveBlockCount();
    stress::MessageBoxAnswerer answerer;

    paste(text);
    const double clickMs = timedClick(generateButton());
    const stress::LineTally tally = stress::tallyGeneratedLines(output());
    EXPECT_EQ(tally.malformed, 0u);
    EXPECT_EQ(tally.lines, static_cast<std::size_t>(row.lines));
    EXPECT_TRUE(count->text() == (row.countAfter ? QString::fromLatin1(row.countAfter) : text))
        << "编辑框1 holds " << count->text().left(40).toStdString();
    EXPECT_EQ(answerer.messages(), 0);
    EXPECT_EQ(answerer.fatalReports(), 0);

    paste(text);
    const double upMs = timedClick(arrows()->upArrow());
    EXPECT_EQ(count->text(), row.afterUp);
    paste(text);
    const double downMs = timedClick(arrows()->downArrow());
    EXPECT_EQ(count->text(), row.afterDown);
    EXPECT_EQ(platform::liveBlockCount(), blocksBefore) << "texts made by the click were not released";

    std::printf("[ measured ] %lld characters: click %.1f ms, up %.1f ms, down %.1f ms, peak memory (VmHWM) "
                "%ld KiB\n",
        static_cast<long long>(text.size()), clickMs, upMs, downMs, stress::peakResidentKiB());
}

const std::int32_t tenMegabytesOfOnes = leadingIntegerOfOnes(10 * megabyte);

INSTANTIATE_TEST_SUITE_P(Pastes, PasteRulesTest,
    testing::Values(
        // A count far above 100 is cut back to 100 and the box rewritten.
        PasteCase { "digits_10mb", [] { return digits(10 * megabyte); }, 100, "100",
            stepUp(tenMegabytesOfOnes), stepDown(tenMegabytesOfOnes) },
        // Characters that GBK cannot hold become "?", and the reading stops there.
        PasteCase { "unpaired_surrogates_after_7",
            [] { return QStringLiteral("7") + QChar(0xD800) + QStringLiteral("x") + QChar(0xDFFF); }, 7,
            nullptr, "8", "6" },
        PasteCase { "replacement_characters_then_5",
            [] { return QString(2, QChar::ReplacementCharacter) + QStringLiteral("5"); }, 0, nullptr, "1",
            "100" },
        PasteCase { "thai_and_latin_after_12", [] { return QString::fromUtf8("12\u0e01\u00ff"); }, 12,
            nullptr, "13", "11" },
        // White space among the control characters is skipped before the number; the others end it.
        PasteCase { "control_characters_around_12",
            [] { return QString::fromLatin1("\t\v\f\r 12\x01\x02\x1b\x7f"); }, 12, nullptr, "13", "11" },
        PasteCase { "control_characters_only", [] { return QString::fromLatin1("\x01\x02\x03\x1b\x7f"); }, 0,
            nullptr, "1", "100" },
        // Emoji are "?" in GBK: not a number, yet not empty either, so no message comes up.
        PasteCase { "emoji", [] { return QString::fromUtf8("😀😀😀"); }, 0, nullptr, "1", "100" },
        PasteCase { "emoji_then_42", [] { return QString::fromUtf8("😀42"); }, 0, nullptr, "1", "100" },
        PasteCase { "42_then_emoji", [] { return QString::fromUtf8("42😀"); }, 42, nullptr, "43", "41" }),
    [](const testing::TestParamInfo<PasteCase>& row) { return std::string(row.param.name); });

using PasteTimeTest = PasteTest;

TEST_F(PasteTimeTest, AClickAndAStepTakeTimeInProportionToTheText)
{
    ASSERT_TRUE(generateButton() && arrows());
    const QString small = digits(megabyte);
    const QString large = digits(10 * megabyte);

    const double clickSmall = fastestClickAfterPaste(small, generateButton());
    const double clickLarge = fastestClickAfterPaste(large, generateButton());
    const double stepSmall = fastestClickAfterPaste(small, arrows()->upArrow());
    const double stepLarge = fastestClickAfterPaste(large, arrows()->upArrow());
    std::printf("[ measured ] click: 1 MB %.1f ms, 10 MB %.1f ms; arrow step: 1 MB %.1f ms, 10 MB %.1f ms\n",
        clickSmall, clickLarge, stepSmall, stepLarge);

    // Ten times the text may take ten times as long; the bound leaves room for a noisy machine
    // and still fails a cost that grows with the square of the length.
    EXPECT_LT(clickLarge, 30 * clickSmall);
    EXPECT_LT(stepLarge, 30 * stepSmall);
}

} // namespace
