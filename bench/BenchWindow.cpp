// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "BenchWindow.h"

#include "shell/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <unistd.h>

BenchWindow::BenchWindow()
{
    platform::initialise({ &mainWindowDefinition() });
    platform::loadWindow("MainWindow");
    for (QWidget* topLevel : QApplication::topLevelWidgets()) {
        if (topLevel->objectName() == QLatin1String("MainWindow"))
            window = topLevel;
    }
    countBox = window->findChild<QLineEdit*>(QStringLiteral("编辑框1"));
    mailForm = window->findChild<QCheckBox*>(QStringLiteral("选择框1"));
    outputBox = window->findChild<QPlainTextEdit*>(QStringLiteral("编辑框2"));
    generate = window->findChild<QPushButton*>(QStringLiteral("按钮1"));
}

double BenchWindow::click()
{
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(generate, Qt::LeftButton);
    return static_cast<double>(timer.nsecsElapsed());
}

double BenchWindow::median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

long BenchWindow::residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * sysconf(_SC_PAGESIZE) : 0;
}
