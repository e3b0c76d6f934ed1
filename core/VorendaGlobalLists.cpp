#include "VorendaGlobal.h"

#include "RecurseDir.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QSettings>

namespace {

const QString patternFolder = QStringLiteral(":/Resources/Patterns");
const QString builtInStyleFolder = QStringLiteral(":/Resources/Styles");

// Qt's named colours as the style editor offers them: capitalised, no "grey"
// spellings (the "gray" ones stay), no "Transparent", plus the two program colours.
QStringList namedColors()
{
    QStringList names = QColor::colorNames();
    for (QString& name : names) {
        if (!name.isEmpty())
            name[0] = name.at(0).toUpper();
    }
    QStringList removed;
    for (const QString& name : qAsConst(names)) {
        if (name.contains(QLatin1String("grey"), Qt::CaseInsensitive))
            removed.append(name);
    }
    removed.append(QStringLiteral("Transparent"));
    for (const QString& name : qAsConst(removed))
        names.removeAll(name);
    names.append(QStringLiteral("System"));
    names.append(QStringLiteral("ToolTip"));
    names.sort(Qt::CaseSensitive);
    return names;
}

ShelfStyle makeDefaultStyle()
{
    const QPalette palette = QApplication::palette();
    const QColor window = palette.color(QPalette::Window);
    const QColor windowText = palette.color(QPalette::WindowText);
    ShelfStyle style;
    style.name = ShelfStyle::defaultName();
    style.shelfColor = window;
    style.cabinetColor = window;
    style.categoryColor = window;
    style.cabinetTextColor = windowText;
    style.categoryTextColor = windowText;
    style.dropIndicatorColor = windowText;
    style.itemSelectionColor = windowText;
    style.toolTipColor = QColor(32, 32, 32, 180);
    style.toolTipTextColor = Qt::white;
    style.reflectionLevel = 150;
    style.perspectiveAngle = VorendaGlobal::SHELF_ANGLE / 2;
    style.backDarknessLevel = 180;
    return style;
}

// Built-in styles first, by name; then every user style below the styles folder.
QStringList styleFiles()
{
    QStringList files;
    const QFileInfoList builtIn = QDir(builtInStyleFolder)
                                      .entryInfoList({QStringLiteral("*.xml")}, QDir::Files,
                                                     QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : builtIn)
        files.append(info.absoluteFilePath());
    // FIFOs, sockets and dangling links too: the reader refuses them, and the log says so.
    const QFileInfoList user = recurseDir(VorendaGlobal::getStylesLocation(), {QStringLiteral("*.xml")},
                                          QDir::Files | QDir::System | QDir::NoDotAndDotDot,
                                          QDirIterator::Subdirectories);
    for (const QFileInfo& info : user)
        files.append(info.absoluteFilePath());
    return files;
}

// Colours and patterns of loaded styles join the user's lists, so the style
// editor offers them.
void collectColorsAndPatterns(const ShelfStyle& style)
{
    const QColor colors[] = {style.shelfColor,         style.cabinetColor,       style.cabinetTextColor,
                             style.categoryColor,      style.categoryTextColor,  style.dropIndicatorColor,
                             style.itemSelectionColor, style.toolTipColor,       style.toolTipTextColor};
    for (const QColor& color : colors) {
        if (!VorendaGlobal::containsColor(color.rgba()))
            VorendaGlobal::userColors.append(color.rgba());
    }
    for (const QString& pattern : {style.shelfPattern, style.cabinetPattern, style.categoryPattern}) {
        if (!VorendaGlobal::containsPattern(pattern))
            VorendaGlobal::userPatterns.append(pattern);
    }
}

void loadStyles()
{
    const QStringList files = styleFiles();
    for (const QString& file : files) {
        ShelfStyle style;
        QString error;
        if (!style.load(file, &error)) {
            VorendaGlobal::addToLog(QStringLiteral("VorendaGlobal: Skipping style file \"%1\": %2").arg(file, error));
            continue;
        }
        if (style.name.isEmpty()) {
            VorendaGlobal::addToLog(QStringLiteral("VorendaGlobal: Skipping style file \"%1\": no name").arg(file));
            continue;
        }
        style.name = ShelfStyle::translatedName(style.name);
        style.key = VorendaGlobal::shelfStyles.size();
        VorendaGlobal::shelfStyles.insert(style.key, style);
        collectColorsAndPatterns(style);
    }
}

} // namespace

void VorendaGlobal::load()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("Personalization"));
    userColors = settings.value(QStringLiteral("UserColors")).value<QList<uint>>();
    userPatterns = settings.value(QStringLiteral("UserPatterns")).toStringList();
    settings.endGroup();

    colorNames = namedColors();
    systemColor = QApplication::palette().color(QPalette::Window);
    toolTipColor = QColor(32, 32, 32, 180);
    colors.clear();
    for (const QString& name : qAsConst(colorNames)) {
        if (name == QLatin1String("System"))
            colors.append(systemColor.rgba());
        else if (name == QLatin1String("ToolTip"))
            colors.append(toolTipColor.rgba());
        else
            colors.append(QColor(name).rgba());
    }

    patterns.clear();
    patterns.append(QString());
    const QStringList patternFiles = QDir(patternFolder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : patternFiles)
        patterns.append(patternFolder + QLatin1Char('/') + file);

    // Loading again starts the style list afresh, so keys stay those of a first start.
    shelfStyles.clear();
    defaultShelfStyle = makeDefaultStyle();
    defaultShelfStyle.key = shelfStyles.size();
    shelfStyles.insert(defaultShelfStyle.key, defaultShelfStyle);

    loadStyles();
}
