#include "BookmarksImport.h"

#include "SafariBookmarksParser.h"
#include "VorendaShelf.h"

BookmarksImport::BookmarksImport(VorendaShelf& shelf)
    : shelf(shelf)
{
}

void BookmarksImport::start(int categoryKey)
{
    // No file named: every browser's bookmarks that this user has.
    shelf.bookmarksParser->start(QString(), categoryKey);
}

void BookmarksImport::finished(int folders, int urls, bool aborted)
{
    shelf.bookmarkFolderChoice = -1;
    shelf.updateStatusLabel();
    if (!aborted && folders == 0 && urls == 0)
        shelf.showStatusMessage(VorendaShelf::tr("No browser bookmarks were found!"));
}
