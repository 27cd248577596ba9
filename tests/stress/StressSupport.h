// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

// What the stress tests share: the check of the generated lines, a watcher that answers any
// message box, and the main window's controls by name.

#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <regex>
#include <string>
#include <string_view>

namespace stress {

constexpr const char* countBoxName = "编辑框1";
constexpr const char* outputBoxName = "编辑框2";
constexpr const char* mailFormBoxName = "选择框1";
constexpr const char* generateButtonName = "按钮1";

// The generated lines of a text that holds nothing else, each ended by CR LF.
struct LineTally
{
    std::size_t lines = 0;
    std::size_t mailLines = 0;
    std::size_t malformed = 0;
};

// Checks every line against the form of a generated line: up to twelve lower-case letters, an
// odd number from 1001 to 9999, the mail suffix or none. Reports the first few bad lines.
inline LineTally tallyGeneratedLines(std::string_view text)
{
    static const std::regex form(R"(^[a-z]{0,12}([0-9]{4})(@qq\.com)?$)");
    LineTally tally;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        const bool ended = end != std::string_view::npos;
        if (!ended)
            end = text.size();
        const std::string line(text.substr(start, end - start));
        start = ended ? end + 2 : end;
        std::smatch parts;
        bool good = ended && std::regex_match(line, parts, form);
        if (good) {
            const int number = std::stoi(parts[1].str());
            good = number % 2 == 1 && number >= 1001 && number <= 9999;
        }
        if (!good) {
            if (++tally.malformed <= 5)
                ADD_FAILURE() << "not a whole generated line: \"" << line << '"'
                              << (ended ? "" : " (no CR LF)");
            continue;
        }
        ++tally.lines;
        tally.mailLines += parts[2].matched ? 1 : 0;
    }
    return tally;
}

// Answers every message box that comes up, from a timer, by clicking its button, and counts
// them. A box of the fatal run-time error is counted separately.
class MessageBoxAnswerer : public QObject
{
public:
    MessageBoxAnswerer()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            if (box->windowTitle() == QStringLiteral("错误")) {
                ++m_fatalReports;
                std::fprintf(stderr, "fatal run-time error: %s\n", box->text().toUtf8().constData());
            } else {
                ++m_messages;
            }
            if (!box->buttons().isEmpty())
                QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
            else
                box->done(0);
        });
        m_timer.start(5);
    }

    int messages() const { return m_messages; }
    int fatalReports() const { return m_fatalReports; }

private:
    QTimer m_timer;
    int m_messages = 0;
    int m_fatalReports = 0;
};

// The process's peak resident memory in KiB, from /proc, or -1 where it cannot be read.
inline long peakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// The main window with its controls at hand.
class StressWindowTest : public MainWindowFixture
{
protected:
    QLineEdit* countBox() const { return control<QLineEdit>(countBoxName); }
    QPlainTextEdit* outputBox() const { return control<QPlainTextEdit>(outputBoxName); }
    QCheckBox* mailFormBox() const { return control<QCheckBox>(mailFormBoxName); }
    QPushButton* generateButton() const { return control<QPushButton>(generateButtonName); }

    // The output box's text as the program reads it, with CR LF between lines.
    std::string output() const
    {
        return outputBox()->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
    }
};

} // namespace stress
