// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "CountArrows.h"

#include "GbkCodec.h"
#include "TextServices.h"

#include <QEvent>
#include <QLineEdit>
#include <QToolButton>
#include <cstdint>

namespace platform {

CountArrows::CountArrows(QLineEdit* box)
    : QFrame(box->parentWidget())
    , m_box(box)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFocusPolicy(Qt::NoFocus);
    m_up->setAccessibleName(QStringLiteral("增大"));
    m_down->setAccessibleName(QStringLiteral("减小"));
    for (auto [button, type, direction] :
        { std::tuple { m_up, Qt::UpArrow, 1 }, std::tuple { m_down, Qt::DownArrow, -1 } }) {
        button->setArrowType(type);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(false);
        connect(button, &QToolButton::clicked, this, [this, direction = direction] { step(direction); });
    }
    m_box->installEventFilter(this);
    followBox();
}

int CountArrows::stepped(int value, int direction)
{
    const std::int64_t next = std::int64_t { value } + direction;
    if (next >= lowest && next <= highest)
        return static_cast<int>(next);
    return direction > 0 ? lowest : highest;
}

void CountArrows::step(int direction)
{
    const int value = stepped(leadingInteger(fromQString(m_box->text())), direction);
    m_box->setText(QString::number(value));
    m_box->selectAll();
    m_box->setFocus(Qt::OtherFocusReason);
}

bool CountArrows::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::EnabledChange:
            followBox();
            break;
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void CountArrows::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    const QRect inside = contentsRect();
    const int upHeight = inside.height() / 2;
    m_up->setGeometry(inside.left(), inside.top(), inside.width(), upHeight);
    m_down->setGeometry(inside.left(), inside.top() + upHeight, inside.width(), inside.height() - upHeight);
}

void CountArrows::followBox()
{
    const QRect box = m_box->geometry();
    setGeometry(box.right() + 1, box.top(), arrowWidth, box.height());
    setEnabled(m_box->isEnabled());
    setVisible(m_box->isVisibleTo(m_box->parentWidget()));
}

} // namespace platform
