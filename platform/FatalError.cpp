// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "FatalError.h"

#include "ProgramState.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>

namespace platform {

std::string fatalReportText(std::string_view message)
{
    std::string report = "运行时出错!\r\n\r\n";
    if (!message.empty()) {
        report += "错误信息：";
        report += message;
        report += "\r\n";
    }
    return report;
}

void fatalRuntimeError(std::string_view message)
{
    ProgramState& state = ProgramState::instance();
    state.markEnding();
    state.setExitRoutine(nullptr);

    const std::string report = fatalReportText(message);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        // Without a window system the report can only go to the standard error stream.
        std::fputs(report.c_str(), stderr);
    } else {
        QString text = QString::fromUtf8(report.data(), static_cast<qsizetype>(report.size()));
        QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"),
            text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    }
    std::fflush(nullptr);
    std::_Exit(-1);
}

} // namespace platform
