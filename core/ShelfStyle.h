#pragma once

#include <QByteArray>
#include <QColor>
#include <QMetaType>
#include <QString>

class QDataStream;
class QXmlStreamReader;
class QXmlStreamAttributes;

// The look of one cabinet: colours, background patterns and shelf levels.
// Stored as a style XML file; cabinets refer to their style by `id`.
class ShelfStyle
{
public:
    ShelfStyle();

    // Every field but `id` takes part: a renamed copy of a file keeps its place.
    bool operator==(const ShelfStyle& other) const;
    bool operator!=(const ShelfStyle& other) const { return !(*this == other); }

    bool usesColor(const QColor& color) const;
    bool usesPattern(const QString& pattern) const;

    // Writes the style file atomically; on failure the old file stays and
    // `error` (when given) says why. With `copyPatterns`, pattern images that
    // lie elsewhere are copied next to the file and stored by bare name.
    bool save(const QString& path, bool copyPatterns, QString* error = nullptr) const;
    // Reads a style file into this record. False for an unreadable file, a
    // foreign DOCTYPE or malformed XML; fields read before the fault stay.
    bool load(const QString& path, QString* error = nullptr);

    // The pattern as a style file in `styleFilePath`'s folder stores it.
    static QString copyPattern(const QString& pattern, const QString& styleFilePath);
    // The pattern as read from a style file: bare names lie beside the file.
    static QString absoluteFilePath(const QString& pattern, const QString& styleFilePath);

    // The display name of a built-in style name in the user's language;
    // any other name comes back unchanged.
    static QString translatedName(const QString& name);
    // The display name of the default style.
    static QString defaultName();

    static const char* const DocType;
    // The ranges of the numbers, as the style editor's sliders allow them; the panel
    // offsets stay within a large thumbnail's height. Values read are bounded to them.
    static constexpr int maxLevel = 255;
    static constexpr int maxPanelOffset = 256;
    static int maxPerspectiveAngle();

    QString id;
    QString name;
    QString fileName;
    QColor shelfColor;
    QString shelfPattern;
    QColor cabinetColor;
    QString cabinetPattern;
    QColor cabinetTextColor;
    QColor categoryColor;
    QString categoryPattern;
    QColor categoryTextColor;
    QColor dropIndicatorColor;
    QColor itemSelectionColor;
    QColor toolTipColor;
    QColor toolTipTextColor;
    int reflectionLevel;
    int perspectiveAngle;
    int backDarknessLevel = 140;
    int sidePanelOffset = 0;
    int backPanelOffset = 0;
    bool flag = false;
    int key = -1;

private:
    QByteArray toXml(const QString& path, bool copyPatterns) const;
    void readElement(QXmlStreamReader& reader, const QString& path);
};

Q_DECLARE_METATYPE(ShelfStyle)

QDataStream& operator<<(QDataStream& stream, const ShelfStyle& style);
QDataStream& operator>>(QDataStream& stream, ShelfStyle& style);
