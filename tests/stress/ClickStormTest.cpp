// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// Storms at the real window while runs are in progress: clicks on 按钮1 that nest runs inside
// runs, counts typed into 编辑框1, the mail form toggled, text typed and pasted into 编辑框2.
// All of it happens from inside the event processing that each run performs, so every action
// lands in the middle of a run. Whatever the storm, each run appends exactly its own count in
// its own form, no line is lost or split, and every text the runs made is released.

#include "platform/Heap.h"
#include "platform/Program.h"
#include "stress/StressSupport.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QTextBlock>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace {

using stress::LineTally;

// The generated lines and mail lines in the output box right now, counted block by block; a
// block that is not a generated line, such as one the user typed, is not counted.
struct OutputCount
{
    long lines = 0;
    long mailLines = 0;
};

bool isGeneratedLine(const QString& line)
{
    qsizetype i = 0;
    while (i < line.size() && line[i] >= QLatin1Char('a') && line[i] <= QLatin1Char('z'))
        ++i;
    if (i > 12 || line.size() - i < 4)
        return false;
    for (qsizetype k = i; k < i + 4; ++k) {
        if (!line[k].isDigit())
            return false;
    }
    const QStringView rest = QStringView(line).mid(i + 4);
    return rest.isEmpty() || rest == QLatin1String("@qq.com");
}

OutputCount countOutput(const QPlainTextEdit* box)
{
    OutputCount count;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        if (isGeneratedLine(line)) {
            ++count.lines;
            count.mailLines += line.endsWith(QLatin1String("@qq.com")) ? 1 : 0;
        }
    }
    return count;
}

// One run in progress, as the storm started it.
struct RunRecord
{
    long expectedLines = 0;
    bool mail = false;
    OutputCount atStart;
    OutputCount nested;
};

// The storm itself. It stands in for the program's event processing during the runs, and on a
// share of its calls it acts on the window before processing the pending events as usual.
class Storm
{
public:
    static inline Storm* current = nullptr;

    Storm(QLineEdit* count, QCheckBox* mail, QPushButton* button, QPlainTextEdit* output, unsigned seed)
        : m_count(count)
        , m_mail(mail)
        , m_button(button)
        , m_output(output)
        , m_random(seed)
    {
    }

    // Called on every event processing of a run; picks what to do at this moment.
    std::function<void(Storm&)> act;

    static void processEvents()
    {
        Storm& storm = *current;
        ++storm.m_calls;
        const auto depth = storm.m_runs.size();
        if (depth > storm.m_frameAddresses.size())
            storm.m_frameAddresses.push_back(reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)));
        if (storm.act)
            storm.act(storm);
        QCoreApplication::processEvents();
    }

    // Types a count into 编辑框1 as the user does, over whatever it holds, and clicks 按钮1,
    // which runs a whole run nested in the current one. Checks the run once it has returned.
    void clickWithCount(const QString& countText, long expectedLines)
    {
        m_count->setFocus();
        QTest::keyClick(m_count, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(m_count, countText);
        EXPECT_EQ(m_count->text(), countText);
        m_runs.push_back({ expectedLines, m_mail->isChecked(), countOutput(m_output), {} });
        m_deepest = std::max(m_deepest, m_runs.size());
        ++m_clicks;
        m_expectedTotal += expectedLines;
        m_expectedMail += m_runs.back().mail ? expectedLines : 0;

        QTest::mouseClick(m_button, Qt::LeftButton);

        const RunRecord run = m_runs.back();
        m_runs.pop_back();
        const OutputCount now = countOutput(m_output);
        const long all = now.lines - run.atStart.lines;
        const long allMail = now.mailLines - run.atStart.mailLines;
        const long own = all - run.nested.lines;
        const long ownMail = allMail - run.nested.mailLines;
        if (own != run.expectedLines || ownMail != (run.mail ? own : 0))
            ++m_badRuns;
        EXPECT_EQ(own, run.expectedLines) << "run " << m_clicks << " at depth " << m_runs.size() + 1;
        EXPECT_EQ(ownMail, run.mail ? own : 0) << "run " << m_clicks << " changed its form";
        if (!m_runs.empty()) {
            m_runs.back().nested.lines += all;
            m_runs.back().nested.mailLines += allMail;
        }
        ++m_runsReturned;
    }

    void toggleMailForm() { QTest::mouseClick(m_mail, Qt::LeftButton); }

    bool chance(double probability) { return std::bernoulli_distribution(probability)(m_random); }
    int draw(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::size_t depth() const { return m_runs.size(); }
    std::size_t deepest() const { return m_deepest; }
    int clicks() const { return m_clicks; }
    int runsReturned() const { return m_runsReturned; }
    int badRuns() const { return m_badRuns; }
    long expectedTotal() const { return m_expectedTotal; }
    long expectedMail() const { return m_expectedMail; }
    long calls() const { return m_calls; }

    // The stack one nested run takes, from the frames of the event processing at the first and
    // the deepest level.
    double stackBytesPerRun() const
    {
        if (m_frameAddresses.size() < 2)
            return 0;
        const double span = static_cast<double>(m_frameAddresses.front() - m_frameAddresses.back());
        return span / static_cast<double>(m_frameAddresses.size() - 1);
    }

private:
    QLineEdit* m_count;
    QCheckBox* m_mail;
    QPushButton* m_button;
    QPlainTextEdit* m_output;
    std::mt19937 m_random;
    std::vector<RunRecord> m_runs;
    std::vector<std::uintptr_t> m_frameAddresses;
    std::size_t m_deepest = 0;
    int m_clicks = 0;
    int m_runsReturned = 0;
    int m_badRuns = 0;
    long m_expectedTotal = 0;
    long m_expectedMail = 0;
    long m_calls = 0;
};

class ClickStormTest : public stress::StressWindowTest
{
protected:
    void TearDown() override
    {
        platform::replaceEventProcessing(nullptr);
        Storm::current = nullptr;
        stress::StressWindowTest::TearDown();
    }

    // Starts the storm with a first click, as the user would, and lets it run out.
    void unleash(Storm& storm, const QString& firstCount, long firstLines)
    {
        Storm::current = &storm;
        platform::replaceEventProcessing(&Storm::processEvents);
        storm.clickWithCount(firstCount, firstLines);
        platform::replaceEventProcessing(nullptr);
    }
};

constexpr int stormClicks = 300;

// A count to type: mostly small, now and then one above 100 that the run cuts back to 100, a
// zero or a fraction.
std::pair<QString, long> drawCount(Storm& storm)
{
    const int kind = storm.draw(0, 39);
    if (kind == 0)
        return { QStringLiteral("150"), 100 };
    if (kind == 1)
        return { QStringLiteral("0"), 0 };
    if (kind == 2)
        return { QStringLiteral("2.9"), 2 };
    const int count = storm.draw(1, 12);
    return { QString::number(count), count };
}

TEST_F(ClickStormTest, EveryNestedRunAppendsExactlyItsCountInItsForm)
{
    QPlainTextEdit* box = outputBox();
    ASSERT_TRUE(countBox() && mailFormBox() && generateButton() && box);
    const std::size_t blocksBefore = platform::liveBlockCount();
    stress::MessageBoxAnswerer answerer;

    // The first hundred clicks each come at the first chance inside the newest run, which nests
    // them a hundred deep at once; the rest fall at random moments of whichever run is going on.
    Storm storm(countBox(), mailFormBox(), generateButton(), box, 20260501);
    storm.act = [](Storm& s) {
        if (s.clicks() >= stormClicks)
            return;
        if (s.chance(0.2))
            s.toggleMailForm();
        if (s.clicks() < 100 || s.chance(0.25)) {
            const auto [text, lines] = drawCount(s);
            s.clickWithCount(text, lines);
        }
    };
    QElapsedTimer clock;
    clock.start();
    unleash(storm, QStringLiteral("12"), 12);
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;

    EXPECT_EQ(storm.clicks(), stormClicks);
    EXPECT_EQ(storm.runsReturned(), stormClicks);
    EXPECT_EQ(storm.depth(), 0u);
    EXPECT_GE(storm.deepest(), 100u) << "the runs did not nest";
    EXPECT_EQ(storm.badRuns(), 0);

    const LineTally tally = stress::tallyGeneratedLines(output());
    EXPECT_EQ(tally.malformed, 0u);
    EXPECT_EQ(static_cast<long>(tally.lines), storm.expectedTotal());
    EXPECT_EQ(static_cast<long>(tally.mailLines), storm.expectedMail());
    EXPECT_EQ(answerer.messages(), 0);
    EXPECT_EQ(answerer.fatalReports(), 0);
    EXPECT_EQ(platform::liveBlockCount(), blocksBefore) << "texts made by the runs were not released";

    const double perRun = storm.stackBytesPerRun();
    std::printf("[ measured ] %d clicks, %ld lines, nested %zu deep, %.1f s, %ld event processings\n",
        storm.clicks(), storm.expectedTotal(), storm.deepest(), seconds, storm.calls());
    std::printf("[ measured ] stack per nested run: %.0f bytes, so 8 MiB holds about %.0f nested runs\n",
        perRun, perRun > 0 ? 8.0 * 1024 * 1024 / perRun : 0.0);
}

TEST_F(ClickStormTest, TypingPastingAndTogglingDuringRunsLosesAndSplitsNoLine)
{
    QPlainTextEdit* box = outputBox();
    ASSERT_TRUE(countBox() && mailFormBox() && generateButton() && box);
    const std::size_t blocksBefore = platform::liveBlockCount();
    stress::MessageBoxAnswerer answerer;

    // What the user put at the start of the box, newest first, as the box holds it.
    static QString insertedAtStart;
    static int insertions;
    insertedAtStart.clear();
    insertions = 0;

    Storm storm(countBox(), mailFormBox(), generateButton(), box, 7);
    storm.act = [box](Storm& s) {
        const int what = s.draw(0, 9);
        if (what <= 2 && insertions < 120) {
            // Typed at the start: a note and a line break.
            const QString note = QStringLiteral("note %1").arg(++insertions);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
            QTest::keyClicks(box, note);
            QTest::keyClick(box, Qt::Key_Return);
            insertedAtStart.prepend(note + QLatin1Char('\n'));
        } else if (what == 3 && insertions < 120) {
            // Pasted at the start: two lines at once.
            const QString pasted = QStringLiteral("pasted %1\nsecond line %1\n").arg(++insertions);
            QApplication::clipboard()->setText(pasted);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            insertedAtStart.prepend(pasted);
        } else if (what == 4) {
            s.toggleMailForm();
        } else if ((what == 5 || what == 6) && s.clicks() < 40) {
            const int count = s.draw(1, 8);
            s.clickWithCount(QString::number(count), count);
        }
    };
    unleash(storm, QStringLiteral("30"), 30);

    EXPECT_GE(insertions, 20) << "too little was typed during the runs";
    EXPECT_GE(storm.clicks(), 5) << "too few clicks came during the runs";
    EXPECT_EQ(storm.badRuns(), 0);

    // The user's text stays at the start exactly as it was put there, and everything after it
    // is whole generated lines, as many as the runs were asked for.
    const QString text = box->toPlainText();
    ASSERT_TRUE(text.startsWith(insertedAtStart)) << text.left(400).toStdString();
    const std::string generated = QString(text.mid(insertedAtStart.size()))
                                      .replace(QLatin1Char('\n'), QLatin1String("\r\n"))
                                      .toStdString();
    const LineTally tally = stress::tallyGeneratedLines(generated);
    EXPECT_EQ(tally.malformed, 0u);
    EXPECT_EQ(static_cast<long>(tally.lines), storm.expectedTotal());
    EXPECT_EQ(static_cast<long>(tally.mailLines), storm.expectedMail());
    EXPECT_EQ(answerer.messages(), 0);
    EXPECT_EQ(answerer.fatalReports(), 0);
    EXPECT_EQ(platform::liveBlockCount(), blocksBefore) << "texts made by the runs were not released";
}

} // namespace
