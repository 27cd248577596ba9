// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
//
// The real program's start-up, from process start to the main window's first paint.
#include "FirstPaintWatcher.h"
#include "platform/Program.h"
#include "shell/ProgramEntry.h"

#include <cstring>
#include <memory>

namespace {

bool reportMemory = false;

int watchedEntry()
{
    const auto watcher = std::make_unique<FirstPaintWatcher>(reportMemory);
    return ProgramEntry();
}

} // namespace

int main(int argc, char** argv)
{
    reportMemory = argc > 1 && std::strcmp(argv[1], "memory") == 0;
    return platform::runProgram(argc, argv, &watchedEntry);
}
