#include "TestEnvironment.h"

#include "ControllerFixture.h"
#include "HotkeyManager.h"
#include "VorendaGlobal.h"
#include "VorendaMain.h"
#include "VorendaShelf.h"

#include <QAction>
#include <QDir>
#include <QSignalSpy>

#include <memory>

// "Vorenda.dat": how each attribute reads, what is kept of bad files, what is written.
class TestMainDataFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void readsPreferences_data();
    void readsPreferences();
    void cabinetsAreListedOnce();
    void otherTopElementIsSkipped();
    void otherDocumentTypeIsRefusedAndKept();
    void damagedXmlKeepsWhatWasRead();
    void damagedFileIsNeverOverwritten();
    void readOnlyConfigurationWritesNothing();
    void failedSaveIsLoggedAsFailure();
    void writesTheGoldenDocument();
    void missingFileIsNoError();

private:
    QString writeFile(const QByteArray& body, const QByteArray& doctype = "<!DOCTYPE Vorenda-Data>") const;
    QStringList logLines() const;
    QStringList keptFiles() const;
    QString path() const { return VorendaMain::dataFilePath(); }

    std::unique_ptr<VorendaMain> controller;
};

void TestMainDataFile::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    VorendaGlobal::verCheckUrl = QStringLiteral("http://127.0.0.1:1/vercheck.xml");
    QSettings().setValue(QStringLiteral("Main/WelcomeShown"), true);
}

void TestMainDataFile::init()
{
    QFile::remove(path());
    for (const QString& kept : keptFiles())
        QFile::remove(QDir(VorendaGlobal::getRootLocation()).filePath(kept));
    QFile::remove(VorendaGlobal::getLogFileName());
    VorendaGlobal::logEnabled = true;
    ControllerFixture::resetPreferences();
    VorendaGlobal::kioskPasswordHash = QStringLiteral("0cc175b9c0f1b6a831c399e269772661");
    VorendaGlobal::tags = QStringList{QStringLiteral("before")};
    controller = std::make_unique<VorendaMain>(nullptr);
}

void TestMainDataFile::cleanup()
{
    controller.reset();
    ControllerFixture::deleteShelves();
    VorendaGlobal::readOnlyConfig = false;
    VorendaGlobal::logEnabled = false;
    VorendaGlobal::SHELF_MAXTHUMBSIZE = 128;
}

QString TestMainDataFile::writeFile(const QByteArray& body, const QByteArray& doctype) const
{
    QFile file(path());
    if (file.open(QIODevice::WriteOnly))
        file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + doctype + "\n" + body);
    return path();
}

QStringList TestMainDataFile::logLines() const
{
    QFile file(VorendaGlobal::getLogFileName());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        lines << line.section(QStringLiteral(" > "), 1);
    return lines;
}

QStringList TestMainDataFile::keptFiles() const
{
    return QDir(VorendaGlobal::getRootLocation()).entryList({QStringLiteral("Vorenda.dat.damaged-*")}, QDir::Files);
}

void TestMainDataFile::readsPreferences_data()
{
    QTest::addColumn<QByteArray>("general");
    QTest::addColumn<QByteArray>("hotkeys");
    QTest::addColumn<int>("maxThumbSize");
    QTest::addColumn<bool>("autoUpdates");
    QTest::addColumn<QString>("kioskHash");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QString>("quickSearch");
    QTest::addColumn<QString>("showAll");

    const QStringList before{QStringLiteral("before")};
    const QString oldHash = QStringLiteral("0cc175b9c0f1b6a831c399e269772661");
    const QString meta = QStringLiteral("Meta+Space");
    const QString ctrlF10 = QStringLiteral("Ctrl+F10");
    QTest::newRow("number that is none") << QByteArray("maxthumbsize=\"abc\" tags=\"x\"") << QByteArray()
                                         << 0 << true << oldHash << QStringList{QStringLiteral("x")} << meta << ctrlF10;
    QTest::newRow("numbers and switches")
        << QByteArray("maxthumbsize=\"200\" autoupdates=\"0\" kioskpassword=\"abc\" tags=\"\"") << QByteArray() << 200
        << false << QStringLiteral("abc") << before << meta << ctrlF10;
    QTest::newRow("the word true is false") << QByteArray("autoupdates=\"true\"") << QByteArray() << 128 << false
                                            << oldHash << QStringList() << meta << ctrlF10;
    QTest::newRow("empty values keep") << QByteArray("maxthumbsize=\"\" autoupdates=\"\" kioskpassword=\"\" tags=\"\"")
                                       << QByteArray() << 128 << true << oldHash << before << meta << ctrlF10;
    QTest::newRow("tags trimmed, lower-cased, empty parts and doubles dropped")
        << QByteArray("tags=\"  Foo,, Bar ,foo \"") << QByteArray() << 128 << true << oldHash
        << QStringList{QStringLiteral("foo"), QStringLiteral(" bar ")} << meta << ctrlF10;
    QTest::newRow("empty quicksearch removes the binding")
        << QByteArray() << QByteArray("quicksearch=\"\"") << 128 << true << oldHash << QStringList() << QString()
        << ctrlF10;
    QTest::newRow("hotkeys read as portable text")
        << QByteArray() << QByteArray("showall=\"Ctrl+Shift+F2\" quicksearch=\"Alt+Space\"") << 128 << true << oldHash
        << QStringList() << QStringLiteral("Alt+Space") << QStringLiteral("Ctrl+Shift+F2");
}

void TestMainDataFile::readsPreferences()
{
    QFETCH(QByteArray, general);
    QFETCH(QByteArray, hotkeys);
    QFETCH(int, maxThumbSize);
    QFETCH(bool, autoUpdates);
    QFETCH(QString, kioskHash);
    QFETCH(QStringList, tags);
    QFETCH(QString, quickSearch);
    QFETCH(QString, showAll);

    QByteArray body = "<Root><Preferences><General " + general + "/>";
    if (!hotkeys.isEmpty())
        body += "<Hotkeys " + hotkeys + "/>";
    body += "</Preferences></Root>\n";
    QSignalSpy changed(controller.get(), &VorendaMain::shelvesChanged);
    QVERIFY(controller->load(writeFile(body)));
    QCOMPARE(changed.count(), 1);

    QCOMPARE(VorendaGlobal::SHELF_MAXTHUMBSIZE, maxThumbSize);
    QCOMPARE(controller->autoUpdates, autoUpdates);
    QCOMPARE(VorendaGlobal::kioskPasswordHash, kioskHash);
    QCOMPARE(VorendaGlobal::tags, tags);
    QCOMPARE(controller->quickSearchKey, QKeySequence::fromString(quickSearch, QKeySequence::PortableText));
    QCOMPARE(controller->showAllKey, QKeySequence::fromString(showAll, QKeySequence::PortableText));
    QCOMPARE(controller->hideAllKey, QKeySequence(QStringLiteral("Ctrl+F11")));
    // The bindings and the menu follow the file.
    QCOMPARE(HotkeyManager::isBound(QKeySequence(QStringLiteral("Meta+Space"))), quickSearch == QLatin1String("Meta+Space"));
    QCOMPARE(HotkeyManager::isBound(controller->showAllKey), true);
    QCOMPARE(controller->showAllAction->text().section(QLatin1Char('\t'), 1),
             controller->showAllKey.toString(QKeySequence::NativeText));
}

void TestMainDataFile::cabinetsAreListedOnce()
{
    const QByteArray id = "0123456789abcdef0123456789abcdef";
    QVERIFY(controller->load(writeFile("<Root><Cabinets><Cabinet id=\"" + id + "\"/><Cabinet id=\"\"/><Cabinet/>"
                                       "<Unknown><Cabinet id=\"fedcba98765432100123456789abcdef\"/></Unknown>"
                                       "<Cabinet id=\"" + id + "\"/></Cabinets>"
                                       "<Cabinets><Cabinet id=\"" + id + "\"/></Cabinets></Root>\n")));
    QCOMPARE(VorendaGlobal::shelves.size(), 1);
    QCOMPARE(VorendaGlobal::shelves.first()->id, QString::fromLatin1(id));
    QCOMPARE(VorendaGlobal::shelves.first()->fileName, QString::fromLatin1(id + ".dat"));
    QVERIFY(!VorendaGlobal::shelves.first()->isVisible());
}

void TestMainDataFile::otherTopElementIsSkipped()
{
    QSignalSpy changed(controller.get(), &VorendaMain::shelvesChanged);
    QVERIFY(controller->load(writeFile("<Top><Preferences><General maxthumbsize=\"7\"/></Preferences>"
                                       "<Cabinets><Cabinet id=\"0123456789abcdef0123456789abcdef\"/></Cabinets></Top>\n")));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(VorendaGlobal::SHELF_MAXTHUMBSIZE, 128);
    QVERIFY(VorendaGlobal::shelves.isEmpty());
}

void TestMainDataFile::otherDocumentTypeIsRefusedAndKept()
{
    const QByteArray style = "<Root><Preferences><General maxthumbsize=\"7\"/></Preferences></Root>\n";
    writeFile(style, "<!DOCTYPE Vorenda-CabinetStyle>");
    QFile original(path());
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();

    QSignalSpy changed(controller.get(), &VorendaMain::shelvesChanged);
    QVERIFY(!controller->load(path()));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(VorendaGlobal::SHELF_MAXTHUMBSIZE, 128);

    controller->save();
    const QStringList kept = keptFiles();
    QCOMPARE(kept.size(), 1);
    QVERIFY(QRegularExpression(QStringLiteral("^Vorenda\\.dat\\.damaged-\\d{8}-\\d{6}$")).match(kept.first()).hasMatch());
    QFile keptFile(QDir(VorendaGlobal::getRootLocation()).filePath(kept.first()));
    QVERIFY(keptFile.open(QIODevice::ReadOnly));
    QCOMPARE(keptFile.readAll(), bytes);
    QVERIFY(controller->load(path())); // the new file is whole

    controller->save(); // kept once, not at every save
    QCOMPARE(keptFiles().size(), 1);
}

void TestMainDataFile::damagedXmlKeepsWhatWasRead()
{
    QVERIFY(controller->load(writeFile("<Root><Preferences><General maxthumbsize=\"64\"/></Preferences>"
                                       "<Cabinets><Cabinet id=\"0123456789abcdef0123456789abcdef\"/><Cabinet id=\"x\"")));
    QCOMPARE(VorendaGlobal::SHELF_MAXTHUMBSIZE, 64);
    QCOMPARE(VorendaGlobal::shelves.size(), 1);
    QVERIFY(keptFiles().isEmpty());
    controller->save();
    QCOMPARE(keptFiles().size(), 1);
    QVERIFY(logLines().contains(QStringLiteral("VorendaMain: Done!")));
}

void TestMainDataFile::damagedFileIsNeverOverwritten()
{
    const QByteArray damaged = "<Root><Cabinets><Cabinet";
    writeFile(damaged);
    QVERIFY(controller->load(path()));
    // The names it would be kept under are taken, so it cannot be kept aside.
    const QDateTime now = QDateTime::currentDateTime();
    for (int second = 0; second < 3; ++second) {
        QFile taken(path() + QStringLiteral(".damaged-")
                    + now.addSecs(second).toString(QStringLiteral("yyyyMMdd-hhmmss")));
        QVERIFY(taken.open(QIODevice::WriteOnly));
    }
    QVERIFY(!controller->save(path()));
    QFile file(path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith(damaged));
}

void TestMainDataFile::readOnlyConfigurationWritesNothing()
{
    const QByteArray before = "<Root/>\n";
    writeFile(before);
    VorendaGlobal::readOnlyConfig = true;
    controller->onCreateNewShelf(QString(), 0, -1);
    controller->save();
    QVERIFY(!controller->save(path()));

    QFile file(path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith(before));
    const QStringList lines = logLines();
    QVERIFY(lines.contains(QStringLiteral("VorendaMain: Read-Only Configuration")));
    QVERIFY(!lines.contains(QStringLiteral("VorendaMain: Saving...")));
}

void TestMainDataFile::failedSaveIsLoggedAsFailure()
{
    // A plain file where the store folder should be: nothing can be made inside it.
    const QString saved = VorendaGlobal::storeFolder;
    const QString blocker = TestEnvironment::instance()->root() + QStringLiteral("/blocker");
    QFile block(blocker);
    QVERIFY(block.open(QIODevice::WriteOnly));
    block.close();
    VorendaGlobal::storeFolder = blocker + QStringLiteral("/store/");
    controller->save();
    VorendaGlobal::storeFolder = saved;

    const QStringList lines = logLines();
    QVERIFY(!lines.contains(QStringLiteral("VorendaMain: Done!")));
    QVERIFY(lines.contains(QStringLiteral("VorendaMain: Saving \"%1/store/Vorenda.dat\" failed").arg(blocker)));
    QVERIFY(!controller->save(blocker + QStringLiteral("/Vorenda.dat")));
}

void TestMainDataFile::writesTheGoldenDocument()
{
    controller->onCreateNewShelf(QStringLiteral("0123456789abcdef0123456789abcdef"), 0, -1);
    controller->onCreateNewShelf(QStringLiteral("fedcba98765432100123456789abcdef"), 0, -1);
    controller->autoUpdates = false;
    controller->quickSearchKey = QKeySequence();
    VorendaGlobal::appLanguage = QStringLiteral("de");
    VorendaGlobal::tags = QStringList{QStringLiteral("Work"), QStringLiteral("home ")};
    QVERIFY(controller->save(path()));
    VorendaGlobal::appLanguage = QStringLiteral("en");

    QFile file(path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE Vorenda-Data>\n"
        "<Root>\n"
        "    <Preferences>\n"
        "        <General runatstartup=\"1\" autoupdates=\"0\" maxthumbsize=\"128\" singleclickopen=\"0\" "
        "showkiosk=\"1\" kioskpassword=\"0cc175b9c0f1b6a831c399e269772661\" showlabelmode=\"2\" "
        "searchboxoption=\"1\" language=\"de\" animhover=\"1\" animclick=\"1\" tags=\"work,home\"/>\n"
        "        <Hotkeys showall=\"Ctrl+F10\" hideall=\"Ctrl+F11\" quicksearch=\"\"/>\n"
        "    </Preferences>\n"
        "    <Cabinets>\n"
        "        <Cabinet id=\"0123456789abcdef0123456789abcdef\"/>\n"
        "        <Cabinet id=\"fedcba98765432100123456789abcdef\"/>\n"
        "    </Cabinets>\n"
        "</Root>\n";
    QCOMPARE(file.readAll(), expected);

    // With no cabinet the list is an empty element.
    cleanup();
    init();
    QVERIFY(controller->save(path()));
    QFile empty(path());
    QVERIFY(empty.open(QIODevice::ReadOnly));
    QVERIFY(empty.readAll().contains("    <Cabinets/>\n"));
}

void TestMainDataFile::missingFileIsNoError()
{
    QSignalSpy changed(controller.get(), &VorendaMain::shelvesChanged);
    QVERIFY(!controller->load(path()));
    QCOMPARE(changed.count(), 0);
    QVERIFY(VorendaGlobal::shelves.isEmpty());
    controller->save();
    QVERIFY(keptFiles().isEmpty());
    QVERIFY(QFile::exists(path()));
}

VORENDA_TEST_MAIN(TestMainDataFile)
#include "tst_maindatafile.moc"
