// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Program.h"

// The program's only window: its form and its one binding, the click of the generate button.
const platform::WindowDefinition& mainWindowDefinition();
