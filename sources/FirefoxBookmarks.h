#pragma once

#include "BookmarkNode.h"

#include <QString>

#include <optional>

// Reads the bookmarks of a Firefox profile's "places.sqlite". The database is opened
// read-only and as immutable, so it is read while a running Firefox holds its lock and
// nothing is ever written next to it.
class FirefoxBookmarks
{
public:
    // The bookmark tree below one untitled top folder; empty when the file is no places
    // database (the reason in `error`).
    static std::optional<BookmarkNode> read(const QString& path, QString* error);
};
