// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "ProgramEntry.h"
#include "platform/Program.h"

int main(int argc, char** argv)
{
    return platform::runProgram(argc, argv, &ProgramEntry);
}
