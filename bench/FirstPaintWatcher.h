// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <unistd.h>

// Ends a start-up probe at its window's first paint. With the argument "memory" it waits half
// a second with the window idle, prints the resident memory, and only then closes the window.
// Either way the window is closed, so the program ends the way it ends for a user.
class FirstPaintWatcher : public QObject
{
public:
    explicit FirstPaintWatcher(bool reportMemory)
        : m_reportMemory(reportMemory)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!m_painted && event->type() == QEvent::Paint && widget) {
            m_painted = true;
            QWidget* window = widget->window();
            QTimer::singleShot(m_reportMemory ? 500 : 0, window, [this, window] {
                if (m_reportMemory)
                    std::printf("resident_bytes %ld\n", residentBytes());
                window->close();
            });
        }
        return false;
    }

private:
    static long residentBytes()
    {
        QFile statm(QStringLiteral("/proc/self/statm"));
        if (!statm.open(QIODevice::ReadOnly))
            return 0;
        const QList<QByteArray> fields = statm.readAll().split(' ');
        return fields.size() > 1 ? fields[1].toLong() * sysconf(_SC_PAGESIZE) : 0;
    }

    bool m_reportMemory;
    bool m_painted = false;
};
