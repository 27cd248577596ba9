// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "FormWindow.h"

#include "CountArrows.h"
#include "GbkCodec.h"
#include "ProgramState.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <limits>

namespace platform {

namespace {

QString toQString(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QColor colour(std::uint32_t rgb)
{
    return QColor(static_cast<int>((rgb >> 16) & 0xFFu), static_cast<int>((rgb >> 8) & 0xFFu),
        static_cast<int>(rgb & 0xFFu));
}

// Hides an edit box's selection while the box does not have the focus, by drawing the selected
// text like the rest. A multi-line box keeps its selection meanwhile; a one-line box drops it
// on losing the focus anyway.
class SelectionHider : public QObject
{
public:
    explicit SelectionHider(QWidget* box)
        : QObject(box)
    {
        box->installEventFilter(this);
        hide(box);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::FocusIn) {
            QPalette palette = box->palette();
            palette.setColor(
                QPalette::Highlight, QApplication::palette().color(QPalette::Active, QPalette::Highlight));
            palette.setColor(QPalette::HighlightedText,
                QApplication::palette().color(QPalette::Active, QPalette::HighlightedText));
            box->setPalette(palette);
        } else if (event->type() == QEvent::FocusOut) {
            hide(box);
        }
        return false;
    }

private:
    static void hide(QWidget* box)
    {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Highlight, palette.color(QPalette::Base));
        palette.setColor(QPalette::HighlightedText, palette.color(QPalette::Text));
        box->setPalette(palette);
    }
};

// Edit boxes show black text on white whatever the desktop's theme.
void paintBlackOnWhite(QWidget* box)
{
    QPalette palette = box->palette();
    for (auto group : { QPalette::Active, QPalette::Inactive }) {
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    box->setPalette(palette);
}

bool isPlainKey(const QKeyEvent* key)
{
    return (key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier))
        == 0;
}

} // namespace

FormWindow::FormWindow(const FormTemplate& form, const std::vector<ClickBinding>& clickBindings)
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_name(form.window.name)
    , m_outerSize(form.window.width, form.window.height)
{
    setObjectName(toQString(form.window.name));
    setWindowTitle(toQString(form.window.text));
    setWindowIcon(QApplication::windowIcon());
    setAttribute(Qt::WA_QuitOnClose, false);

    // The window and its labels have the button-face colour of the desktop as background.
    QPalette palette = this->palette();
    for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        palette.setColor(group, QPalette::Window, palette.color(group, QPalette::Button));
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(m_outerSize);

    for (const FormRow& row : form.controls) {
        QWidget* control = createControl(row);
        control->setObjectName(toQString(row.name));
        control->setGeometry(row.left, row.top, row.width, row.height);
        if (row.textColour) {
            QPalette controlPalette = control->palette();
            controlPalette.setColor(QPalette::WindowText, colour(*row.textColour));
            controlPalette.setColor(QPalette::ButtonText, colour(*row.textColour));
            control->setPalette(controlPalette);
        }
        if (row.fontPixelHeight > 0) {
            QFont font = QApplication::font();
            font.setPixelSize(row.fontPixelHeight);
            font.setWeight(QFont::Normal);
            font.setItalic(false);
            font.setUnderline(false);
            font.setStrikeOut(false);
            control->setFont(font);
        }
        if (!row.accessibleName.empty())
            control->setAccessibleName(toQString(row.accessibleName));
        control->installEventFilter(this);
        m_controls.insert(control->objectName(), control);
    }
    for (const FormRow& row : form.controls) {
        if (auto* label = qobject_cast<QLabel*>(m_controls.value(toQString(row.name)));
            label && !row.captionFor.empty())
            label->setBuddy(m_controls.value(toQString(row.captionFor)));
    }
    setUpFocusOrder(form);
    bindClicks(clickBindings);

    m_deferredPaint.setSingleShot(true);
    connect(&m_deferredPaint, &QTimer::timeout, this, [this] {
        QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    });
}

QWidget* FormWindow::createControl(const FormRow& row)
{
    const QString text = toQString(row.text);
    switch (row.kind) {
    case FormRow::Kind::EditBox:
        if (row.has(FormRow::MultiLine)) {
            auto* box = new QPlainTextEdit(text, this);
            box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            box->setVerticalScrollBarPolicy(
                row.has(FormRow::VerticalScrollBar) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            box->setTabChangesFocus(true);
            box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
            if (row.has(FormRow::HandPointer))
                box->viewport()->setCursor(Qt::PointingHandCursor);
            paintBlackOnWhite(box);
            new SelectionHider(box);
            m_multiLineBox = box;
            return box;
        } else {
            auto* box = new QLineEdit(text, this);
            box->setMaxLength(std::numeric_limits<int>::max());
            box->setAlignment(row.has(FormRow::Centred) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            box->setCursorPosition(0);
            if (row.has(FormRow::HandPointer))
                box->setCursor(Qt::PointingHandCursor);
            paintBlackOnWhite(box);
            new SelectionHider(box);
            if (row.has(FormRow::CountArrows))
                new CountArrows(box);
            return box;
        }
    case FormRow::Kind::Label: {
        auto* label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        label->setAutoFillBackground(true);
        label->setFrameStyle(QFrame::NoFrame);
        label->setFocusPolicy(Qt::NoFocus);
        label->setWordWrap(row.has(FormRow::WrapText));
        label->setAlignment(
            row.has(FormRow::WrapText) ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    case FormRow::Kind::Button: {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case FormRow::Kind::CheckBox: {
        auto* box = new QCheckBox(text, this);
        // Forms are laid out for a narrow gap between the box and its text; the wider gap of
        // some styles would push the end of a caption out of its control.
        box->setStyleSheet(QStringLiteral("QCheckBox { spacing: 3px; }"));
        return box;
    }
    case FormRow::Kind::Window:
        break;
    }
    return new QWidget(this);
}

void FormWindow::setUpFocusOrder(const FormTemplate& form)
{
    // Tab stops are visited in ascending order of their tab-order numbers, and controls with
    // equal numbers in the reverse of the form's order.
    std::vector<const FormRow*> order;
    for (auto row = form.controls.rbegin(); row != form.controls.rend(); ++row) {
        QWidget* control = m_controls.value(toQString(row->name));
        if (row->tabStop)
            order.push_back(&*row);
        else if (row->kind != FormRow::Kind::Label)
            control->setFocusPolicy(Qt::ClickFocus);
    }
    std::stable_sort(order.begin(), order.end(),
        [](const FormRow* a, const FormRow* b) { return a->tabOrder < b->tabOrder; });
    QWidget* previous = nullptr;
    for (const FormRow* row : order) {
        QWidget* control = m_controls.value(toQString(row->name));
        control->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            setTabOrder(previous, control);
        else
            m_firstFocus = control;
        previous = control;
    }
}

void FormWindow::bindClicks(const std::vector<ClickBinding>& clickBindings)
{
    for (const ClickBinding& binding : clickBindings) {
        auto* button = qobject_cast<QPushButton*>(control(binding.control));
        if (!button)
            continue;
        connect(button, &QPushButton::clicked, this, [handler = binding.handler] {
            if (!ProgramState::instance().isEnding())
                handler();
        });
    }
}

QWidget* FormWindow::control(std::string_view name) const
{
    return m_controls.value(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

void FormWindow::showCentred()
{
    applyOuterGeometry();
    show();
    QElapsedTimer waited;
    waited.start();
    while (isVisible() && windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 2000)
        QCoreApplication::processEvents(
            QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 50);
    applyOuterGeometry();
    activateWindow();
    if (m_firstFocus)
        m_firstFocus->setFocus(Qt::OtherFocusReason);
}

void FormWindow::applyOuterGeometry()
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    m_appliedMargins = frame;
    setFixedSize(m_outerSize.width() - frame.left() - frame.right(),
        m_outerSize.height() - frame.top() - frame.bottom());
    if (m_userMoved)
        return;
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, m_outerSize.width(), m_outerSize.height());
    // QWidget::move places a window by the outer corner of its frame.
    move(area.x() + (area.width() - m_outerSize.width()) / 2,
        area.y() + (area.height() - m_outerSize.height()) / 2);
}

bool FormWindow::deferPaint()
{
    constexpr qint64 frameMilliseconds = 16;
    const qint64 sinceLast = m_lastPaint.isValid() ? m_lastPaint.elapsed() : frameMilliseconds;
    if (sinceLast >= frameMilliseconds) {
        m_lastPaint.start();
        return false;
    }
    if (!m_deferredPaint.isActive())
        m_deferredPaint.start(static_cast<int>(frameMilliseconds - sinceLast));
    return true;
}

bool FormWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::UpdateRequest:
        if (deferPaint())
            return true;
        break;
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::WindowActivate:
        if (windowHandle() && windowHandle()->frameMargins() != m_appliedMargins)
            applyOuterGeometry();
        break;
    case QEvent::NonClientAreaMouseButtonPress:
        m_userMoved = true;
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!isPlainKey(key))
        return false;
    switch (key->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Only the multi-line box takes Enter, as a line break; elsewhere it does nothing.
        return watched != m_multiLineBox;
    case Qt::Key_F1:
        return true;
    default:
        return false;
    }
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    QWidget::closeEvent(event);
    ProgramState::instance().windowClosed(this);
}

} // namespace platform
