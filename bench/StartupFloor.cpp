// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
//
// The framework's floor for start-up: a minimal Qt Widgets program that shows a fixed-size
// window with the same seven widget kinds as the main window, and nothing else.
#include "FirstPaintWatcher.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <cstring>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    FirstPaintWatcher watcher(argc > 1 && std::strcmp(argv[1], "memory") == 0);
    QWidget window(
        nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(348, 286);
    (new QCheckBox(QStringLiteral("生成为QQ邮箱"), &window))->setGeometry(195, 42, 96, 17);
    (new QLabel(QStringLiteral("失效或更新请加QQ群"), &window))->setGeometry(158, 103, 169, 80);
    (new QLabel(QStringLiteral("首发于示例论坛"), &window))->setGeometry(189, 191, 108, 63);
    (new QPlainTextEdit(&window))->setGeometry(1, 6, 143, 250);
    (new QPushButton(QStringLiteral("生成"), &window))->setGeometry(203, 65, 80, 32);
    (new QLineEdit(QStringLiteral("100"), &window))->setGeometry(242, 12, 48, 24);
    (new QToolButton(&window))->setGeometry(290, 12, 18, 12);
    (new QToolButton(&window))->setGeometry(290, 24, 18, 12);
    (new QLabel(QStringLiteral("生成个数："), &window))->setGeometry(178, 12, 56, 24);
    window.show();
    QObject::connect(&application, &QApplication::lastWindowClosed, &application, &QApplication::quit);
    return application.exec();
}
