// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// The count arrows held down for a thousand repeats. The test shortens the arrow's repeat
// interval so that the thousand repeats take about a second; each repeat is the arrow's own
// auto-repeat, not a click of the test.

#include "CountArrows.h"
#include "stress/StressSupport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QToolButton>

namespace {

constexpr int repeats = 1000;

struct HeldArrow
{
    const char* name;
    bool up;
    const char* start;
};

void PrintTo(const HeldArrow& row, std::ostream* out)
{
    *out << row.name;
}

// One step as the rules give it, written out on its own: up from 100 wraps to 1, down from 1
// wraps to 100.
int nextValue(int value, bool up)
{
    if (up)
        return value == 100 ? 1 : value + 1;
    return value == 1 ? 100 : value - 1;
}

class ArrowRepeatTest : public stress::StressWindowTest, public testing::WithParamInterface<HeldArrow>
{
};

TEST_P(ArrowRepeatTest, EveryRepeatStepsByOneAndWrapsAtTheEnds)
{
    const HeldArrow& row = GetParam();
    QLineEdit* count = countBox();
    auto* pair = window()->findChild<platform::CountArrows*>();
    ASSERT_TRUE(count && pair);
    QToolButton* arrow = row.up ? pair->upArrow() : pair->downArrow();
    arrow->setAutoRepeatDelay(1);
    arrow->setAutoRepeatInterval(1);
    count->setText(QString::fromLatin1(row.start));

    // Each repeat writes the stepped value back into the box; the values are read from there.
    // The event loop runs until the thousandth repeat, or a minute at most.
    QStringList seen;
    QEventLoop holding;
    QObject::connect(arrow, &QToolButton::clicked, count, [&seen, &holding, count] {
        seen.append(count->text());
        if (seen.size() >= repeats)
            holding.quit();
    });
    QTimer::singleShot(60000, &holding, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    QTest::mousePress(arrow, Qt::LeftButton);
    holding.exec();
    QTest::mouseRelease(arrow, Qt::LeftButton);
    const qint64 held = clock.elapsed();
    ASSERT_GE(seen.size(), repeats) << "only " << seen.size() << " repeats in " << held << " ms";

    int value = QString::fromLatin1(row.start).toInt();
    int wraps = 0;
    for (qsizetype i = 0; i < seen.size(); ++i) {
        const int expected = nextValue(value, row.up);
        wraps += (expected == 1 && value == 100) || (expected == 100 && value == 1) ? 1 : 0;
        ASSERT_EQ(seen[i], QString::number(expected)) << "repeat " << i;
        value = expected;
    }
    EXPECT_GE(wraps, repeats / 100 - 1);
    EXPECT_EQ(count->text(), QString::number(value));
    EXPECT_EQ(count->selectedText(), count->text());
    EXPECT_EQ(QApplication::focusWidget(), count);
    std::printf("[ measured ] %lld repeats of the %s arrow held for %lld ms\n",
        static_cast<long long>(seen.size()), row.up ? "up" : "down", static_cast<long long>(held));
}

INSTANTIATE_TEST_SUITE_P(Held, ArrowRepeatTest,
    testing::Values(HeldArrow { "up_from_57", true, "57" }, HeldArrow { "down_from_42", false, "42" }),
    [](const testing::TestParamInfo<HeldArrow>& row) { return std::string(row.param.name); });

} // namespace
