// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
//
// Clicks 1,000 times, for 100,000 lines in the output box, and writes a CSV row every 50 clicks:
// the clicks so far, the lines held, the median click time of those 50 clicks and the
// process's resident memory.
#include "BenchWindow.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 1000;
    BenchWindow bench;
    std::printf("clicks,lines,median_click_ms,resident_bytes\n");
    std::printf("0,0,0,%ld\n", BenchWindow::residentBytes());
    std::vector<double> window;
    for (int i = 1; i <= clicks; ++i) {
        window.push_back(bench.click());
        if (i % 50 == 0) {
            std::printf("%d,%d,%.3f,%ld\n", i, bench.outputBox->document()->blockCount() - 1,
                BenchWindow::median(window) / 1e6, BenchWindow::residentBytes());
            std::fflush(stdout);
            window.clear();
        }
    }
    return 0;
}
