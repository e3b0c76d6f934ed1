#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QContextMenuEvent;
class QObject;
class QWidget;

// The editor widget that text and editor items put over themselves while the user
// edits in place: a line edit for one line, a TextEdit for several.
namespace InPlaceEditor
{
// A parentless editor watched by `filter`, with no context menu of its own.
QWidget* create(bool singleLine, bool frameless, int alignment, QObject* filter);
// Fills the editor, sets its font and alignment, focuses it and selects everything.
void begin(QWidget* editor, const QString& text, const QFont& font, int alignment);
// A frameless editor takes the text colour through its style sheet.
void setFramelessColor(QWidget* editor, const QColor& color);
QString text(const QWidget* editor);
// Return and Enter commit, Escape cancels.
bool isCommitKey(int key);
bool isCancelKey(int key);
// Runs the editor's standard context menu, parentless, at the event's position.
void runContextMenu(QWidget* editor, const QContextMenuEvent* event);
}
