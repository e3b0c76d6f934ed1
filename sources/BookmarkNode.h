#pragma once

#include <QString>

#include <atomic>
#include <vector>

// One node of a browser's bookmark tree, whatever the browser keeps it in.
struct BookmarkNode
{
    enum Kind { Folder, Leaf, Other };

    // The browsers' own top folders, named alike for every browser so that the same
    // folder of two browsers ends up in one place.
    enum BuiltIn { BookmarksBar, BookmarksMenu, OtherBookmarks, MobileBookmarks };

    Kind kind = Other;
    QString title;
    QString url;
    std::vector<BookmarkNode> children;

    // Folders deeper than this are read without their contents: no browser nests so
    // deep, and the walks over the tree recurse.
    static constexpr int MAX_DEPTH = 100;
    // The longest title or address kept: as much as the item properties' fields hold.
    // Longer titles are cut there; a longer address is no page a bookmark could open.
    static constexpr int MAX_TEXT_LENGTH = 32767;

    static BookmarkNode folder(const QString& title = QString());
    // A bookmark, its title cut to MAX_TEXT_LENGTH.
    static BookmarkNode leaf(const QString& title, const QString& url);
    // `text` cut to MAX_TEXT_LENGTH.
    static QString bounded(const QString& text);
    // A bookmark file as the walk takes it: an untitled top folder holding `root`.
    static BookmarkNode document(BookmarkNode root);
    static QString builtInName(BuiltIn folder);
    // Whether a folder at `depth` may be read with its contents; logs when not.
    static bool mayDescend(int depth, const QString& title);
    // Adds `folder` to `children` unless it is empty: a browser keeps its top folders
    // even when they hold nothing.
    static void addUnlessEmpty(std::vector<BookmarkNode>& children, BookmarkNode folder);
};

// How much of the browsers' bookmarks one import reads, shared by the readers of its
// files in turn: bookmarks beyond `maxBookmarks` are counted, not kept. A reader also
// stops early once `cancelled` is set.
struct BookmarkBudget
{
    explicit BookmarkBudget(int maxBookmarks, const std::atomic<bool>* cancelled = nullptr)
        : left(maxBookmarks)
        , cancelled(cancelled)
    {
    }

    // The bookmark as BookmarkNode::leaf makes it, or an Other node that no walk reports
    // when its address is too long (counted in `tooLong`) or when the budget is spent
    // (counted in `leftOut`). Leaves without title or address cost nothing: the walk
    // passes over them.
    BookmarkNode leaf(const QString& title, const QString& url);
    // Once spent, nothing more is kept: not even the folders, which would stay empty.
    bool spent() const { return left <= 0; }
    bool isCancelled() const { return cancelled && cancelled->load(std::memory_order_relaxed); }

    int left;
    int leftOut = 0;
    int tooLong = 0;
    const std::atomic<bool>* cancelled;
};
