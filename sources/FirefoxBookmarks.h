#pragma once

#include "BookmarkNode.h"

#include <QString>

#include <optional>

// Reads the bookmarks of a Firefox profile's "places.sqlite" with the changes in its
// write-ahead log, while a running Firefox holds its lock, never writing next to it:
// a database without logged changes is opened read-only and as immutable, one with
// them is read from a private copy of both files.
class FirefoxBookmarks
{
public:
    // The bookmark tree below one untitled top folder; empty when the file is no places
    // database (the reason in `error`). Bookmarks are kept as `budget` allows.
    static std::optional<BookmarkNode> read(const QString& path, QString* error, BookmarkBudget& budget);
};
