// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <vector>

// The real main window, loaded as the program loads it, with the controls a benchmark drives.
struct BenchWindow
{
    BenchWindow();

    // Clicks the generate button with a real mouse click and returns how long the click took,
    // from the press to the end of the run, in nanoseconds.
    double click();
    // Median of a list of figures.
    static double median(std::vector<double> values);
    // The process's resident memory in bytes.
    static long residentBytes();

    QWidget* window = nullptr;
    QLineEdit* countBox = nullptr;
    QCheckBox* mailForm = nullptr;
    QPlainTextEdit* outputBox = nullptr;
    QPushButton* generate = nullptr;
};
