// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

// The platform's own bookkeeping of the running program: its window definitions, the loaded
// windows, the exit routine and the state of the event loop. Only the platform's sources
// include this header.

#include "FormTemplate.h"
#include "Program.h"

#include <QPointer>
#include <string>
#include <vector>

class QEventLoop;

namespace platform {

class FormWindow;

struct LoadableWindow
{
    FormTemplate form;
    std::vector<ClickBinding> clickBindings;
};

class ProgramState
{
public:
    static ProgramState& instance();

    void setWindows(std::vector<LoadableWindow> windows) { m_windows = std::move(windows); }
    const LoadableWindow* window(std::string_view name) const;

    void addLoadedWindow(FormWindow* window);
    FormWindow* loadedWindow(std::string_view name) const;
    // Called when a loaded window has been closed: it is no longer loaded, and once none is
    // left, the running event loop is asked to quit.
    void windowClosed(FormWindow* window);
    // Destroys every window, loaded or closed and waiting for its deletion.
    void releaseWindows();

    void setExitRoutine(void (*routine)()) { m_exitRoutine = routine; }
    void (*exitRoutine() const)() { return m_exitRoutine; }

    // Once the program is ending, normally or after a fatal error, no event reaches its handlers.
    void markEnding() { m_ending = true; }
    bool isEnding() const { return m_ending; }

    void runEventLoop();

    void setEventProcessing(void (*routine)()) { m_eventProcessing = routine; }
    void (*eventProcessing() const)() { return m_eventProcessing; }

private:
    std::vector<LoadableWindow> m_windows;
    std::vector<QPointer<FormWindow>> m_loaded;
    std::vector<QPointer<FormWindow>> m_closed;
    void (*m_exitRoutine)() = nullptr;
    void (*m_eventProcessing)() = nullptr;
    QEventLoop* m_mainLoop = nullptr;
    bool m_loopFlag = false;
    bool m_quitRequested = false;
    bool m_ending = false;
};

} // namespace platform
