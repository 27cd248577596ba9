// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

namespace platform {

// Binds the click of a button on a window to a routine of the program.
struct ClickBinding
{
    std::string_view control;
    void (*handler)();
};

// A window the program can load: its form, written in the form-template language that
// FormTemplate.h describes, and the bindings of its events.
struct WindowDefinition
{
    std::string_view form;
    std::vector<ClickBinding> clickBindings;
};

// The platform's own start-up: sets up the window framework, calls the program's entry routine
// once on this thread and, when it returns, ends the program normally (the loaded windows are
// released, then the exit routine runs). Returns the process exit code, 0 after a normal end.
int runProgram(int argc, char** argv, int (*entry)());

// Makes the platform ready: checks the window templates and keeps them for loading. A damaged
// template is a fatal run-time error.
void initialise(std::initializer_list<const WindowDefinition*> windows);

// Keeps the routine that a normal end calls once; a fatal run-time error discards it.
void registerExitRoutine(void (*routine)());

// Creates the named window from its template, centres it, shows it and gives the focus to its
// first control. Returns when the window is on screen. An unknown name is a fatal run-time error.
void loadWindow(std::string_view name);

// True from the load of the named window until it is closed.
bool isWindowLoaded(std::string_view name);

// Runs until the last loaded window has been closed. Returns at once when none is loaded.
void runEventLoop();

// Dispatches the pending window events. A request to quit is not taken here: it stays for the
// event loop, which alone ends the program.
void processEvents();

// Test seam: replaces event processing with the given routine (nullptr restores it), so that a
// test or a benchmark can count the calls or run without a window system.
void replaceEventProcessing(void (*routine)());

} // namespace platform
