#pragma once

#include "BookmarkNode.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Reads a bookmark property list (XML or binary): "dict" nodes whose keys "Title",
// "URIDictionary", "URLString", "WebBookmarkType" and "Children" make folders
// ("WebBookmarkTypeList") and bookmarks ("WebBookmarkTypeLeaf"). Element and key names
// count in any letter case.
class PlistBookmarks
{
public:
    // The "dict" nodes below the "plist" root, as children of an untitled top folder
    // (none when the root is another element); empty when the bytes are no well-formed
    // property list (the reason in `error`). Bookmarks are kept as `budget` allows.
    static std::optional<BookmarkNode> read(const QByteArray& bytes, QString* error, BookmarkBudget& budget);
};
