#include "TestEnvironment.h"

#include "BookmarksWarningDialog.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "QuestionDriver.h"
#include "RecordingOpener.h"
#include "RecurseDirThread.h"
#include "ShelfDataFile.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalSpy>

#include <memory>

// Items made from link files and browser bookmarks open their address, never a program,
// and only for the schemes a web link or file item stands for; an application the user
// added runs when its entry is trusted, by whatever way it came in; a link to one, given
// as text or a browser's link, adds nothing. All of it holds again after the cabinet was
// saved and read back. A stand-in xdg-open writes down what reached it; a desktop
// entry's program would leave a marker.
class TestOpenAddresses : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void linksAndBookmarksNeverRunAProgram_data();
    void linksAndBookmarksNeverRunAProgram();
    void onlyAddedApplicationsRun_data();
    void onlyAddedApplicationsRun();
    void onlyTrustedEntriesRun_data();
    void onlyTrustedEntriesRun();

private:
    // Adds the entry at `entry` to the cabinet the way `route` does; false when the
    // route could not be taken.
    bool addBy(VorendaShelf& shelf, const QString& route, const QString& entry);
    std::unique_ptr<VorendaShelf> newShelf();
    QString write(const QString& name, const QByteArray& contents) const;
    // The item that `source` ("url", "webloc", "desktop", "bookmark") makes of `address`.
    MyThumbnailItem* addressItem(VorendaShelf& shelf, const QString& source, const QString& address);
    // The cabinet saved and read back into a new one.
    std::unique_ptr<VorendaShelf> reloaded(VorendaShelf& shelf);
    // Opens the item; returns the text of the message it showed, empty for none.
    QString open(VorendaShelf& shelf, MyThumbnailItem* item);
    QStringList opened() const;
    static MyThumbnailItem* onlyItem(const VorendaShelf& shelf);

    QString record;
    QString marker;
    QString trap;
    QString idleHelper;
    int cabinets = 0;
};

void TestOpenAddresses::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    const QString root = TestEnvironment::instance()->root();
    record = RecordingOpener::install();
    marker = root + QStringLiteral("/ran.txt");
    idleHelper = TestEnvironment::instance()->installStub(QStringLiteral("idle-helper"), "exec sleep 30\n");
    QVERIFY(QDir().mkpath(root + QStringLiteral("/trap")));
    trap = write(QStringLiteral("trap/trap.desktop"),
                 "[Desktop Entry]\nType=Application\nName=Trap\nExec=touch " + QFile::encodeName(marker) + "\n");
}

void TestOpenAddresses::init()
{
    QFile::remove(record);
    QFile::remove(marker);
}

void TestOpenAddresses::cleanup()
{
    QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/chromium")).removeRecursively();
}

std::unique_ptr<VorendaShelf> TestOpenAddresses::newShelf()
{
    auto shelf = std::make_unique<VorendaShelf>();
    shelf->id = QStringLiteral("%1").arg(++cabinets, 32, 16, QLatin1Char('0'));
    shelf->fileName = shelf->id + QStringLiteral(".dat");
    shelf->kestrimClient->setProgram(idleHelper);
    shelf->dovalinClient->setProgram(idleHelper);
    return shelf;
}

QString TestOpenAddresses::write(const QString& name, const QByteArray& contents) const
{
    const QString path = TestEnvironment::instance()->root() + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
    return path;
}

QStringList TestOpenAddresses::opened() const
{
    return RecordingOpener::opened(record);
}

MyThumbnailItem* TestOpenAddresses::onlyItem(const VorendaShelf& shelf)
{
    const QList<AbstractThumbnailItem*> items = shelf.view->getAllItems();
    return items.size() == 1 ? qobject_cast<MyThumbnailItem*>(items.first()) : nullptr;
}

MyThumbnailItem* TestOpenAddresses::addressItem(VorendaShelf& shelf, const QString& source, const QString& address)
{
    const QByteArray bytes = address.toUtf8();
    if (source == QLatin1String("bookmark")) {
        const QString profile = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/chromium/Default");
        QDir().mkpath(profile);
        QFile file(profile + QStringLiteral("/Bookmarks"));
        if (!file.open(QIODevice::WriteOnly))
            return nullptr;
        file.write(R"({"roots": {"bookmark_bar": {"type": "folder", "name": "Bar", "children": [
                       {"type": "url", "name": "Mark", "url": ")"
                   + QByteArray(bytes).replace('\\', "\\\\").replace('"', "\\\"") + "\"}]}}}");
        file.close();
        QuestionDriver driver(QuestionDriver::visible<BookmarksWarningDialog>(), [](QWidget* window) {
            auto* question = static_cast<BookmarksWarningDialog*>(window);
            chooseOption(question->findChild<QRadioButton*>(QStringLiteral("recurseRadioButton")));
            question->okButton->click();
        });
        shelf.doMenuAction(AddSafariBookmarks, -1);
        return QTest::qWaitFor([&] { return onlyItem(shelf) != nullptr; }, 10000) ? onlyItem(shelf) : nullptr;
    }
    QByteArray contents;
    if (source == QLatin1String("url"))
        contents = "[InternetShortcut]\r\nURL=" + bytes + "\r\n";
    else if (source == QLatin1String("desktop"))
        contents = "[Desktop Entry]\nType=Link\nName=Site\nURL=" + bytes + "\n";
    else
        contents = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict><key>URL</key><string>"
            + address.toHtmlEscaped().toUtf8() + "</string></dict></plist>\n";
    MyThumbnailItem* item =
        shelf.addItem(QString(), write(QStringLiteral("Link.") + source, contents), QPixmap(), -1, GenericPath);
    // The address is read on the next turns of the event loop.
    return QTest::qWaitFor([&] { return item->properties.target == address; }, 5000) ? item : nullptr;
}

std::unique_ptr<VorendaShelf> TestOpenAddresses::reloaded(VorendaShelf& shelf)
{
    shelf.save();
    auto again = newShelf();
    again->id = shelf.id;
    again->fileName = shelf.fileName;
    if (!again->load(ShelfDataFile::path(*again)))
        return nullptr;
    return again;
}

QString TestOpenAddresses::open(VorendaShelf& shelf, MyThumbnailItem* item)
{
    QString text;
    QuestionDriver driver(QuestionDriver::visible<QMessageBox>(), [&](QWidget* window) {
        auto* box = static_cast<QMessageBox*>(window);
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    }, 500);
    shelf.onOpenItem(item, false);
    return text;
}

void TestOpenAddresses::linksAndBookmarksNeverRunAProgram_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("passed"); // what reaches xdg-open; empty: refused with a message
    const QString folder = QUrl::fromLocalFile(QFileInfo(trap).absolutePath()).toString(QUrl::FullyEncoded);
    const QList<std::pair<const char*, QString>> addresses = {
        {"desktop entry", QUrl::fromLocalFile(trap).toString(QUrl::FullyEncoded)},
        {"script", QStringLiteral("javascript:alert(document.cookie)")},
        {"data", QStringLiteral("data:text/html,<script>alert(1)</script>")},
        {"vbscript", QStringLiteral("vbscript:msgbox(1)")},
        {"share", QStringLiteral("smb://server/share/setup.exe")},
        {"plain path", QStringLiteral("/etc/shadow")},
        {"web", QStringLiteral("https://example.org/page")},
    };
    for (const char* source : {"url", "webloc", "desktop", "bookmark"}) {
        for (const auto& [name, address] : addresses) {
            QString passed;
            if (address.startsWith(QLatin1String("file:")))
                passed = folder; // shown in the file manager, which here is the parent folder opened
            else if (address.startsWith(QLatin1String("https:")))
                passed = address;
            QTest::addRow("%s, %s", source, name) << source << address << passed;
        }
    }
}

void TestOpenAddresses::linksAndBookmarksNeverRunAProgram()
{
    QFETCH(QString, source);
    QFETCH(QString, address);
    QFETCH(QString, passed);
    auto shelf = newShelf();
    MyThumbnailItem* item = addressItem(*shelf, source, address);
    QVERIFY(item);
    QCOMPARE(item->properties.target, address);

    for (int round = 0; round < 2; ++round) {
        const QString message = open(*shelf, item);
        if (passed.isEmpty()) {
            QVERIFY2(message.contains(QLatin1String("was not opened")), qPrintable(message));
            QTest::qWait(200);
            QCOMPARE(opened(), QStringList());
        } else {
            QCOMPARE(message, QString());
            QTRY_COMPARE(opened(), QStringList{passed});
        }
        QVERIFY(!QFile::exists(marker));
        if (round == 0) {
            init();
            shelf = reloaded(*shelf);
            QVERIFY(shelf);
            item = onlyItem(*shelf);
            QVERIFY(item);
            QCOMPARE(item->properties.target, address);
        }
    }
}

void TestOpenAddresses::onlyAddedApplicationsRun_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<bool>("runs");
    const QByteArray exec = "Exec=touch " + QFile::encodeName(marker) + "\n";
    QTest::newRow("application") << "[Desktop Entry]\nType=Application\nName=Tool\n" + exec << true;
    // Read in pieces, the end of the comment would be an application's type ahead of the link's.
    QTest::newRow("link with a line too long")
        << "[Desktop Entry]\nName=Site\nComment=" + QByteArray(64 * 1024 - 9, 'x')
            + "Type=Application\nType=Link\n" + exec
        << false;
    QTest::newRow("link without an address") << "[Desktop Entry]\nType=Link\nName=Site\n" + exec << false;
}

// A desktop entry dropped onto the cabinet: an application runs, anything else does not.
void TestOpenAddresses::onlyAddedApplicationsRun()
{
    QFETCH(QByteArray, entry);
    QFETCH(bool, runs);
    auto shelf = newShelf();
    AbstractThumbnailItem* created = nullptr;
    QVERIFY(QDir().mkpath(TestEnvironment::instance()->root() + QStringLiteral("/data/applications")));
    shelf->onCreateItem(QUrl::fromLocalFile(write(QStringLiteral("data/applications/dropped.desktop"), entry)),
                        QString(), -1, &created);
    QVERIFY(created);
    shelf->view->addItem(created, true);
    QTest::qWait(100);

    for (int round = 0; round < 2; ++round) {
        auto* item = onlyItem(*shelf);
        QVERIFY(item);
        QCOMPARE(open(*shelf, item), QString());
        if (runs)
            QTRY_VERIFY(QFile::exists(marker));
        QTest::qWait(200);
        QCOMPARE(QFile::exists(marker), runs);
        QCOMPARE(opened(), QStringList());
        init();
        if (round == 0) {
            shelf = reloaded(*shelf);
            QVERIFY(shelf);
        }
    }
}

bool TestOpenAddresses::addBy(VorendaShelf& shelf, const QString& route, const QString& entry)
{
    const QUrl url = QUrl::fromLocalFile(entry);
    QUrl onLocalhost = url;
    onLocalhost.setHost(QStringLiteral("localhost"));
    const QByteArray link = url.toEncoded();
    const auto mozUrl = [](const QByteArray& address) {
        // UTF-16 in the machine's order, no mark: address and title lines.
        const QString text = QString::fromUtf8(address) + QStringLiteral("\nFetched");
        return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    };
    auto* data = new QMimeData;
    if (route == QLatin1String("text")) {
        data->setText(url.toString());
    } else if (route == QLatin1String("text, localhost")) {
        data->setText(onLocalhost.toString());
    } else if (route == QLatin1String("moz-url")) {
        data->setData(QStringLiteral("text/x-moz-url"), mozUrl(link));
    } else if (route == QLatin1String("netscape")) {
        data->setData(QStringLiteral("_NETSCAPE_URL"), link + "\nFetched");
    } else if (route == QLatin1String("browser link with a file list")) {
        // A browser gives its link format beside a URI list and text.
        data->setData(QStringLiteral("text/x-moz-url"), mozUrl(link));
        data->setUrls({url});
        data->setText(url.toString());
    } else if (route == QLatin1String("uri-list")) {
        data->setUrls({url});
    } else if (route == QLatin1String("uri-list, localhost")) {
        data->setUrls({onLocalhost});
    } else if (route == QLatin1String("drop") || route == QLatin1String("drop, moz-url")) {
        if (route == QLatin1String("drop"))
            data->setUrls({url});
        else
            data->setData(QStringLiteral("text/x-moz-url"), mozUrl(link));
        const QPoint inside = shelf.view->viewport()->rect().center();
        QDragEnterEvent enter(inside, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(shelf.view->viewport(), &enter);
        QDropEvent drop(inside, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(shelf.view->viewport(), &drop);
        delete data;
        return true;
    } else if (route == QLatin1String("folder walk") || route == QLatin1String("desktop items")) {
        delete data;
        QString folder = QFileInfo(entry).absolutePath();
        if (route == QLatin1String("desktop items")) {
            // The entry on the desktop alone; an installed one by a link to it.
            folder = TestEnvironment::instance()->home() + QStringLiteral("/Desktop");
            QDir(folder).removeRecursively();
            QDir().mkpath(folder);
            const QString placed = folder + QLatin1Char('/') + QFileInfo(entry).fileName();
            const bool installed = entry.contains(QLatin1String("/applications/"));
            if (!(installed ? QFile::link(entry, placed) : QFile::copy(entry, placed)))
                return false;
        }
        QSignalSpy finished(shelf.recurseDirThread, &RecurseDirThread::finished);
        if (route == QLatin1String("folder walk"))
            shelf.addItems(-1, folder + QLatin1Char('/'), -1);
        else
            shelf.doMenuAction(AddDesktopItems, -1);
        return finished.count() > 0 || finished.wait(10000);
    } else {
        delete data;
        return false;
    }
    QApplication::clipboard()->setMimeData(data);
    shelf.onPaste();
    return true;
}

void TestOpenAddresses::onlyTrustedEntriesRun_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("added");
    QTest::addColumn<bool>("runs");
    const QString root = TestEnvironment::instance()->root();
    const QByteArray body = "[Desktop Entry]\nType=Application\nName=Fetched\nExec=touch " + QFile::encodeName(marker)
        + "\n";
    // Each alone in its folder, for the walks: downloaded (not trusted), installed in the
    // user's applications folder, made executable by the user.
    for (const QString& folder : {QStringLiteral("Downloads"), QStringLiteral("data/applications/kit"),
                                  QStringLiteral("Made")})
        QDir().mkpath(root + QLatin1Char('/') + folder);
    const QString downloaded = write(QStringLiteral("Downloads/fetched.desktop"), body);
    const QString installed = write(QStringLiteral("data/applications/kit/installed.desktop"), body);
    const QString made = write(QStringLiteral("Made/made.desktop"), body);
    QFile::setPermissions(made, QFile::permissions(made) | QFileDevice::ExeOwner | QFileDevice::ExeUser);

    // A link to a program is no address: given as text or a browser's link, nothing comes in.
    for (const char* route : {"text", "text, localhost", "moz-url", "netscape", "browser link with a file list",
                              "drop, moz-url"}) {
        QTest::addRow("%s, downloaded", route) << route << downloaded << false << false;
        QTest::addRow("%s, installed", route) << route << installed << false << false;
    }
    // As a file, from a file manager or a walk, it comes in and runs when trusted.
    for (const char* route : {"uri-list", "uri-list, localhost", "drop", "folder walk", "desktop items"}) {
        QTest::addRow("%s, downloaded", route) << route << downloaded << true << false;
        QTest::addRow("%s, installed", route) << route << installed << true << true;
        QTest::addRow("%s, made executable", route) << route << made << true << true;
    }
}

void TestOpenAddresses::onlyTrustedEntriesRun()
{
    QFETCH(QString, route);
    QFETCH(QString, entry);
    QFETCH(bool, added);
    QFETCH(bool, runs);
    auto shelf = newShelf();
    QVERIFY(addBy(*shelf, route, entry));
    if (!added) {
        QTest::qWait(200);
        QVERIFY(shelf->view->getAllItems().isEmpty());
        return;
    }
    QTRY_VERIFY(onlyItem(*shelf));
    const QString folder = QUrl::fromLocalFile(QFileInfo(onlyItem(*shelf)->properties.target).absolutePath())
                               .toString(QUrl::FullyEncoded);

    for (int round = 0; round < 2; ++round) {
        MyThumbnailItem* item = onlyItem(*shelf);
        QVERIFY(item);
        const QString message = open(*shelf, item);
        if (runs) {
            QCOMPARE(message, QString());
            QTRY_VERIFY(QFile::exists(marker));
            QCOMPARE(opened(), QStringList());
        } else {
            // Shown in the file manager, with why and how to trust it.
            QVERIFY2(message.contains(QLatin1String("not trusted")) && message.contains(QLatin1String("executable")),
                     qPrintable(message));
            QTRY_COMPARE(opened(), QStringList{folder});
            QTest::qWait(200);
            QVERIFY(!QFile::exists(marker));
        }
        init();
        if (round == 0) {
            shelf = reloaded(*shelf);
            QVERIFY(shelf);
        }
    }
}

VORENDA_TEST_MAIN(TestOpenAddresses)
#include "tst_openaddresses.moc"
