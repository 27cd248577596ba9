// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
//
// The cost of a 100-line click in the real window, in the plain and the mail form, and the
// longest gap between two event-processing turns during such a click. Prints one line per
// figure: "name value unit".
#include "BenchWindow.h"
#include "platform/Program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

QElapsedTimer turnClock;
qint64 lastTurn = -1;
qint64 longestGap = 0;

// Event processing as the program does it, with the time between turns noted.
void timedTurn()
{
    const qint64 now = turnClock.nsecsElapsed();
    if (lastTurn >= 0)
        longestGap = std::max(longestGap, now - lastTurn);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    lastTurn = turnClock.nsecsElapsed();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int repeats = argc > 1 ? std::atoi(argv[1]) : 30;
    BenchWindow bench;
    const QString platformName = QGuiApplication::platformName();

    for (bool mail : { false, true }) {
        bench.mailForm->setChecked(mail);
        std::vector<double> times;
        for (int i = 0; i < repeats; ++i) {
            bench.outputBox->clear();
            times.push_back(bench.click());
        }
        std::printf("click_100_lines_%s_%s %.3f ms\n", mail ? "mail" : "plain", qPrintable(platformName),
            BenchWindow::median(times) / 1e6);
    }

    bench.mailForm->setChecked(false);
    turnClock.start();
    platform::replaceEventProcessing(&timedTurn);
    std::vector<double> gaps;
    for (int i = 0; i < repeats; ++i) {
        bench.outputBox->clear();
        lastTurn = -1;
        longestGap = 0;
        bench.click();
        gaps.push_back(static_cast<double>(longestGap));
    }
    platform::replaceEventProcessing(nullptr);
    std::printf("longest_event_gap_%s %.3f ms\n", qPrintable(platformName), BenchWindow::median(gaps) / 1e6);
    return 0;
}
