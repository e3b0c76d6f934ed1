#pragma once

#include "BookmarkNode.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Reads the "Bookmarks" file (JSON) of a Chromium-family browser profile.
class ChromiumBookmarks
{
public:
    // The bookmark tree below one untitled top folder; empty when the text is no
    // bookmarks file (the reason in `error`). Bookmarks are kept as `budget` allows.
    static std::optional<BookmarkNode> read(const QByteArray& json, QString* error, BookmarkBudget& budget);
};
