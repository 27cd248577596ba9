// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "Controls.h"

#include "FatalError.h"
#include "FormWindow.h"
#include "GbkCodec.h"
#include "ProgramState.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

namespace platform {

namespace {

template <typename Kind> Kind* findControl(std::string_view window, std::string_view control)
{
    FormWindow* loaded = ProgramState::instance().loadedWindow(window);
    Kind* found = loaded ? qobject_cast<Kind*>(loaded->control(control)) : nullptr;
    if (!found)
        fatalRuntimeError("指定窗口或窗口组件不存在或尚未载入");
    return found;
}

QWidget* findEditBox(std::string_view window, std::string_view control)
{
    FormWindow* loaded = ProgramState::instance().loadedWindow(window);
    QWidget* found = loaded ? loaded->control(control) : nullptr;
    if (!qobject_cast<QLineEdit*>(found) && !qobject_cast<QPlainTextEdit*>(found))
        fatalRuntimeError("指定窗口或窗口组件不存在或尚未载入");
    return found;
}

// Qt keeps a multi-line text as paragraphs; the program sees them joined by CR LF.
QString textWithCrLf(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

} // namespace

Text editBoxText(std::string_view window, std::string_view control)
{
    QWidget* box = findEditBox(window, control);
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return fromQString(line->text());
    return fromQString(textWithCrLf(static_cast<QPlainTextEdit*>(box)->toPlainText()));
}

void setEditBoxText(std::string_view window, std::string_view control, const Text& text)
{
    QWidget* box = findEditBox(window, control);
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(toQString(text));
    else
        static_cast<QPlainTextEdit*>(box)->setPlainText(toQString(text));
}

int checkBoxState(std::string_view window, std::string_view control)
{
    return findControl<QCheckBox>(window, control)->isChecked() ? 1 : 0;
}

void appendToEditBox(std::string_view window, std::string_view control, const Text& text)
{
    QWidget* box = findEditBox(window, control);
    const QString addition = toQString(text);
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(line->text() + addition);
        line->end(false);
        return;
    }
    auto* edit = static_cast<QPlainTextEdit*>(box);
    QTextDocument* document = edit->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    // Turning undo off for the insertion makes it an edit that cannot be undone.
    document->setUndoRedoEnabled(false);
    cursor.insertText(addition);
    document->setUndoRedoEnabled(true);
    // A caret at the end moves along with text inserted there, so it needs setting only when
    // the user has moved it or made a selection; setting it costs a good part of an append.
    const QTextCursor caret = edit->textCursor();
    if (caret.hasSelection() || caret.position() != cursor.position())
        edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
}

void messageBox(const Text& text, const Text& caption)
{
    const QString title = caption.isMissing() ? QStringLiteral("信息：") : toQString(caption);
    QMessageBox box(
        QMessageBox::NoIcon, title, toQString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace platform
