#pragma once

class VorendaShelf;

// The browser-bookmarks command of one cabinet: imports the bookmarks of every browser
// on this machine into a category, folder by folder as the answer to the cabinet's
// folder question decides, and says so in the status label when there were none.
// While it runs, the cabinet is laid out in batches and saved only at its end.
class BookmarksImport
{
public:
    explicit BookmarksImport(VorendaShelf& shelf);

    // Starts the import into the category `categoryKey` (-1 for none) on the next turn
    // of the event loop; while one runs, another is refused.
    void start(int categoryKey);
    // The end of the import: the folder answer is forgotten and the counts shown, or a
    // notice when no browser kept a bookmark; a message says how many bookmarks were
    // left out beyond the bound.
    void finished(int folders, int urls, bool aborted);
    // Lays the cabinet out and saves it as usual again once no import runs: also after
    // an import stopped before its walk began, which reports no end.
    void ended();

private:
    VorendaShelf& shelf;
};
