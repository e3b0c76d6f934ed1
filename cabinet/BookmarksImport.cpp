#include "BookmarksImport.h"

#include "MessageDialog.h"
#include "SafariBookmarksParser.h"
#include "ShelfParts.h"
#include "VorendaShelf.h"

#include <QLocale>
#include <QPointer>

BookmarksImport::BookmarksImport(VorendaShelf& shelf)
    : shelf(shelf)
{
}

void BookmarksImport::start(int categoryKey)
{
    // No file named: every browser's bookmarks that this user has.
    if (!shelf.bookmarksParser->start(QString(), categoryKey))
        return;
    // Tens of thousands of bookmarks: laid out in batches, saved once at the end.
    ShelfParts::of(shelf).items.setLongBatch(true);
    ShelfParts::of(shelf).dataFile.holdSaves(true);
}

void BookmarksImport::ended()
{
    ShelfItems& items = ShelfParts::of(shelf).items;
    if (!items.inLongBatch() || shelf.bookmarksParser->running())
        return;
    items.setLongBatch(false);
    items.updateLayout();
    ShelfParts::of(shelf).dataFile.holdSaves(false);
}

void BookmarksImport::finished(int folders, int urls, bool aborted)
{
    shelf.bookmarkFolderChoice = -1;
    ended();
    shelf.updateStatusLabel();
    if (!aborted && folders == 0 && urls == 0)
        shelf.showStatusMessage(VorendaShelf::tr("No browser bookmarks were found!"));
    const int leftOut = shelf.bookmarksParser->leftOut();
    if (aborted || leftOut == 0)
        return;
    const QLocale locale;
    const QPointer<VorendaShelf> alive(&shelf);
    shelf.dialogOpen = true;
    MessageDialog().exec(&shelf,
                         VorendaShelf::tr("Only the first %1 bookmarks were imported. Left out: %2.")
                             .arg(locale.toString(urls), locale.toString(leftOut)),
                         MessageDialog::Information, MessageDialog::OkButton);
    if (alive)
        shelf.dialogOpen = false;
}
