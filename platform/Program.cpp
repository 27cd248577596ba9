// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "Program.h"

#include "FatalError.h"
#include "FormWindow.h"
#include "ProgramState.h"

#include <QApplication>
#include <QEventLoop>
#include <QIcon>
#include <algorithm>

namespace platform {

ProgramState& ProgramState::instance()
{
    static ProgramState state;
    return state;
}

const LoadableWindow* ProgramState::window(std::string_view name) const
{
    const auto found = std::find_if(m_windows.begin(), m_windows.end(),
        [&](const LoadableWindow& window) { return window.form.window.name == name; });
    return found == m_windows.end() ? nullptr : &*found;
}

void ProgramState::addLoadedWindow(FormWindow* window)
{
    m_loaded.emplace_back(window);
}

FormWindow* ProgramState::loadedWindow(std::string_view name) const
{
    for (const QPointer<FormWindow>& window : m_loaded) {
        if (window && window->name() == name)
            return window;
    }
    return nullptr;
}

void ProgramState::windowClosed(FormWindow* window)
{
    const auto found = std::find(m_loaded.begin(), m_loaded.end(), window);
    if (found == m_loaded.end())
        return;
    m_loaded.erase(found);
    // The window may be closed from deep inside one of its own handlers, nested runs among them,
    // whose frames still refer to its controls. So a closed window is only hidden here; it is
    // deleted when the program ends, once every handler has returned.
    m_closed.emplace_back(window);
    std::erase_if(m_loaded, [](const QPointer<FormWindow>& loaded) { return loaded.isNull(); });
    if (m_loaded.empty() && m_loopFlag) {
        m_quitRequested = true;
        // Exiting the main loop takes effect only when control is back in it: event processing
        // nested in a handler stops at this request and leaves it to the loop.
        if (m_mainLoop)
            m_mainLoop->exit(0);
    }
}

void ProgramState::releaseWindows()
{
    for (auto* list : { &m_loaded, &m_closed }) {
        for (const QPointer<FormWindow>& window : *list)
            delete window.data();
        list->clear();
    }
}

void ProgramState::runEventLoop()
{
    m_loopFlag = true;
    std::erase_if(m_loaded, [](const QPointer<FormWindow>& loaded) { return loaded.isNull(); });
    if (m_loaded.empty() || m_quitRequested)
        return;
    QEventLoop loop;
    m_mainLoop = &loop;
    loop.exec();
    m_mainLoop = nullptr;
}

int runProgram(int argc, char** argv, int (*entry)())
{
    QApplication application(argc, argv);
    // The program ends when its event loop has taken the request to quit, not when Qt sees the
    // last window close.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/application-icon.png")));
#ifdef ORVANTA_APPLICATION_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANTA_APPLICATION_ID));
#endif

    entry();

    ProgramState& state = ProgramState::instance();
    state.markEnding();
    state.releaseWindows();
    if (auto* routine = state.exitRoutine()) {
        state.setExitRoutine(nullptr);
        routine();
    }
    return 0;
}

void initialise(std::initializer_list<const WindowDefinition*> windows)
{
    std::vector<LoadableWindow> loadable;
    for (const WindowDefinition* definition : windows) {
        auto form = parseFormTemplate(definition->form);
        bool sound = form.has_value();
        if (sound) {
            sound = !std::any_of(loadable.begin(), loadable.end(),
                [&](const LoadableWindow& other) { return other.form.window.name == form->window.name; });
        }
        for (const ClickBinding& binding : definition->clickBindings) {
            const FormRow* control = sound ? form->control(binding.control) : nullptr;
            sound = sound && control && control->kind == FormRow::Kind::Button && binding.handler;
        }
        if (!sound)
            fatalRuntimeError("载入窗口模板数据段出错!");
        loadable.push_back({ std::move(*form), definition->clickBindings });
    }
    ProgramState::instance().setWindows(std::move(loadable));
}

void registerExitRoutine(void (*routine)())
{
    ProgramState::instance().setExitRoutine(routine);
}

void loadWindow(std::string_view name)
{
    ProgramState& state = ProgramState::instance();
    const LoadableWindow* definition = state.window(name);
    if (!definition || !QApplication::instance())
        fatalRuntimeError("载入启动窗口失败");
    auto* window = new FormWindow(definition->form, definition->clickBindings);
    state.addLoadedWindow(window);
    window->showCentred();
}

bool isWindowLoaded(std::string_view name)
{
    return ProgramState::instance().loadedWindow(name) != nullptr;
}

void runEventLoop()
{
    ProgramState::instance().runEventLoop();
}

void processEvents()
{
    if (auto* routine = ProgramState::instance().eventProcessing()) {
        routine();
        return;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void replaceEventProcessing(void (*routine)())
{
    ProgramState::instance().setEventProcessing(routine);
}

} // namespace platform
