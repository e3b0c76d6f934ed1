#include "InPlaceEditor.h"

#include "TextEdit.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

namespace InPlaceEditor
{
QWidget* create(bool singleLine, bool frameless, int alignment, QObject* filter)
{
    QWidget* editor = nullptr;
    if (singleLine) {
        auto* line = new QLineEdit;
        line->setAlignment(Qt::Alignment(alignment));
        if (frameless) {
            line->setAttribute(Qt::WA_NoSystemBackground);
            line->setStyleSheet(QStringLiteral(
                "QLineEdit { border: none; background: transparent; padding-left: 5px; padding-right: 5px; }"));
            line->setFrame(false);
        }
        editor = line;
    } else {
        auto* edit = new TextEdit;
        edit->setAlignment(Qt::Alignment(alignment));
        edit->document()->setDocumentMargin(2.0);
        edit->setWordWrapMode(QTextOption::WrapAnywhere);
        edit->setLineWrapMode(QTextEdit::WidgetWidth);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if (frameless) {
            edit->setAttribute(Qt::WA_NoSystemBackground);
            edit->setStyleSheet(
                QStringLiteral("QTextEdit { border: none; background: transparent; padding: 0px; }"));
            edit->setFrameStyle(0);
        }
        editor = edit;
    }
    editor->installEventFilter(filter);
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    return editor;
}

void begin(QWidget* editor, const QString& text, const QFont& font, int alignment)
{
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(text);
        line->setFont(font);
        line->setFocus(Qt::OtherFocusReason);
        line->selectAll();
        line->setAlignment(Qt::Alignment(alignment));
    } else if (auto* edit = qobject_cast<QTextEdit*>(editor)) {
        edit->setPlainText(text);
        edit->setFont(font);
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        edit->setAlignment(Qt::Alignment(alignment));
    }
}

void setFramelessColor(QWidget* editor, const QColor& color)
{
    const QString rgb = QStringLiteral("%1,%2,%3").arg(color.red()).arg(color.green()).arg(color.blue());
    if (qobject_cast<QLineEdit*>(editor)) {
        editor->setStyleSheet(QStringLiteral("QLineEdit { border: none; background: transparent; padding-left: 5px; "
                                             "padding-right: 5px; color: rgb(%1); }")
                                  .arg(rgb));
    } else {
        editor->setStyleSheet(
            QStringLiteral("QTextEdit { border: none; background: transparent; padding: 0px; color: rgb(%1); }")
                .arg(rgb));
    }
}

QString text(const QWidget* editor)
{
    if (auto* line = qobject_cast<const QLineEdit*>(editor))
        return line->text();
    if (auto* edit = qobject_cast<const QTextEdit*>(editor))
        return edit->toPlainText();
    return QString();
}

bool isCommitKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isCancelKey(int key)
{
    return key == Qt::Key_Escape;
}

void runContextMenu(QWidget* editor, const QContextMenuEvent* event)
{
    QMenu* created = nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        created = line->createStandardContextMenu();
    else if (auto* edit = qobject_cast<QTextEdit*>(editor))
        created = edit->createStandardContextMenu();
    if (!created)
        return;
    QPointer<QMenu> menu = created;
    menu->setParent(nullptr);
    menu->setFont(QApplication::font());
    menu->exec(event->globalPos());
    delete menu.data();
}

EventFilter::EventFilter(Edit edit)
    : edit(std::move(edit))
{
}

bool EventFilter::eventFilter(QObject* watched, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(watched);
    if (!editor)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        if (!edit.isEditing())
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (isCommitKey(key)) {
            edit.commit();
            return true;
        }
        if (isCancelKey(key)) {
            edit.cancel();
            return true;
        }
        return false;
    }
    case QEvent::FocusOut:
        if (!menuOpen && edit.isEditing())
            edit.commit();
        return false;
    case QEvent::ContextMenu:
        if (contextMenuOn) {
            menuOpen = true;
            // The menu lets everything run: the item, and this filter with it, may go.
            QPointer<EventFilter> alive(this);
            runContextMenu(editor, static_cast<QContextMenuEvent*>(event));
            if (alive)
                menuOpen = false;
        }
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
}
