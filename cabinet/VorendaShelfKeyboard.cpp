#include "VorendaShelf.h"

#include "DockableWidget.h"
#include "MyThumbnailItem.h"
#include "OverrideCursor.h"
#include "SearchBox.h"
#include "SearchCommands.h"

#include <QKeyEvent>
#include <QPointer>

// Keys the view and the other children leave over: typing starts a search, Escape
// hides the cabinet and Return opens the selection.
void VorendaShelf::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint()) {
        event->accept();
        if (searchUnreachable())
            return;
        searchBox->setFocus(Qt::OtherFocusReason);
        // The typed character replaces a list word rather than extending it.
        if (isReservedSearch(searchBox->text()))
            searchBox->selectAll();
        searchBox->insert(text);
        return;
    }

    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        if (!kiosk)
            frame->hide();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        event->accept();
        const QList<AbstractThumbnailItem*> selected = view->getSelectedItems();
        if (selected.isEmpty()) {
            showStatusMessage(tr("No item is selected!"));
            return;
        }
        // Opening may hide the window or change the view, so every item is held by a
        // guard and skipped once it is gone.
        QList<QPointer<MyThumbnailItem>> items;
        for (AbstractThumbnailItem* item : selected) {
            if (auto* thumbnail = qobject_cast<MyThumbnailItem*>(item))
                items.append(thumbnail);
        }
        const bool locate = event->modifiers() & Qt::ShiftModifier;
        const bool maximized = event->modifiers() & Qt::AltModifier;
        OverrideCursor busy(Qt::BusyCursor);
        for (const QPointer<MyThumbnailItem>& item : items) {
            if (!item)
                continue;
            if (locate)
                onLocateItem(item, maximized);
            else
                onOpenItem(item, maximized);
        }
        return;
    }
    default:
        QWidget::keyPressEvent(event);
    }
}
