#include "BuiltInStyles.h"

#include <QDir>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include <cstdio>

namespace BuiltInStyles {

namespace {

struct Row
{
    const char* file;
    const char* name;
    const char* cabinetColor;
    const char* cabinetPattern;
    const char* cabinetText;
    const char* shelfColor;
    const char* shelfPattern;
    int reflection;
    const char* categoryColor;
    const char* categoryPattern;
    const char* categoryText;
    const char* dropIndicator;
    const char* itemSelection;
    const char* toolTip;
    const char* toolTipText;
};

const Row rows[] = {
    {"Bricks", "Bricks", "#684E31", "bricks1.jpg", "#FFFFFF", "#D69B63", "bricks1.jpg", 0, "#D69B63", "bricks1.jpg", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF"},
    {"BricksWood", "Bricks + Wood", "#684E31", "bricks1.jpg", "#FFFFFF", "#D18C34", "wood2.png", 150, "#D18C34", "wood2.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF"},
    {"Cork1", "Cork #1", "#301404", "cork1.jpg", "#FFFFFF", "#825E3E", "cork1.jpg", 0, "#825E3E", "cork1.jpg", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF"},
    {"Cork2", "Cork #2", "#825E3E", "cork2.jpg", "#FFFFFF", "#DEB288", "cork2.jpg", 0, "#DEB288", "cork2.jpg", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF"},
    {"DarkGrain", "Dark Grain", "#000000", "grain.png", "#FFFFFF", "#000000", "grain.png", 150, "#000000", "grain.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#202020", "#FFFFFF"},
    {"Fabric1", "Fabric #1", "#5E564D", "fabric1.jpg", "#000000", "#A89C8C", "fabric1.jpg", 0, "#A89C8C", "fabric1.jpg", "#000000", "#000000", "#000000", "#000000", "#FFFFFF"},
    {"Fabric2", "Fabric #2", "#682A2B", "fabric2.jpg", "#FFFFFF", "#CD5C5C", "fabric2.jpg", 0, "#CD5C5C", "fabric2.jpg", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF"},
    {"Fabric3", "Fabric #3", "#2E4253", "fabric3.jpg", "#FFFFFF", "#54767F", "fabric3.jpg", 0, "#54767F", "fabric3.jpg", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF"},
    {"Leather", "Leather", "#280F08", "leather.jpg", "#FFFFFF", "#481A0B", "leather.jpg", 50, "#481A0B", "leather.jpg", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF"},
    {"Marble", "Marble", "#4A4B4B", "lightmarble.png", "#000000", "#C8C9C6", "lightmarble.png", 150, "#C8C9C6", "lightmarble.png", "#000000", "#000000", "#000000", "#000000", "#FFFFFF"},
    {"Metal1", "Metal #1", "#808080", "holessmall.png", "#FFFFFF", "#808080", "holessmall.png", 150, "#808080", "holessmall.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF"},
    {"Metal2", "Metal #2", "#808080", "holes.png", "#FFFFFF", "#808080", "holes.png", 150, "#808080", "holes.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF"},
    {"MetalWood", "Metal + Wood", "#808080", "holes.png", "#FFFFFF", "#D18C34", "wood2.png", 150, "#D18C34", "wood2.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF"},
    {"Tablecloth", "Tablecloth", "#532F31", "tablecloth.jpg", "#000000", "#FCCBCE", "tablecloth.jpg", 100, "#FCCBCE", "tablecloth.jpg", "#000000", "#000000", "#000000", "#000000", "#FFFFFF"},
    {"TeenGirl", "Teen Girl", "#9400D3", "", "#FFFFFF", "#FF1493", "", 150, "#FF1493", "", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#BA55D3", "#FFFFFF"},
    {"Wood1", "Wood #1", "#543518", "wood1.png", "#FFFFFF", "#D07B2B", "wood1.png", 150, "#D07B2B", "wood1.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF"},
    {"Wood2", "Wood #2", "#523516", "wood2.png", "#FFFFFF", "#D18C34", "wood2.png", 150, "#D18C34", "wood2.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF"},
    {"Wood3", "Wood #3", "#1A0D0A", "wood3.png", "#FFFFFF", "#3F2119", "wood3.png", 150, "#3F2119", "wood3.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#191919", "#FFFFFF"},
    {"Wood4", "Wood #4", "#240F03", "wood4.png", "#FFFFFF", "#592808", "wood4.png", 150, "#592808", "wood4.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF"},
};

QString pattern(const char* file)
{
    const QString name = QString::fromLatin1(file);
    return name.isEmpty() ? name : QStringLiteral(":/Resources/Patterns/") + name;
}

bool writeRow(const QString& folder, const Row& row)
{
    QSaveFile file(folder + QLatin1Char('/') + QLatin1String(row.file) + QStringLiteral(".xml"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter w(&file);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(4);
    w.writeStartDocument();
    w.writeDTD(QStringLiteral("<!DOCTYPE Vorenda-CabinetStyle>"));
    w.writeStartElement(QStringLiteral("Style"));
    w.writeAttribute(QStringLiteral("name"), QString::fromUtf8(row.name));
    w.writeEmptyElement(QStringLiteral("Cabinet"));
    w.writeAttribute(QStringLiteral("color"), QLatin1String(row.cabinetColor));
    w.writeAttribute(QStringLiteral("pattern"), pattern(row.cabinetPattern));
    w.writeAttribute(QStringLiteral("textcolor"), QLatin1String(row.cabinetText));
    w.writeAttribute(QStringLiteral("sidepaneloffset"), QStringLiteral("0"));
    w.writeAttribute(QStringLiteral("backpaneloffset"), QStringLiteral("0"));
    w.writeAttribute(QStringLiteral("backdarknesslevel"), QStringLiteral("180"));
    w.writeEmptyElement(QStringLiteral("Shelf"));
    w.writeAttribute(QStringLiteral("color"), QLatin1String(row.shelfColor));
    w.writeAttribute(QStringLiteral("pattern"), pattern(row.shelfPattern));
    w.writeAttribute(QStringLiteral("reflectionlevel"), QString::number(row.reflection));
    w.writeEmptyElement(QStringLiteral("Category"));
    w.writeAttribute(QStringLiteral("color"), QLatin1String(row.categoryColor));
    w.writeAttribute(QStringLiteral("pattern"), pattern(row.categoryPattern));
    w.writeAttribute(QStringLiteral("textcolor"), QLatin1String(row.categoryText));
    w.writeEmptyElement(QStringLiteral("DropIndicator"));
    w.writeAttribute(QStringLiteral("color"), QLatin1String(row.dropIndicator));
    w.writeEmptyElement(QStringLiteral("ItemSelection"));
    w.writeAttribute(QStringLiteral("color"), QLatin1String(row.itemSelection));
    w.writeEmptyElement(QStringLiteral("ToolTip"));
    w.writeAttribute(QStringLiteral("color"), QLatin1String(row.toolTip));
    w.writeAttribute(QStringLiteral("textcolor"), QLatin1String(row.toolTipText));
    w.writeEndElement();
    w.writeEndDocument();
    return !w.hasError() && file.commit();
}

} // namespace

bool write(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const Row& row : rows) {
        if (!writeRow(folder, row)) {
            std::fprintf(stderr, "cannot write style %s\n", row.file);
            return false;
        }
    }
    return true;
}

} // namespace BuiltInStyles
