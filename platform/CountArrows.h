// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>

class QLineEdit;
class QToolButton;

namespace platform {

// The up and down arrows of a count box: a thin sunken pair, up above down, placed against the
// box's right edge and outside it. They keep no value of their own. Each click, and each repeat
// while an arrow is held, reads the box's leading integer, steps it by one within 1 to 100
// (wrapping past either end), writes the result back, selects it all and focuses the box. The
// arrows are shown, hidden, enabled, disabled and moved together with the box.
class CountArrows : public QFrame
{
    Q_OBJECT

public:
    static constexpr int arrowWidth = 18;
    static constexpr int lowest = 1;
    static constexpr int highest = 100;

    explicit CountArrows(QLineEdit* box);

    // The value one step up or down from the given one.
    static int stepped(int value, int direction);

    QToolButton* upArrow() const { return m_up; }
    QToolButton* downArrow() const { return m_down; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int direction);
    void followBox();

    QLineEdit* m_box;
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace platform
