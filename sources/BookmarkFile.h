#pragma once

#include "BookmarkNode.h"

#include <QString>

#include <optional>

// Reads one bookmark file, its kind told by its content: a Firefox places database, a
// Chromium-family "Bookmarks" file or a bookmark property list.
class BookmarkFile
{
public:
    // Bookmark files larger than this are refused (a places database is not read whole
    // and has no such bound).
    static constexpr qint64 MAX_BYTES = 64 * 1024 * 1024;

    // The tree below an untitled top folder; empty when the file is missing, not a
    // regular file, too large or none of the three kinds (the reason in `error`).
    // Bookmarks are kept as `budget` allows.
    static std::optional<BookmarkNode> read(const QString& path, QString* error, BookmarkBudget& budget);
};
