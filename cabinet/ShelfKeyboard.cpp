#include "ShelfKeyboard.h"

#include "DockableWidget.h"
#include "MyThumbnailItem.h"
#include "OverrideCursor.h"
#include "SearchBox.h"
#include "SearchCommands.h"
#include "ShelfParts.h"
#include "VorendaShelf.h"

#include <QKeyEvent>
#include <QPointer>

ShelfKeyboard::ShelfKeyboard(VorendaShelf& shelf)
    : shelf(shelf)
{
}

bool ShelfKeyboard::keyPressed(QKeyEvent* event)
{
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint()) {
        event->accept();
        if (ShelfParts::of(shelf).search.unreachable())
            return true;
        shelf.searchBox->setFocus(Qt::OtherFocusReason);
        // The typed character replaces a list word rather than extending it.
        if (isReservedSearch(shelf.searchBox->text()))
            shelf.searchBox->selectAll();
        shelf.searchBox->insert(text);
        return true;
    }

    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        if (!shelf.kiosk)
            shelf.frame->hide();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        event->accept();
        const QList<AbstractThumbnailItem*> selected = shelf.view->getSelectedItems();
        if (selected.isEmpty()) {
            shelf.showStatusMessage(VorendaShelf::tr("No item is selected!"));
            return true;
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
                shelf.onLocateItem(item, maximized);
            else
                shelf.onOpenItem(item, maximized);
        }
        return true;
    }
    default:
        return false;
    }
}

// ---- The cabinet's entry points

void VorendaShelf::keyPressEvent(QKeyEvent* event)
{
    if (!ShelfKeyboard(*this).keyPressed(event))
        QWidget::keyPressEvent(event);
}
