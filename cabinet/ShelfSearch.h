#pragma once

#include <QString>

#include <memory>

class ObjectEventFilter;
class VorendaShelf;

// The cabinet search: the search box's text filtered over the items' names, tags or
// descriptions (a regular expression), or one of the reserved texts that list the
// items recently opened, recently added or most opened; the box's menu; bringing a
// hidden cabinet up for the hits of the quick search.
class ShelfSearch
{
public:
    explicit ShelfSearch(VorendaShelf& shelf);
    ~ShelfSearch();

    // Connects the search box and the view's model; once they exist.
    void setUp();
    // True while the search box is out of reach, hidden with its bar or on its own.
    bool unreachable() const;

    // Puts `text` into the search box, which runs the search.
    void search(const QString& text);
    void clear();
    void repeatLast();
    void showRecentlyOpened();
    void showRecentlyAdded();
    void showMostPopular();
    void searchNamesOnly();
    void searchDescriptionsOnly();
    void searchTagsOnly();
    void searchAll();
    void boxTextChanged(const QString& text);
    // The box lost the focus: its text becomes the last search.
    void boxLeft();
    void showMenu();
    // One search run over the view's items with the box's text.
    void run();
    // Paces the list walker: it goes on unless the progress window is paused.
    void listEntryFound(const void* item);

private:
    // Brings a hidden cabinet up to show the hits of `text`.
    void showForSearch(const QString& text);
    // 0 names, 1 tags, 2 descriptions, 3 all.
    void setFilterType(int type);
    void dropWhenUnreachable();

    VorendaShelf& shelf;
    std::unique_ptr<ObjectEventFilter> hideFilter;
};
