// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// Nests runs of the generate command ever deeper until the stack runs out, and prints how deep
// it got. The program starts as the real one does; then every run, at its first event
// processing, gets one more click on 按钮1, which starts a run nested in it, and so on. The click
// comes the way the window system delivers it: a timer fires inside the run's event
// processing and hands a press and a release to the window, which routes them to the button.
//
// Standard output has one line per level, "depth N stack B": N nested runs are in progress and
// the event processing of the newest one has its frame B bytes below the first one's. The
// stack is limited to 8 MiB, the usual default, whatever the limit of the parent. The process
// is expected to die of the overflow; NestingDepthTest reads the last line it printed.

#include "platform/Program.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdint>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr rlim_t stackLimit = 8 * 1024 * 1024;

QWidget* mainWindow = nullptr;
QPushButton* generateButton = nullptr;
int depth = 0;
std::uintptr_t firstFrame = 0;

// A press and a release on 按钮1, delivered to the window as the window system would.
void clickThroughWindow()
{
    QWindow* handle = mainWindow->windowHandle();
    const QPoint centre = generateButton->mapTo(mainWindow, generateButton->rect().center());
    ++depth;
    QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, centre);
    --depth;
}

void deepeningEventProcessing()
{
    static int deepestSeen = 0;
    if (depth > deepestSeen) {
        deepestSeen = depth;
        const auto frame = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
        if (firstFrame == 0)
            firstFrame = frame;
        std::printf("depth %d stack %llu\n", depth, static_cast<unsigned long long>(firstFrame - frame));
        std::fflush(stdout);
        QTimer::singleShot(0, &clickThroughWindow);
    }
    QCoreApplication::processEvents();
}

int nestUntilTheStackRunsOut()
{
    platform::initialise({ &mainWindowDefinition() });
    platform::loadWindow("MainWindow");
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("MainWindow"))
            mainWindow = widget;
    }
    generateButton = mainWindow ? mainWindow->findChild<QPushButton*>(QStringLiteral("按钮1")) : nullptr;
    if (!generateButton) {
        std::puts("no main window");
        return 1;
    }
    platform::replaceEventProcessing(&deepeningEventProcessing);
    QTimer::singleShot(0, &clickThroughWindow);
    platform::runEventLoop();
    std::puts("the runs all returned");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The stack of the main thread grows on demand up to the current limit. No core file is
    // wanted from the crash.
    rlimit stack {};
    getrlimit(RLIMIT_STACK, &stack);
    if (stack.rlim_max == RLIM_INFINITY || stack.rlim_max >= stackLimit) {
        stack.rlim_cur = stackLimit;
        setrlimit(RLIMIT_STACK, &stack);
    }
    getrlimit(RLIMIT_STACK, &stack);
    std::printf("stack limit %llu\n", static_cast<unsigned long long>(stack.rlim_cur));
    const rlimit noCore { 0, 0 };
    setrlimit(RLIMIT_CORE, &noCore);
    return platform::runProgram(argc, argv, &nestUntilTheStackRunsOut);
}
