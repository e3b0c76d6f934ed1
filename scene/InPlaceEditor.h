#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>

#include <functional>

class QContextMenuEvent;
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

// The editor's events, answered alike for every item that edits in place. While the
// item edits, Return and Enter commit and Escape cancels; losing the focus commits,
// unless the editor's own context menu took it, and the editor still sees the
// focus-out. Once the edit ended, keys and focus changes reach the editor untouched.
class EventFilter : public QObject
{
    Q_OBJECT

public:
    // What the editing item does; `commit` and `cancel` end the edit and may delete
    // the item, and with it this filter.
    struct Edit
    {
        std::function<bool()> isEditing;
        std::function<void()> commit;
        std::function<void()> cancel;
    };

    explicit EventFilter(Edit edit);

    // The editor's standard context menu; off until switched on.
    void setContextMenu(bool on) { contextMenuOn = on; }
    bool hasContextMenu() const { return contextMenuOn; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Edit edit;
    bool contextMenuOn = false;
    bool menuOpen = false;
};
}
