// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// A small program that lives through one scenario of the program's life, chosen by its first
// argument, and prints what it saw on the standard output, one fact a line. A fatal run-time
// error ends the process, so the lifecycle test runs this probe as a child process and checks
// its output and exit code. The probe starts exactly as the real program does, through
// platform::runProgram, and it answers every message box it meets: it prints the box's facts
// and clicks its button.

#include "platform/Controls.h"
#include "platform/Heap.h"
#include "platform/Program.h"
#include "platform/Text.h"
#include "shell/MainWindow.h"
#include "shell/ProgramEntry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

void say(const QString& line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The main window while it is on screen, or nullptr.
QWidget* shownMainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("MainWindow") && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// The main windows that still exist, shown, closed or waiting for their deletion.
int existingMainWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QStringLiteral("MainWindow") ? 1 : 0;
    return count;
}

QWidget* shownControl(const char* name)
{
    QWidget* window = shownMainWindow();
    return window ? window->findChild<QWidget*>(QString::fromUtf8(name)) : nullptr;
}

// The number of lines in the output box, read from the widget itself so that reading it can
// never raise a run-time error of the program.
int outputLines()
{
    auto* box = qobject_cast<QPlainTextEdit*>(shownControl("编辑框2"));
    return box ? static_cast<int>(box->toPlainText().count(QLatin1Char('\n'))) : -1;
}

void clickGenerate()
{
    if (QWidget* button = shownControl("按钮1"))
        QTest::mouseClick(button, Qt::LeftButton);
}

void closeMainWindow()
{
    if (QWidget* window = shownMainWindow())
        say(window->close() ? QStringLiteral("closed") : QStringLiteral("close refused"));
}

const char* iconName(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::NoIcon:
        return "none";
    case QMessageBox::Information:
        return "information";
    case QMessageBox::Warning:
        return "warning";
    case QMessageBox::Critical:
        return "critical";
    case QMessageBox::Question:
        return "question";
    }
    return "unknown";
}

QString withVisibleLineBreaks(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return text;
}

// Prints the facts of the modal message box on screen, if there is one, and dismisses it by
// its first button. While the box is up, it also clicks 按钮1 of a shown main window, once as
// the mouse does and once by emitting the click directly past the box's modality, and prints
// how many lines the output box holds afterwards.
void answerMessageBox()
{
    static bool answering = false;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (answering || !box)
        return;
    answering = true;
    say(QStringLiteral("box caption: ") + box->windowTitle());
    say(QStringLiteral("box text: ") + withVisibleLineBreaks(box->text()));
    say(QStringLiteral("box icon: ") + QLatin1String(iconName(box->icon())));
    say(QStringLiteral("box owner: ")
        + (box->parentWidget() ? box->parentWidget()->objectName() : QStringLiteral("none")));
    const QList<QAbstractButton*> buttons = box->buttons();
    for (QAbstractButton* button : buttons)
        say(QStringLiteral("box button: ") + button->text());
    if (auto* generate = qobject_cast<QPushButton*>(shownControl("按钮1"))) {
        QTest::mouseClick(generate, Qt::LeftButton);
        generate->click();
        QCoreApplication::processEvents();
        say(QStringLiteral("lines after clicks under the box: ") + QString::number(outputLines()));
    }
    if (!buttons.isEmpty())
        QTest::mouseClick(buttons.first(), Qt::LeftButton);
    answering = false;
}

void watchForMessageBoxes()
{
    auto* watcher = new QTimer(QCoreApplication::instance());
    QObject::connect(watcher, &QTimer::timeout, &answerMessageBox);
    watcher->start(20);
}

// Runs the action once, as soon as the main window is on screen with the focus in one of its
// controls and the program's event loop is running.
void whenMainWindowShown(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action)] {
        QWidget* window = shownMainWindow();
        if (!window || !window->focusWidget() || QThread::currentThread()->loopLevel() < 1)
            return;
        timer->stop();
        action(window);
    });
    timer->start(20);
}

void printingExitRoutine()
{
    say(QStringLiteral("exit routine ran; main windows left: ") + QString::number(existingMainWindows()));
}

// The start-up steps of the program, with an exit routine that reports when it runs.
void startWithPrintingExitRoutine()
{
    platform::initialise({ &mainWindowDefinition() });
    platform::registerExitRoutine(&printingExitRoutine);
    platform::loadWindow("MainWindow");
}

// Event processing that counts its calls. On the calls listed it clicks 按钮1, which starts a
// run nested in the current one, and on the last call it closes the main window.
std::vector<int> clickOnCalls;
int closeOnCall = 0;

void closingEventProcessing()
{
    static int calls = 0;
    ++calls;
    if (std::find(clickOnCalls.begin(), clickOnCalls.end(), calls) != clickOnCalls.end()) {
        clickGenerate();
    } else if (calls == closeOnCall) {
        say(QStringLiteral("lines at close: ") + QString::number(outputLines()));
        closeMainWindow();
    }
    QCoreApplication::processEvents();
}

// Starts the real program, clicks 按钮1 once it is shown and closes the window during the run
// by the event processing above.
int closeDuringRun(std::vector<int> clicks, int closeCall)
{
    clickOnCalls = std::move(clicks);
    closeOnCall = closeCall;
    platform::replaceEventProcessing(&closingEventProcessing);
    whenMainWindowShown([](QWidget*) {
        clickGenerate();
        say(QStringLiteral("click returned"));
    });
    return ProgramEntry();
}

// The scenario's own argument, the probe's second one, or nullptr.
const char* scenarioArgument = nullptr;

// Event processing for a storm of nested runs that the window's close cuts short at a random
// moment. Until the call chosen for the close, each call clicks 按钮1 by chance, which starts a
// run nested in the current one. At the close it notes how many lines the output box holds.
std::mt19937 stormRandom;
int stormCloseCall = 0;
int stormRunsInProgress = 0;
QPointer<QPlainTextEdit> stormOutput;
int stormBlocksAtClose = -1;

void randomlyClosingEventProcessing()
{
    static int calls = 0;
    ++calls;
    if (calls == stormCloseCall) {
        std::fprintf(stderr, "closing at call %d with %d runs in progress\n", calls, stormRunsInProgress);
        stormBlocksAtClose = stormOutput ? stormOutput->document()->blockCount() : -1;
        closeMainWindow();
    } else if (calls < stormCloseCall && std::bernoulli_distribution(0.3)(stormRandom)) {
        ++stormRunsInProgress;
        clickGenerate();
        --stormRunsInProgress;
    }
    QCoreApplication::processEvents();
}

const std::map<std::string, int (*)()> scenarios {
    { "normal",
        [] {
            whenMainWindowShown([](QWidget* window) {
                QWidget* focus
                    = QApplication::focusWidget() ? QApplication::focusWidget() : window->focusWidget();
                say(QStringLiteral("escape to ") + focus->objectName());
                QTest::keyClick(focus, Qt::Key_Escape);
            });
            return ProgramEntry();
        } },
    { "close_button",
        [] {
            whenMainWindowShown([](QWidget*) { closeMainWindow(); });
            return ProgramEntry();
        } },
    // The window closes at the first event processing of the run, with the real event
    // processing, by a timer that is due at once.
    { "close_mid_run",
        [] {
            whenMainWindowShown([](QWidget*) {
                QTimer::singleShot(0, [] {
                    say(QStringLiteral("lines at close: ") + QString::number(outputLines()));
                    closeMainWindow();
                });
                clickGenerate();
                say(QStringLiteral("click returned"));
            });
            return ProgramEntry();
        } },
    // Two characters, and so two event processings, make a line: the tenth call falls in the
    // fifth line, after four lines have been appended.
    { "close_mid_run_after_lines", [] { return closeDuringRun({}, 10); } },
    // Clicks on the third and sixth calls nest a second run in the first and a third in the
    // second. Each has appended one line when the third closes the window in its second line.
    { "close_mid_run_nested",
        [] {
            return closeDuringRun({ 3, 6 }, 10);
        } },
    { "exit_routine",
        [] {
            whenMainWindowShown([](QWidget*) { closeMainWindow(); });
            startWithPrintingExitRoutine();
            platform::runEventLoop();
            return 0;
        } },
    { "no_window",
        [] {
            platform::initialise({ &mainWindowDefinition() });
            platform::registerExitRoutine(&printingExitRoutine);
            platform::runEventLoop();
            say(QStringLiteral("event loop returned"));
            return 0;
        } },
    { "fatal_allocation",
        [] {
            startWithPrintingExitRoutine();
            platform::refuseAllocationsOfSize(512);
            // 511 bytes and the terminating zero need a block of 512.
            const platform::Text text = platform::Text::fromBytes(std::string(511, 'a'));
            say(QStringLiteral("allocation returned ") + QString::number(text.length()));
            return 0;
        } },
    // The real form with one row of an unknown kind added.
    { "damaged_template",
        [] {
            static const std::string form = std::string(mainWindowDefinition().form)
                + "Slider    滑块1       10   10   100   20     yes     0     default  default \"\"\n";
            static const platform::WindowDefinition damaged { form, mainWindowDefinition().clickBindings };
            platform::registerExitRoutine(&printingExitRoutine);
            platform::initialise({ &damaged });
            say(QStringLiteral("initialise returned"));
            return 0;
        } },
    // The real form with a click bound to a button that it does not have.
    { "binding_without_button",
        [] {
            static const platform::WindowDefinition unbound { mainWindowDefinition().form,
                { { "按钮9", [] {} } } };
            platform::registerExitRoutine(&printingExitRoutine);
            platform::initialise({ &unbound });
            say(QStringLiteral("initialise returned"));
            return 0;
        } },
    { "missing_window",
        [] {
            platform::initialise({ &mainWindowDefinition() });
            platform::registerExitRoutine(&printingExitRoutine);
            platform::loadWindow("NoSuchWindow");
            say(QStringLiteral("load returned"));
            return 0;
        } },
    // The seed, the scenario's argument, picks the moment of the close among the first 400
    // event processings and the moments of the clicks before it.
    { "close_at_random",
        [] {
            stormRandom.seed(scenarioArgument ? static_cast<unsigned>(std::stoul(scenarioArgument)) : 1u);
            stormCloseCall = std::uniform_int_distribution<int>(1, 400)(stormRandom);
            platform::replaceEventProcessing(&randomlyClosingEventProcessing);
            whenMainWindowShown([](QWidget*) {
                stormOutput = qobject_cast<QPlainTextEdit*>(shownControl("编辑框2"));
                ++stormRunsInProgress;
                clickGenerate();
                --stormRunsInProgress;
                say(QStringLiteral("click returned"));
                const int after = stormOutput ? stormOutput->document()->blockCount() : -1;
                say(QStringLiteral("lines appended after the close: ")
                    + QString::number(after - stormBlocksAtClose));
                // Should every run have ended before the chosen moment, the window is still
                // open: closing it now ends the probe, with output the test does not expect.
                closeMainWindow();
            });
            return ProgramEntry();
        } },
    { "missing_control",
        [] {
            startWithPrintingExitRoutine();
            closeMainWindow();
            platform::appendToEditBox("MainWindow", "编辑框2", platform::Text::fromLiteral("abc1001\r\n"));
            say(QStringLiteral("append returned"));
            return 0;
        } },
};

int (*chosenScenario)() = nullptr;

int runChosenScenario()
{
    watchForMessageBoxes();
    return chosenScenario();
}

} // namespace

int main(int argc, char** argv)
{
    const auto found = argc > 1 ? scenarios.find(argv[1]) : scenarios.end();
    if (found == scenarios.end()) {
        std::fprintf(stderr, "usage: %s SCENARIO\n", argv[0]);
        return 2;
    }
    chosenScenario = found->second;
    scenarioArgument = argc > 2 ? argv[2] : nullptr;
    return platform::runProgram(argc, argv, &runChosenScenario);
}
