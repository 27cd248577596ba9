// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "ProgramEntry.h"

#include "MainWindow.h"
#include "platform/Program.h"

#include <cfenv>

namespace {

// The program's three hooks. It needs no work at any of these moments, so they are empty.
void initialiseGlobals() { }
void onExit() { }
void onStart() { }

} // namespace

std::int32_t ProgramEntry()
{
    platform::initialise({ &mainWindowDefinition() });
    // The default environment rounds to nearest and masks every floating-point exception.
    std::fesetenv(FE_DFL_ENV);
    initialiseGlobals();
    platform::registerExitRoutine(&onExit);
    onStart();
    platform::loadWindow("MainWindow");
    platform::runEventLoop();
    return 0;
}
