#pragma once

#include <QString>

// Brings a style's pattern image next to its style file, so the folder can be
// passed on whole. A different picture of the same name already there is
// never reused: the copy then gets a name of its own.
class StylePatternCopy
{
public:
    StylePatternCopy() = delete;

    // The text a style file in `styleFilePath`'s folder stores for `pattern`:
    // "" and resource paths unchanged, otherwise the bare name of the image
    // beside the file. When the image cannot be copied, its absolute path, so
    // the style still shows it.
    static QString copy(const QString& pattern, const QString& styleFilePath);

    static bool sameContents(const QString& first, const QString& second);
};
