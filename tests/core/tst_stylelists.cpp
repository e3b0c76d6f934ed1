#include "TestEnvironment.h"

#include "ShelfStyle.h"
#include "VorendaGlobal.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPalette>
#include <QSettings>
#include <QTranslator>

#include <sys/stat.h>

class TestStyleLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void colourNames();
    void patternList();
    void resourcesLoadAsImages();
    void defaultAndBuiltInStyles();
    void builtInStyleMatchesItsRow_data();
    void builtInStyleMatchesItsRow();
    void userStylesFollowTheBuiltInOnes();
    void badUserStylesAreSkippedAndLogged();
    void styleColoursAndPatternsJoinTheUserLists();
    void translatedNames_data();
    void translatedNames();

private:
    void writeUserStyle(const QString& relativePath, const QByteArray& contents);
    QString logText() const;
};

namespace {

QByteArray userStyle(const QByteArray& name, const QByteArray& shelfColor = "#D18C34",
                     const QByteArray& pattern = ":/Resources/Patterns/wood2.png")
{
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE Vorenda-CabinetStyle>\n<Style name=\"" + name
        + "\">\n<Shelf color=\"" + shelfColor + "\" pattern=\"" + pattern + "\"/>\n</Style>\n";
}

int keyOfName(const QString& name)
{
    for (const ShelfStyle& style : qAsConst(VorendaGlobal::shelfStyles)) {
        if (style.name == name)
            return style.key;
    }
    return -1;
}

} // namespace

void TestStyleLists::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
}

void TestStyleLists::init()
{
    QDir(VorendaGlobal::getStylesLocation()).removeRecursively();
    QSettings().remove(QStringLiteral("Personalization"));
    QFile::remove(VorendaGlobal::getLogFileName());
    VorendaGlobal::logEnabled = true;
}

void TestStyleLists::cleanup()
{
    VorendaGlobal::logEnabled = false;
}

void TestStyleLists::writeUserStyle(const QString& relativePath, const QByteArray& contents)
{
    const QString path = VorendaGlobal::getStylesLocation() + QLatin1Char('/') + relativePath;
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), qint64(contents.size()));
}

QString TestStyleLists::logText() const
{
    QFile file(VorendaGlobal::getLogFileName());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void TestStyleLists::colourNames()
{
    VorendaGlobal::load();
    const QStringList& names = VorendaGlobal::colorNames;
    QCOMPARE(names.size(), 142);
    QCOMPARE(VorendaGlobal::colors.size(), names.size());
    QVERIFY(names.contains(QStringLiteral("System")));
    QVERIFY(names.contains(QStringLiteral("ToolTip")));
    QVERIFY(names.contains(QStringLiteral("Darkgray")));
    QVERIFY(!names.contains(QStringLiteral("Transparent")));
    for (const QString& name : names) {
        QVERIFY2(!name.contains(QLatin1String("grey"), Qt::CaseInsensitive), qPrintable(name));
        QVERIFY2(name.at(0).isUpper(), qPrintable(name));
    }
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(names, sorted);

    const auto colorOf = [&](const QString& name) { return VorendaGlobal::colors.at(names.indexOf(name)); };
    QCOMPARE(colorOf(QStringLiteral("System")), QApplication::palette().color(QPalette::Window).rgba());
    QCOMPARE(colorOf(QStringLiteral("ToolTip")), qRgba(32, 32, 32, 180));
    QCOMPARE(colorOf(QStringLiteral("Aliceblue")), qRgb(0xF0, 0xF8, 0xFF));
    QCOMPARE(VorendaGlobal::toolTipColor, QColor(32, 32, 32, 180));
}

void TestStyleLists::patternList()
{
    VorendaGlobal::load();
    const QStringList expected = {
        QString(),
        QStringLiteral(":/Resources/Patterns/bricks1.jpg"),
        QStringLiteral(":/Resources/Patterns/cork1.jpg"),
        QStringLiteral(":/Resources/Patterns/cork2.jpg"),
        QStringLiteral(":/Resources/Patterns/fabric1.jpg"),
        QStringLiteral(":/Resources/Patterns/fabric2.jpg"),
        QStringLiteral(":/Resources/Patterns/fabric3.jpg"),
        QStringLiteral(":/Resources/Patterns/grain.png"),
        QStringLiteral(":/Resources/Patterns/holes.png"),
        QStringLiteral(":/Resources/Patterns/holessmall.png"),
        QStringLiteral(":/Resources/Patterns/leather.jpg"),
        QStringLiteral(":/Resources/Patterns/lightmarble.png"),
        QStringLiteral(":/Resources/Patterns/tablecloth.jpg"),
        QStringLiteral(":/Resources/Patterns/wood1.png"),
        QStringLiteral(":/Resources/Patterns/wood2.png"),
        QStringLiteral(":/Resources/Patterns/wood3.png"),
        QStringLiteral(":/Resources/Patterns/wood4.png"),
    };
    QCOMPARE(VorendaGlobal::patterns, expected);
}

void TestStyleLists::resourcesLoadAsImages()
{
    VorendaGlobal::load();
    QStringList paths = VorendaGlobal::patterns.mid(1);
    for (const char* icon : {"Vorenda16", "Vorenda32", "Vorenda48", "Vorenda128", "VorendaMenubar"})
        paths.append(QStringLiteral(":/Resources/Images/mac/%1.png").arg(QLatin1String(icon)));
    for (const QString& path : qAsConst(paths)) {
        QImageReader reader(path);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(path + QLatin1String(": ") + reader.errorString()));
    }
    QCOMPARE(QImage(QStringLiteral(":/Resources/Images/mac/Vorenda48.png")).size(), QSize(48, 48));
    QCOMPARE(QImage(QStringLiteral(":/Resources/Images/mac/VorendaMenubar.png")).size(), QSize(22, 22));
    QCOMPARE(QImage(QStringLiteral(":/Resources/Images/mac/VorendaMenubar@2x.png")).size(), QSize(44, 44));
    QCOMPARE(QImage(QStringLiteral(":/Resources/Patterns/wood2.png")).size(), QSize(256, 256));
}

void TestStyleLists::defaultAndBuiltInStyles()
{
    VorendaGlobal::load();
    QCOMPARE(VorendaGlobal::shelfStyles.keys(), [] {
        QList<int> keys;
        for (int key = 0; key <= 19; ++key)
            keys.append(key);
        return keys;
    }());
    const QPalette palette = QApplication::palette();
    const ShelfStyle& standard = VorendaGlobal::defaultShelfStyle;
    QCOMPARE(standard.name, QStringLiteral("Default"));
    QCOMPARE(standard.key, 0);
    QVERIFY(standard.id.isEmpty());
    QVERIFY(standard.fileName.isEmpty());
    QCOMPARE(standard.shelfColor, palette.color(QPalette::Window));
    QCOMPARE(standard.itemSelectionColor, palette.color(QPalette::WindowText));
    QCOMPARE(standard.toolTipColor, QColor(32, 32, 32, 180));
    QCOMPARE(standard.toolTipTextColor, QColor(Qt::white));
    QCOMPARE(standard.backDarknessLevel, 180);
    QCOMPARE(standard.perspectiveAngle, 17);
    QVERIFY(VorendaGlobal::shelfStyles.value(0) == standard);
    QCOMPARE(VorendaGlobal::shelfStyles.value(17).name, QStringLiteral("Wood #2"));
    QCOMPARE(VorendaGlobal::shelfStyles.value(17).id, QStringLiteral("Wood #2"));

    // Loading again gives the same list, not a second copy of it.
    VorendaGlobal::load();
    QCOMPARE(VorendaGlobal::shelfStyles.size(), 20);
}

void TestStyleLists::builtInStyleMatchesItsRow_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("cabinet");  // colour, pattern, text colour
    QTest::addColumn<QStringList>("shelf");    // colour, pattern
    QTest::addColumn<int>("reflection");
    QTest::addColumn<QStringList>("category"); // colour, pattern, text colour
    QTest::addColumn<QStringList>("others");   // drop indicator, item selection, tool tip, tool tip text

    const auto add = [](int key, const char* file, const char* name, const char* cc, const char* cp, const char* ct,
                        const char* sc, const char* sp, int reflection, const char* kc, const char* kp, const char* kt,
                        const char* drop, const char* selection, const char* tip, const char* tipText) {
        const auto pattern = [](const char* p) {
            return QString::fromLatin1(p) == QLatin1String("-") ? QString()
                                                                : QStringLiteral(":/Resources/Patterns/") + QLatin1String(p);
        };
        const auto text = [](const char* t) { return QString::fromLatin1(t); };
        QTest::newRow(file) << key << QStringLiteral(":/Resources/Styles/%1.xml").arg(QLatin1String(file)) << text(name)
                            << QStringList{text(cc), pattern(cp), text(ct)} << QStringList{text(sc), pattern(sp)}
                            << reflection << QStringList{text(kc), pattern(kp), text(kt)}
                            << QStringList{text(drop), text(selection), text(tip), text(tipText)};
    };
    add(1, "Bricks", "Bricks", "#684E31", "bricks1.jpg", "#FFFFFF", "#D69B63", "bricks1.jpg", 0, "#D69B63", "bricks1.jpg", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF");
    add(2, "BricksWood", "Bricks + Wood", "#684E31", "bricks1.jpg", "#FFFFFF", "#D18C34", "wood2.png", 150, "#D18C34", "wood2.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF");
    add(3, "Cork1", "Cork #1", "#301404", "cork1.jpg", "#FFFFFF", "#825E3E", "cork1.jpg", 0, "#825E3E", "cork1.jpg", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF");
    add(4, "Cork2", "Cork #2", "#825E3E", "cork2.jpg", "#FFFFFF", "#DEB288", "cork2.jpg", 0, "#DEB288", "cork2.jpg", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF");
    add(5, "DarkGrain", "Dark Grain", "#000000", "grain.png", "#FFFFFF", "#000000", "grain.png", 150, "#000000", "grain.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#202020", "#FFFFFF");
    add(6, "Fabric1", "Fabric #1", "#5E564D", "fabric1.jpg", "#000000", "#A89C8C", "fabric1.jpg", 0, "#A89C8C", "fabric1.jpg", "#000000", "#000000", "#000000", "#000000", "#FFFFFF");
    add(7, "Fabric2", "Fabric #2", "#682A2B", "fabric2.jpg", "#FFFFFF", "#CD5C5C", "fabric2.jpg", 0, "#CD5C5C", "fabric2.jpg", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF");
    add(8, "Fabric3", "Fabric #3", "#2E4253", "fabric3.jpg", "#FFFFFF", "#54767F", "fabric3.jpg", 0, "#54767F", "fabric3.jpg", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF");
    add(9, "Leather", "Leather", "#280F08", "leather.jpg", "#FFFFFF", "#481A0B", "leather.jpg", 50, "#481A0B", "leather.jpg", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF");
    add(10, "Marble", "Marble", "#4A4B4B", "lightmarble.png", "#000000", "#C8C9C6", "lightmarble.png", 150, "#C8C9C6", "lightmarble.png", "#000000", "#000000", "#000000", "#000000", "#FFFFFF");
    add(11, "Metal1", "Metal #1", "#808080", "holessmall.png", "#FFFFFF", "#808080", "holessmall.png", 150, "#808080", "holessmall.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF");
    add(12, "Metal2", "Metal #2", "#808080", "holes.png", "#FFFFFF", "#808080", "holes.png", 150, "#808080", "holes.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF");
    add(13, "MetalWood", "Metal + Wood", "#808080", "holes.png", "#FFFFFF", "#D18C34", "wood2.png", 150, "#D18C34", "wood2.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF");
    add(14, "Tablecloth", "Tablecloth", "#532F31", "tablecloth.jpg", "#000000", "#FCCBCE", "tablecloth.jpg", 100, "#FCCBCE", "tablecloth.jpg", "#000000", "#000000", "#000000", "#000000", "#FFFFFF");
    add(15, "TeenGirl", "Teen Girl", "#9400D3", "-", "#FFFFFF", "#FF1493", "-", 150, "#FF1493", "-", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#BA55D3", "#FFFFFF");
    add(16, "Wood1", "Wood #1", "#543518", "wood1.png", "#FFFFFF", "#D07B2B", "wood1.png", 150, "#D07B2B", "wood1.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF");
    add(17, "Wood2", "Wood #2", "#523516", "wood2.png", "#FFFFFF", "#D18C34", "wood2.png", 150, "#D18C34", "wood2.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF");
    add(18, "Wood3", "Wood #3", "#1A0D0A", "wood3.png", "#FFFFFF", "#3F2119", "wood3.png", 150, "#3F2119", "wood3.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#191919", "#FFFFFF");
    add(19, "Wood4", "Wood #4", "#240F03", "wood4.png", "#FFFFFF", "#592808", "wood4.png", 150, "#592808", "wood4.png", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#000000", "#FFFFFF");
}

void TestStyleLists::builtInStyleMatchesItsRow()
{
    QFETCH(int, key);
    QFETCH(QString, file);
    QFETCH(QStringList, cabinet);
    QFETCH(QStringList, shelf);
    QFETCH(QStringList, category);
    QFETCH(QStringList, others);
    if (VorendaGlobal::shelfStyles.size() != 20)
        VorendaGlobal::load();
    const ShelfStyle style = VorendaGlobal::shelfStyles.value(key);
    const auto text = [](const QColor& color) { return color.name().toUpper(); };

    QCOMPARE(style.key, key);
    QCOMPARE(style.fileName, file);
    QTEST(style.name, "name");
    QTEST(style.id, "name");
    QCOMPARE((QStringList{text(style.cabinetColor), style.cabinetPattern, text(style.cabinetTextColor)}), cabinet);
    QCOMPARE((QStringList{text(style.shelfColor), style.shelfPattern}), shelf);
    QTEST(style.reflectionLevel, "reflection");
    QCOMPARE((QStringList{text(style.categoryColor), style.categoryPattern, text(style.categoryTextColor)}), category);
    QCOMPARE((QStringList{text(style.dropIndicatorColor), text(style.itemSelectionColor), text(style.toolTipColor),
                          text(style.toolTipTextColor)}),
             others);
    QCOMPARE(style.perspectiveAngle, 17);
    QCOMPARE(style.backDarknessLevel, 180);
    QCOMPARE(style.sidePanelOffset, 0);
    QCOMPARE(style.backPanelOffset, 0);
    QVERIFY(!style.flag);

    // The file holds exactly the row: no id and no perspective angle of its own.
    QFile xml(file);
    QVERIFY(xml.open(QIODevice::ReadOnly));
    const QByteArray bytes = xml.readAll();
    QVERIFY(bytes.contains("<!DOCTYPE Vorenda-CabinetStyle>"));
    QVERIFY(!bytes.contains(" id="));
    QVERIFY(!bytes.contains("perspectiveangle"));
}

void TestStyleLists::userStylesFollowTheBuiltInOnes()
{
    writeUserStyle(QStringLiteral("deep/er/Mine.xml"), userStyle("Mine"));
    writeUserStyle(QStringLiteral("deep/notes.txt"), userStyle("Not a style file"));
    writeUserStyle(QStringLiteral("wood.xml"), userStyle("wood #3"));
    VorendaGlobal::load();
    QCOMPARE(VorendaGlobal::shelfStyles.size(), 22);
    const int mine = keyOfName(QStringLiteral("Mine"));
    QVERIFY(mine == 20 || mine == 21);
    QVERIFY(VorendaGlobal::shelfStyles.value(mine).fileName.endsWith(QLatin1String("/deep/er/Mine.xml")));
    // A user's name of a built-in style is shown like the built-in one, its id stays the file's.
    const ShelfStyle wood = VorendaGlobal::shelfStyles.value(41 - mine);
    QCOMPARE(wood.name, QStringLiteral("Wood #3"));
    QCOMPARE(wood.id, QStringLiteral("wood #3"));
    QCOMPARE(wood.key, 41 - mine);
}

void TestStyleLists::badUserStylesAreSkippedAndLogged()
{
    writeUserStyle(QStringLiteral("a/broken.xml"), "<?xml version=\"1.0\"?><!DOCTYPE Vorenda-CabinetStyle><Style name=\"B\"><Shelf");
    writeUserStyle(QStringLiteral("b/nameless.xml"), userStyle(""));
    writeUserStyle(QStringLiteral("c/foreign.xml"), "<?xml version=\"1.0\"?><!DOCTYPE Vorenda-Data><Style name=\"F\"/>");
    writeUserStyle(QStringLiteral("d/good.xml"), userStyle("Good"));
    // A FIFO would block the start; it is named in the log like any other file skipped.
    const QString fifo = VorendaGlobal::getStylesLocation() + QStringLiteral("/e/pipe.xml");
    QVERIFY(QDir().mkpath(QFileInfo(fifo).absolutePath()));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    VorendaGlobal::load();
    QCOMPARE(VorendaGlobal::shelfStyles.size(), 21);
    QCOMPARE(VorendaGlobal::shelfStyles.value(20).name, QStringLiteral("Good"));
    const QString log = logText();
    for (const char* file : {"broken.xml", "nameless.xml", "foreign.xml"})
        QVERIFY2(log.contains(QLatin1String(file)), file);
    QVERIFY2(log.contains(QStringLiteral("VorendaGlobal: Skipping style file \"%1\": not a regular file").arg(fifo)),
             qPrintable(log));
    QVERIFY(log.contains(QLatin1String("VorendaGlobal: Skipping style file")));
    QVERIFY(!log.contains(QLatin1String("good.xml")));
}

void TestStyleLists::styleColoursAndPatternsJoinTheUserLists()
{
    QSettings settings;
    settings.setValue(QStringLiteral("Personalization/UserColors"), QVariant::fromValue(QList<uint>{0xff010203u}));
    settings.setValue(QStringLiteral("Personalization/UserPatterns"), QStringList{QStringLiteral("/p/mine.png")});
    settings.sync();
    writeUserStyle(QStringLiteral("one.xml"), userStyle("One", "#123456", "/p/MINE.png"));
    writeUserStyle(QStringLiteral("two.xml"), userStyle("Two", "#123456", "/q/other.png"));
    VorendaGlobal::load();

    const QList<uint>& colors = VorendaGlobal::userColors;
    QCOMPARE(colors.first(), 0xff010203u);
    QCOMPARE(colors.count(qRgb(0x12, 0x34, 0x56)), 1);
    QCOMPARE(colors.count(qRgb(0xD1, 0x8C, 0x34)), 1); // from the built-in wood styles
    QVERIFY(!colors.contains(qRgb(0xFF, 0xFF, 0xFF)));  // a named colour already
    QVERIFY(!colors.contains(qRgb(0, 0, 0)));            // the invalid colours of the user styles too
    QCOMPARE(VorendaGlobal::userPatterns, (QStringList{QStringLiteral("/p/mine.png"), QStringLiteral("/q/other.png")}));
}

void TestStyleLists::translatedNames_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("standard");
    QTest::addColumn<QStringList>("names"); // keys 10, 11, 15, 17
    QTest::newRow("de") << "de"
                        << "Standard"
                        << QStringList{QStringLiteral("Marmor"), QStringLiteral("Metall #1"),
                                       QStringLiteral("Teen Girl"), QStringLiteral("Holz #2")};
    QTest::newRow("es") << "es"
                        << "Predeterminado"
                        << QStringList{QString::fromUtf8("M\xC3\xA1rmol"), QStringLiteral("Metal #1"),
                                       QStringLiteral("Colegiala"), QStringLiteral("Madera #2")};
}

void TestStyleLists::translatedNames()
{
    QFETCH(QString, language);
    QFETCH(QStringList, names);
    writeUserStyle(QStringLiteral("xp.xml"), userStyle("WINDOWS XP"));
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/Translations/Vorenda_") + language));
    QCoreApplication::installTranslator(&translator);
    VorendaGlobal::load();
    QCoreApplication::removeTranslator(&translator);

    QTEST(VorendaGlobal::defaultShelfStyle.name, "standard");
    QCOMPARE(VorendaGlobal::defaultShelfStyle.key, 0);
    QCOMPARE(VorendaGlobal::shelfStyles.value(0).name, VorendaGlobal::defaultShelfStyle.name);
    const QStringList shown = {VorendaGlobal::shelfStyles.value(10).name, VorendaGlobal::shelfStyles.value(11).name,
                               VorendaGlobal::shelfStyles.value(15).name, VorendaGlobal::shelfStyles.value(17).name};
    QCOMPARE(shown, names);
    // Ids stay English, so cabinet files find their style in any language.
    QCOMPARE(VorendaGlobal::shelfStyles.value(17).id, QStringLiteral("Wood #2"));
    QCOMPARE(VorendaGlobal::shelfStyles.value(20).name, QStringLiteral("Windows XP"));
    QCOMPARE(keyOfName(names.last()), 17);
}

VORENDA_TEST_MAIN(TestStyleLists)
#include "tst_stylelists.moc"
