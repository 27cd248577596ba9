// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// How deep runs of the generate command can nest before the 8 MiB stack runs out, measured by
// the nesting probe in a child process, which nests until it crashes.
//
// Nesting grows only while clicks arrive faster than runs finish: each click on 按钮1 during a
// run adds one level, and the level goes when its run has appended its lines. A run of 100
// lines takes about 4 ms on the offscreen platform and about 9 ms on a virtual X display
// (GenerateCommandTest prints its timing), while a person clicks at most about 15 times a
// second, 67 ms apart; so a run is over before the next click comes and the depth stays at one.
// To stack up 900 levels, a person would have to click 15 times a second for a whole minute
// with every one of those runs still in progress at the end of it. The program must survive
// that many, sanitizers or not.

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int timeoutMilliseconds = 300000;
constexpr int clicksInAMinuteOfNonStopClicking = 15 * 60;

TEST(NestingDepthTest, RunsNestFarDeeperThanClicksCanComeBeforeTheStackRunsOut)
{
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(ORVANTA_NESTING_PROBE_PATH), {});
    ASSERT_TRUE(probe.waitForStarted(timeoutMilliseconds)) << probe.errorString().toStdString();
    const bool finished = probe.waitForFinished(timeoutMilliseconds);
    if (!finished) {
        probe.kill();
        probe.waitForFinished(timeoutMilliseconds);
    }
    const QString output = QString::fromUtf8(probe.readAllStandardOutput());
    const std::string errors = probe.readAllStandardError().left(2000).toStdString();
    ASSERT_TRUE(finished) << "the probe hung at: " << output.right(200).toStdString();
    EXPECT_FALSE(output.contains(QStringLiteral("the runs all returned"))) << "the nesting stopped by itself";

    const QRegularExpression limitLine(
        QStringLiteral("^stack limit (\\d+)$"), QRegularExpression::MultilineOption);
    const QRegularExpression depthLine(
        QStringLiteral("^depth (\\d+) stack (\\d+)$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch limit = limitLine.match(output);
    ASSERT_TRUE(limit.hasMatch()) << output.left(200).toStdString();
    long long depth = 0;
    long long stackBytes = 0;
    for (auto lines = depthLine.globalMatch(output); lines.hasNext();) {
        const QRegularExpressionMatch line = lines.next();
        depth = line.captured(1).toLongLong();
        stackBytes = line.captured(2).toLongLong();
    }
    const double perRun = depth > 1 ? static_cast<double>(stackBytes) / static_cast<double>(depth - 1) : 0.0;
    std::printf(
        "[ measured ] %lld nested runs before the stack ran out (limit %s bytes), %.0f bytes of stack each\n",
        depth, limit.captured(1).toStdString().c_str(), perRun);
    EXPECT_NE(probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0, true)
        << "the probe ended normally after " << depth << " levels";
    EXPECT_GT(depth, clicksInAMinuteOfNonStopClicking) << errors;
}

} // namespace
