// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// The generate command as the user runs it: real clicks on the generate button of the real
// window, with the count box, the mail form box and the output box read back afterwards. Some
// tests act in the middle of a run, from inside the event processing that the run performs.

#include "platform/Controls.h"
#include "platform/Program.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

constexpr const char* countBoxName = "编辑框1";
constexpr const char* outputBoxName = "编辑框2";
constexpr const char* mailFormBoxName = "选择框1";
constexpr const char* generateButtonName = "按钮1";

// One generated line, taken apart.
struct GeneratedLine
{
    std::string name;
    int number = 0;
    bool mail = false;
};

// Splits text into lines and checks each against the form of a generated line: a name of up to
// twelve lower-case letters, an odd number from 1001 to 9999, the mail suffix or none, CR LF.
std::vector<GeneratedLine> generatedLines(std::string_view text)
{
    static const std::regex form(R"(^([a-z]{0,12})([0-9]{4})(@qq\.com)?\r\n$)");
    std::vector<GeneratedLine> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            ADD_FAILURE() << "text after the last line end: " << text.substr(start);
            break;
        }
        const std::string line(text.substr(start, end + 2 - start));
        start = end + 2;
        std::smatch parts;
        if (!std::regex_match(line, parts, form)) {
            ADD_FAILURE() << "not a generated line: " << line;
            continue;
        }
        GeneratedLine taken { parts[1].str(), std::stoi(parts[2].str()), parts[3].matched };
        EXPECT_EQ(taken.number % 2, 1) << line;
        EXPECT_GE(taken.number, 1001) << line;
        lines.push_back(std::move(taken));
    }
    return lines;
}

std::size_t mailLineCount(const std::vector<GeneratedLine>& lines)
{
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [](const auto& line) { return line.mail; }));
}

// Stands in for the program's event processing during a run: counts the calls, runs the action
// planned for a call, then processes the pending events as the program would.
struct MidRun
{
    static inline int calls = 0;
    static inline std::map<int, std::function<void()>> actions;

    static void processEvents()
    {
        ++calls;
        const auto planned = actions.find(calls);
        if (planned != actions.end()) {
            const std::function<void()> action = std::move(planned->second);
            actions.erase(planned);
            action();
        }
        QCoreApplication::processEvents();
    }
};

// What a modal message box showed before a click on its button dismissed it.
struct SeenMessageBox
{
    int count = 0;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hasIconPicture = false;
    QStringList buttons;
    bool ownedByNoWindow = false;
    Qt::WindowModality modality = Qt::NonModal;
};

// Watches, from a timer started before a click, for the modal box the click may bring up, and
// dismisses it with a click on its button.
class MessageBoxWatcher : public QObject
{
public:
    MessageBoxWatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, &MessageBoxWatcher::look);
        m_timer.start(5);
    }

    const SeenMessageBox& seen() const { return m_seen; }

private:
    void look()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        ++m_seen.count;
        m_seen.caption = box->windowTitle();
        m_seen.text = box->text();
        m_seen.icon = box->icon();
        m_seen.hasIconPicture = !box->iconPixmap().isNull();
        m_seen.buttons.clear();
        for (QAbstractButton* button : box->buttons())
            m_seen.buttons.append(button->text());
        m_seen.ownedByNoWindow = box->parentWidget() == nullptr;
        m_seen.modality = box->windowModality();
        if (!box->buttons().isEmpty())
            QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        else
            box->done(0);
    }

    QTimer m_timer;
    SeenMessageBox m_seen;
};

class GenerateCommandTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        MidRun::calls = 0;
        MidRun::actions.clear();
    }

    void TearDown() override
    {
        platform::replaceEventProcessing(nullptr);
        MidRun::actions.clear();
        MainWindowFixture::TearDown();
    }

    QLineEdit* countBox() const { return control<QLineEdit>(countBoxName); }
    QPlainTextEdit* outputBox() const { return control<QPlainTextEdit>(outputBoxName); }
    QCheckBox* mailFormBox() const { return control<QCheckBox>(mailFormBoxName); }
    QPushButton* generateButton() const { return control<QPushButton>(generateButtonName); }

    // Plans an action for the given call of the event processing inside the runs to come.
    static void atEventProcessing(int call, std::function<void()> action)
    {
        MidRun::actions[call] = std::move(action);
        platform::replaceEventProcessing(&MidRun::processEvents);
    }

    void generate() const { QTest::mouseClick(generateButton(), Qt::LeftButton); }

    // The output box's text as the program reads it, with CR LF between lines.
    static std::string output()
    {
        return std::string(platform::editBoxText("MainWindow", outputBoxName).view());
    }
};

// One count text, with what a click does with it.
struct CountCase
{
    const char* name;
    const char* text;
    int lines;
    // What the count box holds afterwards; nullptr when it keeps its text.
    const char* countAfter;
    bool message;
};

void PrintTo(const CountCase& row, std::ostream* out)
{
    *out << row.name;
}

class CountTest : public GenerateCommandTest, public testing::WithParamInterface<CountCase>
{
};

TEST_P(CountTest, AppendsTheCappedTruncatedCount)
{
    const CountCase& row = GetParam();
    QLineEdit* count = countBox();
    ASSERT_TRUE(count && generateButton());
    const QString text = QString::fromUtf8(row.text);
    count->setText(text);

    MessageBoxWatcher watcher;
    generate();

    const SeenMessageBox& seen = watcher.seen();
    if (row.message) {
        EXPECT_EQ(seen.count, 1);
        EXPECT_EQ(seen.caption, QStringLiteral("信息："));
        EXPECT_EQ(seen.text, QStringLiteral("请输入生成个数！"));
        EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
        EXPECT_FALSE(seen.hasIconPicture);
        EXPECT_EQ(seen.buttons, QStringList { QStringLiteral("确定") });
        EXPECT_TRUE(seen.ownedByNoWindow);
        EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    } else {
        EXPECT_EQ(seen.count, 0) << "a message box came up: " << seen.text.toStdString();
    }

    const std::vector<GeneratedLine> lines = generatedLines(output());
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(row.lines));
    EXPECT_EQ(mailLineCount(lines), 0u);
    EXPECT_EQ(count->text(), row.countAfter ? QString::fromUtf8(row.countAfter) : text);
}

INSTANTIATE_TEST_SUITE_P(CountTexts, CountTest,
    testing::Values(CountCase { "empty", "", 0, nullptr, true },
        CountCase { "spaces_only", "   ", 0, nullptr, false },
        CountCase { "100", "100", 100, nullptr, false }, CountCase { "7", "7", 7, nullptr, false },
        CountCase { "2_9", "2.9", 2, nullptr, false }, CountCase { "0_5", "0.5", 0, nullptr, false },
        CountCase { "0", "0", 0, nullptr, false }, CountCase { "minus3", "-3", 0, nullptr, false },
        CountCase { "abc", "abc", 0, nullptr, false }, CountCase { "250", "250", 100, "100", false },
        CountCase { "1e3", "1e3", 100, "100", false }, CountCase { "1e2", "1e2", 100, nullptr, false },
        CountCase { "100_00000001", "100.00000001", 100, nullptr, false },
        CountCase { "100_000001", "100.000001", 100, "100", false },
        CountCase { "100_5", "100.5", 100, "100", false },
        CountCase { "fullwidth_50", "５０", 50, nullptr, false },
        CountCase { "ideographic_space_5", "\u30005", 5, nullptr, false },
        CountCase { "1e400", "1e400", 100, "100", false },
        CountCase { "two_spaces_12abc", "  12abc", 12, nullptr, false },
        CountCase { "minus_1e400", "-1e400", 0, nullptr, false },
        CountCase { "minus_2_to_32_plus_1", "-4294967295", 0, nullptr, false }),
    [](const testing::TestParamInfo<CountCase>& row) { return std::string(row.param.name); });

TEST_F(GenerateCommandTest, TheMailFormEndsEveryLineWithTheMailDomain)
{
    ASSERT_TRUE(mailFormBox() && generateButton());
    QTest::mouseClick(mailFormBox(), Qt::LeftButton);
    ASSERT_TRUE(mailFormBox()->isChecked());

    QElapsedTimer clock;
    clock.start();
    generate();
    std::printf("[ measured ] a click that appends 100 lines took %.1f ms\n",
        static_cast<double>(clock.nsecsElapsed()) / 1e6);

    const std::vector<GeneratedLine> lines = generatedLines(output());
    EXPECT_EQ(lines.size(), 100u);
    EXPECT_EQ(mailLineCount(lines), 100u);
}

class MailFormToggledTest : public GenerateCommandTest, public testing::WithParamInterface<bool>
{
};

TEST_P(MailFormToggledTest, DuringARunKeepsTheRunsForm)
{
    const bool mailAtStart = GetParam();
    QCheckBox* mailForm = mailFormBox();
    ASSERT_TRUE(mailForm && countBox());
    mailForm->setChecked(mailAtStart);
    countBox()->setText(QStringLiteral("10"));
    // A click on the box while the third line is being made.
    atEventProcessing(5, [mailForm] { QTest::mouseClick(mailForm, Qt::LeftButton); });

    generate();

    EXPECT_TRUE(MidRun::actions.empty()) << "the box was not toggled during the run";
    EXPECT_NE(mailForm->isChecked(), mailAtStart);
    const std::vector<GeneratedLine> lines = generatedLines(output());
    EXPECT_EQ(lines.size(), 10u);
    EXPECT_EQ(mailLineCount(lines), mailAtStart ? 10u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    BothForms, MailFormToggledTest, testing::Bool(), [](const testing::TestParamInfo<bool>& row) {
        return std::string(row.param ? "mail_at_start" : "plain_at_start");
    });

TEST_F(GenerateCommandTest, AClickDuringARunNestsAWholeRunInTheMiddle)
{
    QLineEdit* count = countBox();
    QCheckBox* mailForm = mailFormBox();
    QPushButton* button = generateButton();
    ASSERT_TRUE(count && mailForm && button);
    count->setText(QStringLiteral("10"));
    // While the fourth plain line is being made, the user asks for three mail lines.
    atEventProcessing(7, [count, mailForm, button] {
        count->setFocus();
        QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(count, QStringLiteral("3"));
        QTest::mouseClick(mailForm, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
    });

    generate();

    EXPECT_TRUE(MidRun::actions.empty()) << "no click during the run";
    EXPECT_EQ(count->text(), QLatin1String("3"));
    const std::vector<GeneratedLine> lines = generatedLines(output());
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(mailLineCount(lines), 3u);
    const auto firstMail
        = std::find_if(lines.begin(), lines.end(), [](const auto& line) { return line.mail; });
    ASSERT_NE(firstMail, lines.end());
    EXPECT_NE(firstMail, lines.begin()) << "the nested lines came first";
    ASSERT_LE(firstMail + 3, lines.end());
    EXPECT_NE(firstMail + 3, lines.end()) << "the nested lines came last";
    EXPECT_TRUE(std::all_of(firstMail, firstMail + 3, [](const auto& line) { return line.mail; }))
        << "the nested lines are not together";
}

TEST_F(GenerateCommandTest, TypingIntoTheOutputBoxDuringARunLosesNothing)
{
    QPlainTextEdit* box = outputBox();
    ASSERT_TRUE(box && countBox());
    countBox()->setText(QStringLiteral("6"));
    // While the third line is being made, the user types a line at the start of the box.
    std::string beforeTyping;
    atEventProcessing(5, [&beforeTyping, box] {
        beforeTyping = output();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClicks(box, QStringLiteral("typed"));
        QTest::keyClick(box, Qt::Key_Return);
    });

    generate();

    EXPECT_TRUE(MidRun::actions.empty()) << "nothing was typed during the run";
    EXPECT_EQ(generatedLines(beforeTyping).size(), 2u);
    // The typed line stays first, the two lines before it follow, and the rest of the run
    // comes after them at the end.
    const std::string text = output();
    const std::string start = "typed\r\n" + beforeTyping;
    ASSERT_EQ(text.rfind(start, 0), 0u) << text;
    EXPECT_EQ(generatedLines(std::string_view(text).substr(start.size())).size(), 4u);
}

TEST_F(GenerateCommandTest, ASelectionInTheOutputBoxGivesWayToACaretAtTheEnd)
{
    QPlainTextEdit* box = outputBox();
    ASSERT_TRUE(box && countBox());
    const std::string before = "first line\r\nsecond line\r\n";
    box->setPlainText(QStringLiteral("first line\nsecond line\n"));
    QTextCursor selection = box->textCursor();
    selection.setPosition(6);
    selection.setPosition(17, QTextCursor::KeepAnchor);
    box->setTextCursor(selection);
    ASSERT_EQ(box->textCursor().selectedText(),
        QString(QStringLiteral("line") + QChar::ParagraphSeparator + "second"));
    countBox()->setText(QStringLiteral("3"));

    generate();

    const std::string text = output();
    ASSERT_EQ(text.rfind(before, 0), 0u) << text;
    EXPECT_EQ(generatedLines(std::string_view(text).substr(before.size())).size(), 3u);
    EXPECT_FALSE(box->textCursor().hasSelection());
    EXPECT_EQ(box->textCursor().position(), box->document()->characterCount() - 1);
}

TEST_F(GenerateCommandTest, LinesOfSuccessiveClicksAccumulateAndCannotBeUndone)
{
    QPlainTextEdit* box = outputBox();
    ASSERT_TRUE(box && countBox());
    countBox()->setText(QStringLiteral("3"));
    generate();
    const std::string first = output();
    ASSERT_EQ(generatedLines(first).size(), 3u);

    countBox()->setText(QStringLiteral("4"));
    generate();
    const std::string both = output();
    ASSERT_EQ(both.rfind(first, 0), 0u) << "the second click changed the first click's lines";
    EXPECT_EQ(generatedLines(both).size(), 7u);

    box->setFocus();
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(output(), both);
}

TEST_F(GenerateCommandTest, UndoAfterAClickKeepsTheGeneratedLines)
{
    QPlainTextEdit* box = outputBox();
    ASSERT_TRUE(box && countBox());
    // The user's own typing comes before the generated lines.
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("note"));
    QTest::keyClick(box, Qt::Key_Return);
    countBox()->setText(QStringLiteral("5"));
    generate();
    const std::string generated = output().substr(6);
    ASSERT_EQ(generatedLines(generated).size(), 5u);

    box->setFocus();
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    const std::string text = output();
    ASSERT_GE(text.size(), generated.size());
    EXPECT_EQ(text.substr(text.size() - generated.size()), generated) << text;
}

// Reports a fatal run-time error that shows up during a test, which would otherwise wait for
// ever for its box to be dismissed.
class FatalReportWatcher : public QObject
{
public:
    FatalReportWatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && box->windowTitle() == QStringLiteral("错误")) {
                std::fprintf(stderr, "fatal run-time error: %s\n", box->text().toUtf8().constData());
                box->done(0);
            }
        });
        m_timer.start(5);
    }

private:
    QTimer m_timer;
};

TEST_F(GenerateCommandTest, ClosingTheWindowMidRunStopsEveryRunQuietly)
{
    QLineEdit* count = countBox();
    QPlainTextEdit* box = outputBox();
    QPushButton* button = generateButton();
    QCheckBox* mailForm = mailFormBox();
    ASSERT_TRUE(count && box && button && mailForm);
    count->setText(QStringLiteral("10"));
    bool closed = false;
    int appendsAfterClose = 0;
    QObject::connect(box, &QPlainTextEdit::textChanged, box, [&] { appendsAfterClose += closed ? 1 : 0; });

    // During the second line a nested run of five mail lines starts, and during its second
    // line the user presses Escape.
    atEventProcessing(3, [count, mailForm, button] {
        count->setText(QStringLiteral("5"));
        QTest::mouseClick(mailForm, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
    });
    std::string beforeClose;
    atEventProcessing(6, [&, count] {
        beforeClose = output();
        QTest::keyClick(count, Qt::Key_Escape);
        closed = true;
    });

    FatalReportWatcher fatalWatcher;
    generate();

    EXPECT_TRUE(closed);
    EXPECT_FALSE(platform::isWindowLoaded("MainWindow"));
    EXPECT_EQ(appendsAfterClose, 0);
    // One line of the first run and one of the nested run made it before the close.
    const std::vector<GeneratedLine> lines = generatedLines(beforeClose);
    EXPECT_EQ(lines.size(), 2u);
    EXPECT_EQ(mailLineCount(lines), 1u);
    EXPECT_LE(MidRun::calls, 8) << "the runs went on after the close";
}

} // namespace
