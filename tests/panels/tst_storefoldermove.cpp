#include "SmallFilesystem.h"
#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "ControllerFixture.h"
#include "MyThumbnailItem.h"
#include "PreferencesWidget.h"
#include "ShelfDataFile.h"
#include "StoreFolderChange.h"
#include "StoreFolderCopy.h"
#include "VorendaMain.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <sys/resource.h>

namespace {

// While it lives, no file of the process may grow past `bytes`: a write beyond comes
// back short and then fails, as on a disk that fills up.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    bool isActive() const { return active; }

private:
    struct rlimit saved {};
    void (*previousHandler)(int) = nullptr;
    bool active = false;
};

// Every file below `folder` with its bytes, by relative path; hidden ones too.
QMap<QString, QByteArray> filesBelow(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(QDir(folder).relativeFilePath(file.fileName()),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)"));
    }
    return files;
}

// A cached picture too big for the room the tests leave.
QByteArray bigPicture()
{
    QByteArray bytes(300 * 1024, '\0');
    QRandomGenerator random(38);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

} // namespace

// Moving the store folder onto a filesystem without room for it, and again once there
// is room: the failed copy leaves the target as it was and the store where it was, the
// second makes a complete copy, and after a restart every cabinet has all its items.
class TestStoreFolderMove : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fullTargetThenRoomAgain_data();
    void fullTargetThenRoomAgain();
    void failedCopyPutsBackWhatItReplaced();

private:
    // Two cabinets of three and four items, saved with the main data file.
    void seedStore();
    // The cabinets the controller holds: their names with their items' names.
    static QStringList cabinetContents();

    std::unique_ptr<VorendaMain> controller;
    QString originalStore;
    QString mounted;
};

void TestStoreFolderMove::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    VorendaGlobal::verCheckUrl = QStringLiteral("http://127.0.0.1:1/vercheck.xml");
    originalStore = VorendaGlobal::storeFolder;
}

void TestStoreFolderMove::init()
{
    VorendaGlobal::storeFolder = originalStore;
    QSettings().setValue(QStringLiteral("Main/StoreFolder"), originalStore);
    QSettings().setValue(QStringLiteral("Main/WelcomeShown"), true);
    QDir(originalStore).removeRecursively();
    QDir().mkpath(originalStore);
    ControllerFixture::resetPreferences();
    controller = std::make_unique<VorendaMain>(nullptr);
}

void TestStoreFolderMove::cleanup()
{
    controller.reset();
    ControllerFixture::deleteShelves();
    if (!mounted.isEmpty())
        SmallFilesystem::unmount(mounted);
    mounted.clear();
}

void TestStoreFolderMove::seedStore()
{
    const QList<QStringList> cabinets = {{QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a3")},
                                         {QStringLiteral("b1"), QStringLiteral("b2"), QStringLiteral("b3"),
                                          QStringLiteral("b4")}};
    for (int c = 0; c < cabinets.size(); ++c) {
        VorendaShelf* shelf = controller->onCreateNewShelf(QString(), 0, -1);
        shelf->name = QStringLiteral("Cabinet %1").arg(c);
        for (const QString& item : cabinets.at(c))
            addCabinetItem(*shelf, -1, item);
        shelf->view->resetModel();
        QVERIFY(QDir().mkpath(VorendaGlobal::getDataLocation()));
        QVERIFY(shelf->save(ShelfDataFile::path(*shelf)));
    }
    controller->save();
    QVERIFY(QFile::exists(VorendaMain::dataFilePath()));
    QVERIFY(writeFile(VorendaGlobal::getCacheLocation() + QStringLiteral("/big."), bigPicture()));
}

QStringList TestStoreFolderMove::cabinetContents()
{
    QStringList contents;
    for (VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves)) {
        QStringList names;
        for (AbstractThumbnailItem* item : shelf->view->getAllItems())
            names << static_cast<MyThumbnailItem*>(item)->properties.name;
        contents << shelf->name + QLatin1Char(':') + names.join(QLatin1Char(','));
    }
    contents.sort();
    return contents;
}

void TestStoreFolderMove::fullTargetThenRoomAgain_data()
{
    QTest::addColumn<bool>("smallFilesystem");
    QTest::newRow("small filesystem") << true;
    // The same where no filesystem can be mounted (as in a chroot): the kernel's limit on
    // the size of a file fails the writes in the same way.
    QTest::newRow("file size limit") << false;
}

void TestStoreFolderMove::fullTargetThenRoomAgain()
{
    QFETCH(bool, smallFilesystem);
    const QString target = TestEnvironment::instance()->root() + QStringLiteral("/small disk");
    QDir(target).removeRecursively();
    QVERIFY(QDir().mkpath(target));
    if (smallFilesystem) {
        if (!SmallFilesystem::mount(target, 1024 * 1024))
            QSKIP(qPrintable(QStringLiteral("no small filesystem: ") + SmallFilesystem::why()));
        mounted = target;
        QVERIFY(SmallFilesystem::fill(target, 64 * 1024));
    }
    seedStore();
    if (QTest::currentTestFailed())
        return;
    const QStringList before = cabinetContents();
    QCOMPARE(before, (QStringList{QStringLiteral("Cabinet 0:a1,a2,a3"), QStringLiteral("Cabinet 1:b1,b2,b3,b4")}));
    const QMap<QString, QByteArray> store = filesBelow(originalStore);
    const QMap<QString, QByteArray> targetBefore = filesBelow(target);

    PreferencesWidget* panel = PreferencesWidget::instance();
    panel->show(controller.get(), 0);
    bool chooserShown = false;
    QStringList messages;
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (!smallFilesystem) {
            limit = std::make_unique<FileSizeLimit>(128 * 1024);
            QVERIFY(limit->isActive());
        }
        messages = changeStoreFolderTo(panel, target, &chooserShown);
    }
    QVERIFY(chooserShown);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().startsWith(QStringLiteral("The Store Folder could not be moved")),
             qPrintable(messages.first()));
    // Nothing changed: the store, where it is, and the target, which has none of it.
    QCOMPARE(VorendaGlobal::storeFolder, originalStore);
    QCOMPARE(QSettings().value(QStringLiteral("Main/StoreFolder")).toString(), originalStore);
    QCOMPARE(filesBelow(target), targetBefore);
    QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
             QStringList(targetBefore.keys()));
    QCOMPARE(filesBelow(originalStore), store);

    // Room again: the same folder now gets the whole store.
    if (smallFilesystem)
        QVERIFY(QFile::remove(target + QStringLiteral("/filler")));
    messages = changeStoreFolderTo(panel, target, &chooserShown);
    QCOMPARE(messages, QStringList{QStringLiteral("The Store Folder was successfully moved to the new location!")});
    const QString newRoot = target + QLatin1Char('/');
    QCOMPARE(VorendaGlobal::storeFolder, newRoot);
    QCOMPARE(QSettings().value(QStringLiteral("Main/StoreFolder")).toString(), newRoot);
    QCOMPARE(filesBelow(target), store);

    // The next start reads its cabinets from there, every item of them.
    panel->hide();
    controller.reset();
    ControllerFixture::deleteShelves();
    QDir(originalStore).removeRecursively();
    VorendaGlobal::initialize();
    QCOMPARE(VorendaGlobal::storeFolder, newRoot);
    controller = std::make_unique<VorendaMain>(nullptr);
    QCOMPARE(cabinetContents(), before);
}

void TestStoreFolderMove::failedCopyPutsBackWhatItReplaced()
{
    const QString from = TestEnvironment::instance()->root() + QStringLiteral("/copy source");
    const QString to = TestEnvironment::instance()->root() + QStringLiteral("/copy target");
    QDir(from).removeRecursively();
    QDir(to).removeRecursively();
    QVERIFY(writeFile(from + QStringLiteral("/Data/a.dat"), "a now"));
    QVERIFY(writeFile(from + QStringLiteral("/Data/b.dat"), "b now"));
    QVERIFY(writeFile(from + QStringLiteral("/Styles/Mine.xml"), "style now"));
    QVERIFY(writeFile(from + QStringLiteral("/Cache/big."), bigPicture()));
    // What an earlier copy left, files of the same names, and the user's own.
    QVERIFY(writeFile(to + QStringLiteral("/Data/a.dat"), "a before"));
    QVERIFY(writeFile(to + QStringLiteral("/Styles/Mine.xml"), "style before"));
    QVERIFY(writeFile(to + QStringLiteral("/notes.txt"), "notes"));
    QVERIFY(writeFile(to + QStringLiteral("/.vorenda-copy-Ab12Cd/Data/a.dat"), "half a copy"));
    QMap<QString, QByteArray> before = filesBelow(to);
    before.remove(QStringLiteral(".vorenda-copy-Ab12Cd/Data/a.dat"));

    QString reason;
    QStringList failed;
    {
        FileSizeLimit limit(128 * 1024);
        QVERIFY(limit.isActive());
        failed = StoreFolderCopy::copy(from, to, &reason);
    }
    QCOMPARE(failed, QStringList{to + QStringLiteral("/Cache/big.")});
    QCOMPARE(reason, QString::fromLocal8Bit(std::strerror(EFBIG)));
    // The target as it was, without the earlier copy's remains.
    QCOMPARE(filesBelow(to), before);
    QCOMPARE(QDir(to).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{QStringLiteral("Data"), QStringLiteral("Styles"), QStringLiteral("notes.txt")}));

    QVERIFY(StoreFolderCopy::copy(from, to, &reason).isEmpty());
    QMap<QString, QByteArray> after = filesBelow(from);
    after.insert(QStringLiteral("notes.txt"), "notes");
    QCOMPARE(filesBelow(to), after);
}

VORENDA_SMALL_FILESYSTEM_TEST_MAIN(TestStoreFolderMove)

#include "tst_storefoldermove.moc"
