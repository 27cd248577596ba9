// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include "FormTemplate.h"
#include "Program.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMargins>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace platform {

// A top-level window built from a form template: a fixed-size window with a title bar and a
// close button, whose controls are found by name. It handles the keys that belong to the
// window rather than to a control (Escape, Enter, F1) before the focused control sees them.
class FormWindow : public QWidget
{
    Q_OBJECT

public:
    FormWindow(const FormTemplate& form, const std::vector<ClickBinding>& clickBindings);

    const std::string& name() const { return m_name; }
    // The control of that name, or nullptr.
    QWidget* control(std::string_view name) const;

    // Centres the window on the screen, shows it, waits until it is on screen and gives the
    // focus to the first control of the focus order.
    void showCentred();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* createControl(const FormRow& row);
    void setUpFocusOrder(const FormTemplate& form);
    void bindClicks(const std::vector<ClickBinding>& clickBindings);
    // Makes the outer size, frame included, the template's size and centres the window. The
    // frame is known only once the window system has framed the window, so this runs again
    // whenever the frame margins change.
    void applyOuterGeometry();
    // Paints at most once a frame. A run appends a line between two turns of event processing,
    // and repainting the window at every turn would cost far more than the lines themselves;
    // a repaint asked for within a frame of the last one is put off to the frame's end.
    bool deferPaint();

    std::string m_name;
    QSize m_outerSize;
    QHash<QString, QWidget*> m_controls;
    QWidget* m_multiLineBox = nullptr;
    QWidget* m_firstFocus = nullptr;
    QMargins m_appliedMargins;
    bool m_userMoved = false;
    QElapsedTimer m_lastPaint;
    QTimer m_deferredPaint;
};

} // namespace platform
