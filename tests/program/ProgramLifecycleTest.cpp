// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// The program's life from start to end: each case runs the probe through one scenario in a
// child process and checks everything it printed and the exit code it ended with. The probe
// prints the facts of any message box it meets and then dismisses it, so that a fatal run-time
// error's report shows up in the output.

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>
#include <string>

namespace {

// A scenario that has not ended after this long is taken as hung.
constexpr int timeoutMilliseconds = 20000;

struct LifeCase
{
    const char* scenario;
    int exitCode;
    std::string output;
};

void PrintTo(const LifeCase& lifeCase, std::ostream* stream)
{
    *stream << lifeCase.scenario;
}

// The probe's lines for the report of a fatal run-time error: the caption, the text with its
// line breaks made visible, the error icon, no owner and one OK button.
std::string reportOf(const std::string& message)
{
    return "box caption: 错误\n"
           "box text: 运行时出错!\\n\\n错误信息："
        + message
        + "\\n\n"
          "box icon: critical\n"
          "box owner: none\n"
          "box button: 确定\n";
}

// -1 as the process's exit status reports it.
constexpr int fatalExitCode = 255;

const std::string exitRoutineRan = "exit routine ran; main windows left: 0\n";

// What one run of the probe did: whether it ended in time, how, and what it printed.
struct ProbeRun
{
    bool finished = false;
    QProcess::ExitStatus exitStatus = QProcess::NormalExit;
    int exitCode = 0;
    std::string output;
    std::string errors;
};

// Runs the probe with these arguments on the offscreen platform; one that hangs is killed.
ProbeRun runProbe(const QStringList& arguments)
{
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(ORVANTA_PROBE_PATH), arguments);
    ProbeRun run;
    if (!probe.waitForStarted(timeoutMilliseconds)) {
        run.errors = "the probe did not start: " + probe.errorString().toStdString();
        return run;
    }
    run.finished = probe.waitForFinished(timeoutMilliseconds);
    if (!run.finished) {
        probe.kill();
        probe.waitForFinished(timeoutMilliseconds);
    }
    run.exitStatus = probe.exitStatus();
    run.exitCode = probe.exitCode();
    run.output = probe.readAllStandardOutput().toStdString();
    run.errors = probe.readAllStandardError().toStdString();
    return run;
}

class ProgramLifecycleTest : public testing::TestWithParam<LifeCase>
{
};

TEST_P(ProgramLifecycleTest, PrintsWhatHappenedAndEndsWithItsExitCode)
{
    const LifeCase& lifeCase = GetParam();
    const ProbeRun run = runProbe({ QString::fromLatin1(lifeCase.scenario) });
    ASSERT_TRUE(run.finished) << "the probe hung; it printed:\n" << run.output << run.errors;
    EXPECT_EQ(run.exitStatus, QProcess::NormalExit) << run.errors;
    EXPECT_EQ(run.exitCode, lifeCase.exitCode) << run.errors;
    EXPECT_EQ(run.output, lifeCase.output) << run.errors;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ProgramLifecycleTest,
    testing::Values(
        // Escape in the focused control, which is 编辑框1 after the start, closes the window and
        // ends the program normally.
        LifeCase { "normal", 0, "escape to 编辑框1\n" }, LifeCase { "close_button", 0, "closed\n" },
        // Closing the window while a run is in progress ends the run, and every run nested in
        // it, quietly: no report, and the program ends normally.
        LifeCase { "close_mid_run", 0, "lines at close: 0\nclosed\nclick returned\n" },
        LifeCase { "close_mid_run_after_lines", 0, "lines at close: 4\nclosed\nclick returned\n" },
        LifeCase { "close_mid_run_nested", 0, "lines at close: 3\nclosed\nclick returned\n" },
        // The exit routine runs once at a normal end, after the windows have been released.
        LifeCase { "exit_routine", 0, "closed\n" + exitRoutineRan },
        // With no window loaded the event loop returns at once.
        LifeCase { "no_window", 0, "event loop returned\n" + exitRoutineRan },
        // Fatal run-time errors: the report, nothing after the failing call, no exit routine,
        // and exit code -1. Clicks on 按钮1 while the report is shown generate nothing.
        LifeCase { "fatal_allocation", fatalExitCode,
            reportOf("分配 512 字节内存失败!") + "lines after clicks under the box: 0\n" },
        LifeCase { "damaged_template", fatalExitCode, reportOf("载入窗口模板数据段出错!") },
        LifeCase { "binding_without_button", fatalExitCode, reportOf("载入窗口模板数据段出错!") },
        LifeCase { "missing_window", fatalExitCode, reportOf("载入启动窗口失败") },
        // Outside a run, a control of a closed window is still the fatal error.
        LifeCase {
            "missing_control", fatalExitCode, "closed\n" + reportOf("指定窗口或窗口组件不存在或尚未载入") }),
    [](const testing::TestParamInfo<LifeCase>& row) { return std::string(row.param.scenario); });

// The window closed at a random moment of a storm of nested runs, one moment per seed: every
// run ends quietly, nothing is appended after the close, no report comes up, and the program
// ends normally. The probe says on its error stream when it closed the window.
class CloseAtRandomTest : public testing::TestWithParam<int>
{
};

TEST_P(CloseAtRandomTest, EndsEveryRunQuietlyAndTheProgramNormally)
{
    const ProbeRun run = runProbe({ QStringLiteral("close_at_random"), QString::number(GetParam()) });
    ASSERT_TRUE(run.finished) << "the probe hung; it printed:\n" << run.output << run.errors;
    EXPECT_EQ(run.exitStatus, QProcess::NormalExit) << run.errors;
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.output, "closed\nclick returned\nlines appended after the close: 0\n") << run.errors;
}

INSTANTIATE_TEST_SUITE_P(Seeds, CloseAtRandomTest, testing::Values(1, 2, 3, 4, 5, 6),
    [](const testing::TestParamInfo<int>& row) { return "seed_" + std::to_string(row.param); });

} // namespace
