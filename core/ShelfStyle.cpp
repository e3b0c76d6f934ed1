#include "ShelfStyle.h"

#include "PathFunctions.h"
#include "RegularFile.h"
#include "SaveFileCommit.h"
#include "StylePatternCopy.h"
#include "VorendaGlobal.h"
#include "XmlAttributes.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

const char* const ShelfStyle::DocType = "Vorenda-CabinetStyle";

namespace {

const char* const translationContext = "ShelfStyle";

// A style file is well under a kilobyte; anything far larger dropped into the
// styles folder is not read at start-up.
const qint64 maxStyleFileSize = 1024 * 1024;

// Names of the built-in styles (and one style users brought along) that are
// shown in the user's language.
const char* const translatableNames[] = {
    QT_TRANSLATE_NOOP("ShelfStyle", "Wood #3"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Fabric #1"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Bricks"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Metal + Wood"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Bricks + Wood"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Dark Grain"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Wood #4"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Wood #2"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Wood #1"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Tablecloth"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Marble"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Leather"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Fabric #3"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Fabric #2"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Cork #2"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Cork #1"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Teen Girl"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Metal #1"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Metal #2"),
    QT_TRANSLATE_NOOP("ShelfStyle", "Windows XP"),
};

QString colorText(const QColor& color)
{
    if (!color.isValid())
        return QStringLiteral("#000000");
    return color.name(QColor::HexRgb).toUpper();
}

QColor colorAttribute(const QXmlStreamAttributes& attributes, const QString& name)
{
    const QString text = attributes.value(name).toString();
    return text.isEmpty() ? QColor() : QColor(text);
}

// Absent or empty gives the default; any other text its decimal value (0 for no
// number), bounded to minimum..maximum.
int levelAttribute(const QXmlStreamAttributes& attributes, const QString& name, int defaultValue, int minimum,
                   int maximum)
{
    int value = defaultValue;
    setBoundedIntAttribute(attributes, name, &value, minimum, maximum);
    return value;
}

} // namespace

ShelfStyle::ShelfStyle()
    : reflectionLevel(150)
    , perspectiveAngle(VorendaGlobal::SHELF_ANGLE / 2)
{
}

bool ShelfStyle::operator==(const ShelfStyle& other) const
{
    if (this == &other)
        return true;
    return name == other.name && fileName == other.fileName && shelfColor == other.shelfColor
        && shelfPattern == other.shelfPattern && cabinetColor == other.cabinetColor
        && cabinetPattern == other.cabinetPattern && cabinetTextColor == other.cabinetTextColor
        && categoryColor == other.categoryColor && categoryPattern == other.categoryPattern
        && categoryTextColor == other.categoryTextColor && dropIndicatorColor == other.dropIndicatorColor
        && itemSelectionColor == other.itemSelectionColor && toolTipColor == other.toolTipColor
        && toolTipTextColor == other.toolTipTextColor && reflectionLevel == other.reflectionLevel
        && perspectiveAngle == other.perspectiveAngle && backDarknessLevel == other.backDarknessLevel
        && sidePanelOffset == other.sidePanelOffset && backPanelOffset == other.backPanelOffset
        && flag == other.flag && key == other.key;
}

bool ShelfStyle::usesColor(const QColor& color) const
{
    return shelfColor == color || cabinetColor == color || cabinetTextColor == color || categoryColor == color
        || categoryTextColor == color || dropIndicatorColor == color || itemSelectionColor == color
        || toolTipColor == color || toolTipTextColor == color;
}

bool ShelfStyle::usesPattern(const QString& pattern) const
{
    return shelfPattern == pattern || cabinetPattern == pattern || categoryPattern == pattern;
}

bool ShelfStyle::save(const QString& path, bool copyPatterns, QString* error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = toXml(path, copyPatterns);
    // Qt reports a short write (a full disk, a size limit) only through the size.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        if (error)
            *error = saveFileError(file);
        file.cancelWriting(); // the temporary file goes with the QSaveFile
        return false;
    }
    return commitSaveFile(file, error);
}

QByteArray ShelfStyle::toXml(const QString& path, bool copyPatterns) const
{
    const auto patternText = [&](const QString& pattern) {
        return copyPatterns ? copyPattern(pattern, path) : pattern;
    };

    QByteArray bytes;
    QXmlStreamWriter writer(&bytes);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(4);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE %1>").arg(QLatin1String(DocType)));
    writer.writeStartElement(QStringLiteral("Style"));
    writer.writeAttribute(QStringLiteral("id"), id);
    writer.writeAttribute(QStringLiteral("name"), name);

    writer.writeEmptyElement(QStringLiteral("Cabinet"));
    writer.writeAttribute(QStringLiteral("color"), colorText(cabinetColor));
    writer.writeAttribute(QStringLiteral("pattern"), patternText(cabinetPattern));
    writer.writeAttribute(QStringLiteral("textcolor"), colorText(cabinetTextColor));
    writer.writeAttribute(QStringLiteral("sidepaneloffset"), QString::number(sidePanelOffset));
    writer.writeAttribute(QStringLiteral("backpaneloffset"), QString::number(backPanelOffset));
    writer.writeAttribute(QStringLiteral("backdarknesslevel"), QString::number(backDarknessLevel));

    writer.writeEmptyElement(QStringLiteral("Shelf"));
    writer.writeAttribute(QStringLiteral("color"), colorText(shelfColor));
    writer.writeAttribute(QStringLiteral("pattern"), patternText(shelfPattern));
    writer.writeAttribute(QStringLiteral("reflectionlevel"), QString::number(reflectionLevel));
    writer.writeAttribute(QStringLiteral("perspectiveangle"), QString::number(perspectiveAngle));

    writer.writeEmptyElement(QStringLiteral("Category"));
    writer.writeAttribute(QStringLiteral("color"), colorText(categoryColor));
    writer.writeAttribute(QStringLiteral("pattern"), patternText(categoryPattern));
    writer.writeAttribute(QStringLiteral("textcolor"), colorText(categoryTextColor));

    writer.writeEmptyElement(QStringLiteral("DropIndicator"));
    writer.writeAttribute(QStringLiteral("color"), colorText(dropIndicatorColor));

    writer.writeEmptyElement(QStringLiteral("ItemSelection"));
    writer.writeAttribute(QStringLiteral("color"), colorText(itemSelectionColor));

    writer.writeEmptyElement(QStringLiteral("ToolTip"));
    writer.writeAttribute(QStringLiteral("color"), colorText(toolTipColor));
    writer.writeAttribute(QStringLiteral("textcolor"), colorText(toolTipTextColor));

    writer.writeEndElement();
    writer.writeEndDocument();
    return bytes;
}

bool ShelfStyle::load(const QString& path, QString* error)
{
    QFile file(path);
    // Built-in styles are resources; anything else must be a regular file, as a FIFO
    // among the user's styles would block the start for good.
    const bool opened = path.startsWith(QLatin1Char(':')) ? file.open(QIODevice::ReadOnly) : openRegularFile(file);
    if (!opened) {
        if (error)
            *error = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("not a regular file");
        return false;
    }
    if (file.size() > maxStyleFileSize) {
        if (error)
            *error = QStringLiteral("not a style file (%1 bytes)").arg(file.size());
        return false;
    }
    fileName = path;

    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isDTD()) {
            if (reader.dtdName() != QLatin1String(DocType)) {
                if (error)
                    *error = QStringLiteral("not a style file (DOCTYPE \"%1\")").arg(reader.dtdName());
                return false;
            }
        } else if (reader.isStartElement()) {
            readElement(reader, path);
        }
    }
    if (reader.hasError()) {
        if (error)
            *error = QStringLiteral("%1 (line %2)").arg(reader.errorString()).arg(reader.lineNumber());
        return false;
    }
    return true;
}

void ShelfStyle::readElement(QXmlStreamReader& reader, const QString& path)
{
    const QXmlStreamAttributes attributes = reader.attributes();
    const QStringRef element = reader.name();
    const auto color = [&](const char* name) { return colorAttribute(attributes, QLatin1String(name)); };
    const auto pattern = [&](const char* name) {
        return absoluteFilePath(attributes.value(QLatin1String(name)).toString(), path);
    };
    const auto level = [&](const char* name, int defaultValue, int maximum = maxLevel) {
        return levelAttribute(attributes, QLatin1String(name), defaultValue, 0, maximum);
    };
    const auto offset = [&](const char* name) {
        return levelAttribute(attributes, QLatin1String(name), 0, -maxPanelOffset, maxPanelOffset);
    };

    if (element == QLatin1String("Style")) {
        id = attributes.value(QLatin1String("id")).toString();
        name = attributes.value(QLatin1String("name")).toString();
        if (id.isEmpty())
            id = name;
    } else if (element == QLatin1String("Cabinet")) {
        cabinetColor = color("color");
        cabinetPattern = pattern("pattern");
        cabinetTextColor = color("textcolor");
        sidePanelOffset = offset("sidepaneloffset");
        backPanelOffset = offset("backpaneloffset");
        backDarknessLevel = level("backdarknesslevel", 140);
    } else if (element == QLatin1String("Shelf")) {
        shelfColor = color("color");
        shelfPattern = pattern("pattern");
        reflectionLevel = level("reflectionlevel", 150);
        perspectiveAngle = level("perspectiveangle", VorendaGlobal::SHELF_ANGLE / 2, maxPerspectiveAngle());
    } else if (element == QLatin1String("Category")) {
        categoryColor = color("color");
        categoryPattern = pattern("pattern");
        categoryTextColor = color("textcolor");
    } else if (element == QLatin1String("DropIndicator")) {
        dropIndicatorColor = color("color");
    } else if (element == QLatin1String("ItemSelection")) {
        itemSelectionColor = color("color");
    } else if (element == QLatin1String("ToolTip")) {
        toolTipColor = color("color");
        toolTipTextColor = color("textcolor");
    } else {
        readUnknownElement(reader);
    }
}

int ShelfStyle::maxPerspectiveAngle()
{
    return VorendaGlobal::SHELF_ANGLE;
}

QString ShelfStyle::copyPattern(const QString& pattern, const QString& styleFilePath)
{
    return StylePatternCopy::copy(pattern, styleFilePath);
}

QString ShelfStyle::absoluteFilePath(const QString& pattern, const QString& styleFilePath)
{
    if (pattern.isEmpty() || pattern.contains(QLatin1String(":/Resources/"), Qt::CaseInsensitive))
        return pattern;
    const QString folder = QFileInfo(pattern).path();
    if (!folder.isEmpty() && folder != QLatin1String("."))
        return pattern;
    return addTrailingSeparator(QFileInfo(styleFilePath).absolutePath()) + pattern;
}

QString ShelfStyle::translatedName(const QString& name)
{
    for (const char* english : translatableNames) {
        if (name.compare(QLatin1String(english), Qt::CaseInsensitive) == 0)
            return QCoreApplication::translate(translationContext, english);
    }
    return name;
}

QString ShelfStyle::defaultName()
{
    return QCoreApplication::translate("ShelfStyle", "Default");
}

QDataStream& operator<<(QDataStream& stream, const ShelfStyle& style)
{
    stream << style.id << style.name << style.fileName << style.shelfColor << style.shelfPattern
           << style.cabinetColor << style.cabinetPattern << style.cabinetTextColor << style.categoryColor
           << style.categoryPattern << style.categoryTextColor << style.dropIndicatorColor
           << style.itemSelectionColor << style.toolTipColor << style.toolTipTextColor
           << qint32(style.reflectionLevel) << qint32(style.perspectiveAngle) << qint32(style.backDarknessLevel)
           << qint32(style.sidePanelOffset) << qint32(style.backPanelOffset) << style.flag << qint32(style.key);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, ShelfStyle& style)
{
    // A short or damaged stream leaves the record as it was.
    ShelfStyle read;
    qint32 reflection = 0, perspective = 0, darkness = 0, sideOffset = 0, backOffset = 0, key = 0;
    stream >> read.id >> read.name >> read.fileName >> read.shelfColor >> read.shelfPattern >> read.cabinetColor
        >> read.cabinetPattern >> read.cabinetTextColor >> read.categoryColor >> read.categoryPattern
        >> read.categoryTextColor >> read.dropIndicatorColor >> read.itemSelectionColor >> read.toolTipColor
        >> read.toolTipTextColor >> reflection >> perspective >> darkness >> sideOffset >> backOffset >> read.flag
        >> key;
    if (stream.status() != QDataStream::Ok)
        return stream;
    read.reflectionLevel = qBound(0, int(reflection), ShelfStyle::maxLevel);
    read.perspectiveAngle = qBound(0, int(perspective), ShelfStyle::maxPerspectiveAngle());
    read.backDarknessLevel = qBound(0, int(darkness), ShelfStyle::maxLevel);
    read.sidePanelOffset = qBound(-ShelfStyle::maxPanelOffset, int(sideOffset), ShelfStyle::maxPanelOffset);
    read.backPanelOffset = qBound(-ShelfStyle::maxPanelOffset, int(backOffset), ShelfStyle::maxPanelOffset);
    read.key = key;
    style = read;
    return stream;
}
