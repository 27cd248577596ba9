// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

// The window's one command, run by a click on the generate button. It reads the count from the
// count box (an empty box brings up a message; a count above 100 is cut back to 100 and the
// box rewritten), reads once whether the mail form is ticked, and appends that many names to
// the output box, one line each: two syllables of pinyin, an odd number from 1001 to 9999, and
// in the mail form "@qq.com", then CR LF. Pending events are processed while it runs, so a
// further click nests a whole run inside this one, and closing the window stops every run
// quietly at its next line.
void OnGenerateClicked();
