// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/MainWindow.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>

// Loads the real main window, as the program does at start-up, for a test to drive through
// Qt Test's simulated input; the window is closed again after the test.
class MainWindowFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        platform::initialise({ &mainWindowDefinition() });
        platform::loadWindow("MainWindow");
        for (QWidget* topLevel : QApplication::topLevelWidgets()) {
            if (topLevel->objectName() == QLatin1String("MainWindow") && topLevel->isVisible())
                m_window = topLevel;
        }
        ASSERT_TRUE(m_window) << "the main window did not open";
    }

    void TearDown() override
    {
        if (m_window)
            m_window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget* window() const { return m_window; }

    // The control of that name, which must exist and be of that kind.
    template <typename Kind> Kind* control(const char* name) const
    {
        Kind* found = m_window ? m_window->findChild<Kind*>(QString::fromUtf8(name)) : nullptr;
        EXPECT_TRUE(found) << "no control " << name;
        return found;
    }

private:
    QPointer<QWidget> m_window;
};
