#include "TestEnvironment.h"

#include "VorendaGlobal.h"

#include <QSettings>

class TestVorendaGlobal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void storeFolderGetsSeparatorAndExists();
    void languageResolution_data();
    void languageResolution();
    void updateUrlsNamePlatformAndLanguage();
    void logLinesOnlyWhileEnabled();
    void uncreatableStoreFolderIsReported();
    void locateItemNeedsAnExistingLocalFile_data();
    void locateItemNeedsAnExistingLocalFile();
    void colourAndPatternLookups();
    void userListsRoundTripThroughSettings();

private:
    QString logFile() const { return VorendaGlobal::getLogFileName(); }
};

void TestVorendaGlobal::initTestCase()
{
    // A stub file-manager opener that records its calls.
    const QString stub = TestEnvironment::instance()->installStub(
        QStringLiteral("xdg-open"),
        "echo \"$@\" >> \"" + QFile::encodeName(TestEnvironment::instance()->root()) + "/opened.txt\"\n");
    QVERIFY(QFileInfo(stub).isExecutable());
}

void TestVorendaGlobal::init()
{
    QCoreApplication::setOrganizationName(QStringLiteral("VorendaTest"));
    QCoreApplication::setApplicationName(QStringLiteral("VorendaTest"));
    QSettings().clear();
    VorendaGlobal::appLanguage = QStringLiteral("en");
    VorendaGlobal::logEnabled = false;
    QFile::remove(logFile());
}

void TestVorendaGlobal::storeFolderGetsSeparatorAndExists()
{
    const QString folder = TestEnvironment::instance()->root() + QStringLiteral("/nested/store");
    QSettings().setValue(QStringLiteral("Main/StoreFolder"), folder);
    VorendaGlobal::initialize(QLocale(QStringLiteral("en_GB")));
    QCOMPARE(VorendaGlobal::storeFolder, folder + QLatin1Char('/'));
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(VorendaGlobal::getDataLocation(), folder + QStringLiteral("/Data"));
    QCOMPARE(VorendaGlobal::getCacheLocation(), folder + QStringLiteral("/Cache"));
    QCOMPARE(VorendaGlobal::getStylesLocation(), folder + QStringLiteral("/Styles"));
    QCOMPARE(VorendaGlobal::getRootLocation(), folder + QLatin1Char('/'));

    // Without a setting the store folder is the application data folder.
    QSettings().remove(QStringLiteral("Main/StoreFolder"));
    VorendaGlobal::initialize(QLocale(QStringLiteral("en_GB")));
    QCOMPARE(VorendaGlobal::storeFolder,
             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/'));
    QVERIFY(QFileInfo(VorendaGlobal::storeFolder).isDir());
}

void TestVorendaGlobal::languageResolution_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QVariant>("setting");
    QTest::addColumn<QString>("sysLanguage");
    QTest::addColumn<QString>("appLanguage");
    QTest::newRow("de_AT, no setting") << "de_AT" << QVariant() << "de" << "de";
    QTest::newRow("es_ES, no setting") << "es_ES" << QVariant() << "es" << "es";
    QTest::newRow("fr_FR, no setting") << "fr_FR" << QVariant() << "fr" << "en";
    QTest::newRow("it setting") << "de_DE" << QVariant(QStringLiteral("it")) << "de"
                                << "en";
    QTest::newRow("fr setting kept") << "en_US" << QVariant(QStringLiteral("fr")) << "en"
                                     << "fr";
    QTest::newRow("es setting") << "de_DE" << QVariant(QStringLiteral("es")) << "de"
                                << "es";
}

void TestVorendaGlobal::languageResolution()
{
    QFETCH(QString, locale);
    QFETCH(QVariant, setting);
    if (setting.isValid())
        QSettings().setValue(QStringLiteral("Main/Language"), setting);
    QSettings().setValue(QStringLiteral("Main/StoreFolder"), TestEnvironment::instance()->storeFolder());
    VorendaGlobal::initialize(QLocale(locale));
    QTEST(VorendaGlobal::sysLanguage, "sysLanguage");
    QTEST(VorendaGlobal::appLanguage, "appLanguage");
}

void TestVorendaGlobal::updateUrlsNamePlatformAndLanguage()
{
    QSettings().setValue(QStringLiteral("Main/Language"), QStringLiteral("de"));
    QSettings().setValue(QStringLiteral("Main/VerCheckUrl"), QStringLiteral("https://example.org/v/%1-%2.xml"));
    VorendaGlobal::initialize(QLocale(QStringLiteral("en_US")));
    QCOMPARE(VorendaGlobal::verCheckUrl, QStringLiteral("https://example.org/v/linux-de.xml"));
}

void TestVorendaGlobal::logLinesOnlyWhileEnabled()
{
    VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Saving..."));
    QVERIFY(!QFile::exists(logFile()));

    QSettings().setValue(QStringLiteral("Main/EnableLog"), true);
    QSettings().setValue(QStringLiteral("Main/StoreFolder"), TestEnvironment::instance()->storeFolder());
    VorendaGlobal::initialize(QLocale(QStringLiteral("en_US")));
    QVERIFY(VorendaGlobal::logEnabled);
    QCOMPARE(QFileInfo(logFile()).fileName(),
             QStringLiteral("vorenda_%1.log").arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    QCOMPARE(QFileInfo(logFile()).absolutePath(), TestEnvironment::instance()->home() + QStringLiteral("/Desktop"));

    VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Saving..."));
    VorendaGlobal::addToLog(QString());
    VorendaGlobal::addToLog(QString::fromUtf8("Фото"));
    QFile file(logFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4);
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d > VorendaMain: Saving\\.\\.\\.$")).match(lines[0]).hasMatch());
    QCOMPARE(lines[1], QString());
    QVERIFY(lines[2].endsWith(QString::fromUtf8(" > Фото")));
    QCOMPARE(lines[3], QString());
}

void TestVorendaGlobal::uncreatableStoreFolderIsReported()
{
    const QString blocker = TestEnvironment::instance()->root() + QStringLiteral("/plain-file");
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QSettings().setValue(QStringLiteral("Main/StoreFolder"), blocker + QStringLiteral("/store"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot create the store folder")));
    VorendaGlobal::initialize(QLocale(QStringLiteral("en_US")));
    QCOMPARE(VorendaGlobal::storeFolder, blocker + QStringLiteral("/store/"));
}

void TestVorendaGlobal::locateItemNeedsAnExistingLocalFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("missing path") << TestEnvironment::instance()->root() + QStringLiteral("/missing.txt");
    QTest::newRow("missing file URL") << "file:///nonexistent/x.txt";
    QTest::newRow("web URL") << "https://example.org/page";
    QTest::newRow("empty") << QString();
}

void TestVorendaGlobal::locateItemNeedsAnExistingLocalFile()
{
    QFETCH(QString, target);
    // The stub opener records every call; none of these may reach it.
    const QString record = TestEnvironment::instance()->root() + QStringLiteral("/opened.txt");
    QFile::remove(record);
    QVERIFY(!VorendaGlobal::locateItem(target));
    QTest::qWait(50);
    QVERIFY(!QFile::exists(record));
}

void TestVorendaGlobal::colourAndPatternLookups()
{
    VorendaGlobal::colors = {0xff112233u};
    VorendaGlobal::userColors = {0x80aabbccu};
    VorendaGlobal::patterns = QStringList{QString(), QStringLiteral(":/Resources/Patterns/wood1.png")};
    VorendaGlobal::userPatterns = QStringList{QStringLiteral("/home/u/Mine.png")};
    QVERIFY(VorendaGlobal::containsColor(0xff112233u));
    QVERIFY(VorendaGlobal::containsColor(0x80aabbccu));
    QVERIFY(!VorendaGlobal::containsColor(0xff112234u));
    QVERIFY(VorendaGlobal::containsPattern(QStringLiteral(":/resources/patterns/WOOD1.png")));
    QVERIFY(VorendaGlobal::containsPattern(QStringLiteral("/home/u/mine.PNG")));
    QVERIFY(!VorendaGlobal::containsPattern(QStringLiteral("/home/u/other.png")));
    QCOMPARE(VorendaGlobal::getKeyName(QStringLiteral("Ctrl+F10")), QKeySequence(Qt::CTRL | Qt::Key_F10).toString(QKeySequence::NativeText));
}

void TestVorendaGlobal::userListsRoundTripThroughSettings()
{
    VorendaGlobal::userColors = {1u, 0xffffffffu};
    VorendaGlobal::userPatterns = QStringList{QStringLiteral("/p/a.png")};
    VorendaGlobal::appLanguage = QStringLiteral("es");
    VorendaGlobal::save();
    VorendaGlobal::userColors.clear();
    VorendaGlobal::userPatterns.clear();
    VorendaGlobal::load();
    // The colours of the built-in styles that no list holds follow the stored ones.
    QCOMPARE(VorendaGlobal::userColors.mid(0, 2), (QList<uint>{1u, 0xffffffffu}));
    QCOMPARE(VorendaGlobal::userPatterns, QStringList{QStringLiteral("/p/a.png")});
    QCOMPARE(QSettings().value(QStringLiteral("Main/Language")).toString(), QStringLiteral("es"));
}

VORENDA_TEST_MAIN(TestVorendaGlobal)
#include "tst_vorendaglobal.moc"
