#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

class StyleItem;

// Builds the style editor's swatches, all with the same look. A swatch keeps what it
// stands for in its graphics-item data: key 0 the colour (a QRgb with alpha) or the
// pattern's path ("" for none), key 1 whether the user added it.
class StyleSwatchFactory
{
public:
    StyleSwatchFactory() = delete;

    enum DataKey { ValueKey = 0, UserDefinedKey = 1 };

    // A built-in colour shows `name`; a user colour its "#RRGGBB" in upper case.
    static StyleItem* colorSwatch(const QColor& color, const QString& name, bool userDefined);
    static StyleItem* userColorSwatch(const QColor& color);
    // A tile of the pattern named by its file's base name; "" is "None". A pattern is
    // the user's unless it is one of the built-in ones.
    static StyleItem* patternSwatch(const QString& path);

    static QColor colorOf(const StyleItem* swatch);
    static QString patternOf(const StyleItem* swatch);
    static bool isUserDefined(const StyleItem* swatch);

private:
    static StyleItem* swatch(const QPixmap& picture, const QString& text);
};
