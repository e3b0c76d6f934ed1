#include "ShelfKeyboard.h"

#include "SearchBox.h"
#include "SearchCommands.h"
#include "ShelfParts.h"
#include "ShelfStatusBar.h"
#include "VorendaShelf.h"

#include <QKeyEvent>

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

    ShelfCommandDispatcher& commands = ShelfParts::of(shelf).commands;
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        commands.runKey(HideShelf, false);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        event->accept();
        const bool locate = event->modifiers() & Qt::ShiftModifier;
        const bool maximized = event->modifiers() & Qt::AltModifier;
        if (commands.runKey(locate ? LocateSelectedItems : OpenSelectedItems, maximized)
            == ShelfCommandDispatcher::NoSelection)
            ShelfStatusBar(shelf).showMessage(VorendaShelf::tr("No item is selected!"));
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
