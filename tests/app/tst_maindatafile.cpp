#include "TestEnvironment.h"

#include "ControllerFixture.h"
#include "DamagedFile.h"
#include "HotkeyManager.h"
#include "VorendaGlobal.h"
#include "VorendaMain.h"
#include "VorendaShelf.h"

#include <QAction>
#include <QDir>
#include <QRandomGenerator>
#include <QSignalSpy>

#include <algorithm>
#include <sys/stat.h>

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
    void cabinetIdsOfAnotherForm_data();
    void cabinetIdsOfAnotherForm();
    void tagsOfAnyTextAreKept();
    void numbersAreBounded_data();
    void numbersAreBounded();
    void otherTopElementIsDamaged();
    void hostileFilesKeepTheCabinets_data();
    void hostileFilesKeepTheCabinets();
    void tooManyCabinetsAreRefused();
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
    // A cabinet data file named by `id` in the data folder.
    static void writeCabinetFile(const QString& id, const QByteArray& name);
    static QStringList shelfIds();
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
    for (const QString& kept : keptFiles()) {
        const QString keptPath = QDir(VorendaGlobal::getRootLocation()).filePath(kept);
        if (QFileInfo(keptPath).isDir())
            QDir(keptPath).removeRecursively();
        else
            QFile::remove(keptPath);
    }
    QFile::remove(VorendaGlobal::getLogFileName());
    QDir(VorendaGlobal::getDataLocation()).removeRecursively();
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
    VorendaGlobal::showLabelMode = 2;
    VorendaGlobal::searchBoxOption = 1;
}

void TestMainDataFile::writeCabinetFile(const QString& id, const QByteArray& name)
{
    QDir().mkpath(VorendaGlobal::getDataLocation());
    QFile file(QDir(VorendaGlobal::getDataLocation()).filePath(id + QStringLiteral(".dat")));
    if (file.open(QIODevice::WriteOnly))
        file.write("<?xml version=\"1.0\"?>\n<!DOCTYPE Vorenda-CabinetData>\n<Root><Settings><Window name=\"" + name
                   + "\"/></Settings></Root>\n");
}

QStringList TestMainDataFile::shelfIds()
{
    QStringList ids;
    for (const VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves))
        ids << shelf->id;
    return ids;
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
    return TestEnvironment::logLines(VorendaGlobal::getLogFileName());
}

QStringList TestMainDataFile::keptFiles() const
{
    return QDir(VorendaGlobal::getRootLocation())
        .entryList({QStringLiteral("Vorenda.dat.damaged-*")}, QDir::Files | QDir::Dirs | QDir::System);
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
    // Not a number reads as 0, which is below the smallest size the preferences allow.
    QTest::newRow("number that is none") << QByteArray("maxthumbsize=\"abc\" tags=\"x\"") << QByteArray()
                                         << 32 << true << oldHash << QStringList{QStringLiteral("x")} << meta << ctrlF10;
    QTest::newRow("numbers and switches")
        << QByteArray("maxthumbsize=\"200\" autoupdates=\"0\" kioskpassword=\"abc\" tags=\"\"") << QByteArray() << 200
        << false << "abc" << before << meta << ctrlF10;
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
        << QStringList() << "Alt+Space"
        << "Ctrl+Shift+F2";
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

void TestMainDataFile::cabinetIdsOfAnotherForm_data()
{
    QTest::addColumn<QByteArray>("listed");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QString>("logged");

    const QString lower = QStringLiteral("0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a");
    const QString upper = lower.toUpper();
    const auto invalid = [](const char* id) {
        return QStringLiteral("VorendaMain: The cabinet id \"%1\" is not valid; no cabinet is made of it")
            .arg(QLatin1String(id));
    };
    QTest::newRow("leads out of the folder") << QByteArray("../../x") << QString() << QStringList() << invalid("../../x");
    QTest::newRow("31 digits") << QByteArray("0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0") << QString() << QStringList()
                               << invalid("0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0");
    QTest::newRow("33 digits") << QByteArray("0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0") << QString() << QStringList()
                               << invalid("0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0");
    QTest::newRow("no hexadecimal digits") << QByteArray("0g0g0g0g0g0g0g0g0g0g0g0g0g0g0g0g") << lower << QStringList()
                                           << invalid("0g0g0g0g0g0g0g0g0g0g0g0g0g0g0g0g");
    QTest::newRow("upper case is the cabinet of the lower-case file") << upper.toLatin1() << lower << QStringList{lower}
                                                                      << QString();
    QTest::newRow("both cases are one cabinet")
        << QByteArray(upper.toLatin1() + "\"/><Cabinet id=\"" + lower.toLatin1()) << lower << QStringList{lower}
        << QStringLiteral("VorendaMain: The cabinet \"%1\" is listed more than once; it is opened once").arg(lower);
    QTest::newRow("an upper-case file takes the lower-case name")
        << upper.toLatin1() << upper << QStringList{lower}
        << QStringLiteral("VorendaMain: The data file \"%1/%2.dat\" of the cabinet \"%3\" is now \"%1/%3.dat\"")
               .arg(VorendaGlobal::getDataLocation(), upper, lower);
}

void TestMainDataFile::cabinetIdsOfAnotherForm()
{
    QFETCH(QByteArray, listed);
    QFETCH(QString, file);
    QFETCH(QStringList, ids);
    QFETCH(QString, logged);

    if (!file.isEmpty())
        writeCabinetFile(file, "Kept");
    QVERIFY(controller->load(writeFile("<Root><Cabinets><Cabinet id=\"" + listed + "\"/></Cabinets></Root>\n")));
    QCOMPARE(shelfIds(), ids);
    if (!logged.isEmpty())
        QVERIFY2(logLines().contains(logged), qPrintable(logLines().join(QLatin1Char('\n'))));
    for (VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves)) {
        QCOMPARE(shelf->name, QStringLiteral("Kept")); // its items are those of its file
        shelf->save();
    }

    // Only the cabinets opened are written back, each into the one file it read.
    controller->save();
    QFile saved(path());
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    QCOMPARE(text.count("<Cabinet id="), ids.size());
    for (const QString& id : qAsConst(ids))
        QVERIFY(text.contains("<Cabinet id=\"" + id.toLatin1() + "\"/>"));
    const QStringList files = QDir(VorendaGlobal::getDataLocation()).entryList(QDir::Files);
    if (ids.isEmpty())
        QCOMPARE(files, file.isEmpty() ? QStringList() : QStringList{file + QStringLiteral(".dat")});
    else
        QCOMPARE(files, QStringList{ids.first() + QStringLiteral(".dat")});
}

void TestMainDataFile::tagsOfAnyTextAreKept()
{
    // Tags come from the cabinets' files, whose escapes carry any character.
    const QStringList tags{QStringLiteral("a") + QChar(0x01) + QStringLiteral("b"),
                           QStringLiteral("c") + QChar(0xFFFF),
                           QString(QChar(0xD800)) + QStringLiteral("lone"),
                           QString(QChar(0xE000)) + QStringLiteral("0041"),
                           QStringLiteral("line\rend"),
                           QStringLiteral("plain")};
    VorendaGlobal::tags = tags;
    controller->onCreateNewShelf(QStringLiteral("0123456789abcdef0123456789abcdef"), 0, -1);
    controller->save();
    QVERIFY2(logLines().contains(QStringLiteral("VorendaMain: Done!")), qPrintable(logLines().join(QLatin1Char('\n'))));

    cleanup();
    VorendaGlobal::tags = QStringList{QStringLiteral("before")};
    controller = std::make_unique<VorendaMain>(nullptr); // reads the file again
    QCOMPARE(shelfIds(), QStringList{QStringLiteral("0123456789abcdef0123456789abcdef")});
    QCOMPARE(VorendaGlobal::tags, tags);
}

void TestMainDataFile::numbersAreBounded_data()
{
    QTest::addColumn<QByteArray>("general");
    QTest::addColumn<int>("maxThumbSize");
    QTest::addColumn<int>("showLabelMode");
    QTest::addColumn<int>("searchBoxOption");
    QTest::newRow("largest int") << QByteArray("maxthumbsize=\"2147483647\" showlabelmode=\"2147483647\" "
                                               "searchboxoption=\"2147483647\"")
                                 << 256 << 2 << 2;
    QTest::newRow("smallest int") << QByteArray("maxthumbsize=\"-2147483648\" showlabelmode=\"-2147483648\" "
                                                "searchboxoption=\"-2147483648\"")
                                  << 32 << 0 << 0;
    QTest::newRow("beyond int reads as none") << QByteArray("maxthumbsize=\"99999999999\" showlabelmode=\"-1\" "
                                                            "searchboxoption=\"3\"")
                                              << 32 << 0 << 2;
    QTest::newRow("in range") << QByteArray("maxthumbsize=\"200\" showlabelmode=\"1\" searchboxoption=\"0\"") << 200
                              << 1 << 0;
}

void TestMainDataFile::numbersAreBounded()
{
    QFETCH(QByteArray, general);
    QFETCH(int, maxThumbSize);
    QFETCH(int, showLabelMode);
    QFETCH(int, searchBoxOption);
    QVERIFY(controller->load(writeFile("<Root><Preferences><General " + general + "/></Preferences></Root>\n")));
    QCOMPARE(VorendaGlobal::SHELF_MAXTHUMBSIZE, maxThumbSize);
    QCOMPARE(VorendaGlobal::showLabelMode, showLabelMode);
    QCOMPARE(VorendaGlobal::searchBoxOption, searchBoxOption);
}

void TestMainDataFile::otherTopElementIsDamaged()
{
    const QByteArray body = "<Top><Preferences><General maxthumbsize=\"70\"/></Preferences>"
                            "<Cabinets><Cabinet id=\"0123456789abcdef0123456789abcdef\"/></Cabinets></Top>\n";
    writeFile(body);
    QSignalSpy changed(controller.get(), &VorendaMain::shelvesChanged);
    QVERIFY(!controller->load(path()));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(VorendaGlobal::SHELF_MAXTHUMBSIZE, 128);
    QVERIFY(VorendaGlobal::shelves.isEmpty());
    QVERIFY(logLines().contains(
        QStringLiteral("VorendaMain: \"%1\" is no main data file: its top element is \"Top\"").arg(path())));

    controller->save();
    QCOMPARE(keptFiles().size(), 1);
    QFile kept(QDir(VorendaGlobal::getRootLocation()).filePath(keptFiles().first()));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(kept.readAll().endsWith(body));
}

void TestMainDataFile::hostileFilesKeepTheCabinets_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QString>("logged");

    // The data folder holds the files of cabinets b, a and c (named so they sort c, a, b:
    // c's file is named in upper case, and the cabinet made of it has the lower-case id).
    const QString a = QStringLiteral("0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a");
    const QString b = QStringLiteral("0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b");
    const QString c = QStringLiteral("0c0c0c0c0c0c0c0c0c0c0c0c0c0c0c0c");
    const QString rebuilt = QStringLiteral("The cabinet list was rebuilt");
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE Vorenda-Data>\n";

    QByteArray noise(4096, '\0');
    QRandomGenerator random(31);
    for (char& byte : noise)
        byte = char(random.bounded(256));
    QTest::newRow("random bytes") << noise << true << QStringList{c, a, b} << rebuilt;
    QTest::newRow("empty") << QByteArray() << true << QStringList{c, a, b} << rebuilt;
    // What was read before the cut keeps its place in front.
    QTest::newRow("cut") << head + "<Root><Cabinets><Cabinet id=\"" + b.toLatin1() + "\"/><Cabi" << true
                         << QStringList{b, c, a} << rebuilt;
    QTest::newRow("wrong root") << head + "<Wrong><Cabinets><Cabinet id=\"" + b.toLatin1() + "\"/></Cabinets></Wrong>"
                                << false << QStringList{c, a, b} << "its top element is \"Wrong\"";
    QTest::newRow("wrong root, no document type")
        << QByteArray("<Wrong/>") << false << QStringList{c, a, b} << "its top element is \"Wrong\"";
    QTest::newRow("other document type") << QByteArray("<!DOCTYPE Vorenda-CabinetData><Root/>") << false
                                         << QStringList{c, a, b} << "is no main data file";
    QTest::newRow("fifo") << QByteArray("fifo") << false << QStringList{c, a, b} << "cannot be read as a file";
    QTest::newRow("folder") << QByteArray("folder") << false << QStringList{c, a, b} << "cannot be read as a file";
    QTest::newRow("sound file lists one") << head + "<Root><Cabinets><Cabinet id=\"" + a.toLatin1() + "\"/></Cabinets></Root>"
                                          << true << QStringList{a} << QString();
}

void TestMainDataFile::hostileFilesKeepTheCabinets()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, loads);
    QFETCH(QStringList, ids);
    QFETCH(QString, logged);

    writeCabinetFile(QStringLiteral("0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b"), "B");
    writeCabinetFile(QStringLiteral("0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a"), "A");
    writeCabinetFile(QStringLiteral("0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C"), "C");
    // Not cabinet files: a name that is no id, a kept damaged copy, a FIFO.
    writeCabinetFile(QStringLiteral("notes"), "N");
    writeCabinetFile(QStringLiteral("0d0d0d0d0d0d0d0d0d0d0d0d0d0d0d0d.dat.damaged-20260101-000000"), "D");
    const QString fifo = VorendaGlobal::getDataLocation() + QStringLiteral("/0e0e0e0e0e0e0e0e0e0e0e0e0e0e0e0e.dat");
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);

    const QByteArray native = QFile::encodeName(path());
    if (content == "fifo") {
        QVERIFY(::mkfifo(native.constData(), 0600) == 0);
    } else if (content == "folder") {
        QVERIFY(QDir().mkpath(path()));
    } else {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QCOMPARE(controller->load(path()), loads);
    QCOMPARE(shelfIds(), ids);
    const QStringList lines = logLines();
    if (!logged.isEmpty()) {
        QVERIFY2(std::any_of(lines.cbegin(), lines.cend(), [&](const QString& line) { return line.contains(logged); }),
                 qPrintable(lines.join(QLatin1Char('\n'))));
    }
    const bool damaged = !logged.isEmpty();
    // A rebuilt list names the FIFO it skips.
    QCOMPARE(lines.contains(QStringLiteral("VorendaMain: \"%1\" is not a regular file; no cabinet is made of it").arg(fifo)),
             damaged);
    QCOMPARE(lines.contains(QStringLiteral("VorendaMain: The cabinet list was rebuilt from \"%1\": %2 cabinets added")
                                .arg(VorendaGlobal::getDataLocation())
                                .arg(ids.size() - (content.contains("<Cabinet id") && loads ? 1 : 0))),
             damaged);

    // The next save keeps the damaged thing aside and lists what was found.
    controller->save();
    QCOMPARE(keptFiles().size(), damaged ? 1 : 0);
    cleanup();
    controller = std::make_unique<VorendaMain>(nullptr); // reads the file again
    QCOMPARE(shelfIds(), ids);
}

void TestMainDataFile::tooManyCabinetsAreRefused()
{
    // A thousand cabinets take long to open in a test; the rule is the same for three.
    const int bound = VorendaMain::maxShelves;
    QCOMPARE(bound, 1000);
    VorendaMain::maxShelves = 3;
    QByteArray list;
    for (int i = 0; i < 5; ++i)
        list += "<Cabinet id=\"" + QByteArray::number(i).rightJustified(32, '0') + "\"/>";
    writeFile("<Root><Cabinets>" + list + "</Cabinets><Preferences><General maxthumbsize=\"100\"/></Preferences>"
              "</Root>\n");
    // The data folder holds more; the list is not filled up beyond the bound either.
    writeCabinetFile(QStringLiteral("0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a"), "A");
    const bool loaded = controller->load(path());
    VorendaMain::maxShelves = bound;

    QVERIFY(loaded);
    QCOMPARE(shelfIds(), (QStringList{QStringLiteral("00000000000000000000000000000000"),
                                      QStringLiteral("00000000000000000000000000000001"),
                                      QStringLiteral("00000000000000000000000000000002")}));
    QCOMPARE(VorendaGlobal::SHELF_MAXTHUMBSIZE, 100); // read on after the list
    const QStringList lines = logLines();
    QVERIFY(lines.contains(QStringLiteral("VorendaMain: \"%1\" lists more than 3 cabinets; only the first 3 are opened")
                               .arg(path())));
    QVERIFY(lines.contains(QStringLiteral("VorendaMain: More than 3 cabinets in \"%1\"; the others are not opened")
                               .arg(VorendaGlobal::getDataLocation())));
    controller->save();
    QCOMPARE(keptFiles().size(), 1);
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
        const QString base = path() + QStringLiteral(".damaged-")
            + now.addSecs(second).toString(QStringLiteral("yyyyMMdd-hhmmss"));
        for (int n = 1; n <= DamagedFile::mostNames; ++n) {
            QFile taken(n == 1 ? base : QStringLiteral("%1-%2").arg(base).arg(n));
            QVERIFY(taken.open(QIODevice::WriteOnly));
        }
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
