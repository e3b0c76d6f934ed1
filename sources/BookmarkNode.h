#pragma once

#include <QString>

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

    static BookmarkNode folder(const QString& title = QString());
    // A bookmark file as the walk takes it: an untitled top folder holding `root`.
    static BookmarkNode document(BookmarkNode root);
    static QString builtInName(BuiltIn folder);
    // Whether a folder at `depth` may be read with its contents; logs when not.
    static bool mayDescend(int depth, const QString& title);
    // Adds `folder` to `children` unless it is empty: a browser keeps its top folders
    // even when they hold nothing.
    static void addUnlessEmpty(std::vector<BookmarkNode>& children, BookmarkNode folder);
};
