#pragma once

#include <QString>

#include <functional>

class ShelfStyle;

// Where and under which name the style editor keeps a changed style: a folder of its
// own below the store's "Styles" folder, holding "<name>.xml".
class UserStyleFile
{
public:
    UserStyleFile() = delete;

    // `styleName` fit to be a file and folder name: no "/" or "\", no leading dots,
    // no surrounding blanks; "Style" when nothing is left.
    static QString safeFileName(const QString& styleName);
    // The style file of a new style of that name.
    static QString pathFor(const QString& styleName);
    // The first name for a copy of `name` that `taken` does not refuse: "Wood" itself,
    // then "Wood (Modified)", "Wood (Modified1)", "Wood (Modified2)" ...; a copy of
    // "Wood (Modified)" goes on with "Wood (Modified1)".
    static QString freeName(const QString& name, const std::function<bool(const QString&)>& taken);
    // A new style id: the MD5 of the current time and a new UUID.
    static QString newId();
    // Writes `style` to its file name, making its folder first. The write is atomic and
    // checked: on failure the old file stays, `error` says why and false is returned.
    static bool write(const ShelfStyle& style, QString* error);
};
