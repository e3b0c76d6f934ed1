#include "MenuEntries.h"
#include "TestEnvironment.h"

#include "AddProgressWidget.h"
#include "BookmarksWarningDialog.h"
#include "CategoryHeaderItem.h"
#include "FolderWarningDialog.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "QuestionDriver.h"
#include "RecurseDirThread.h"
#include "SafariBookmarksParser.h"
#include "ShelfDataFile.h"
#include "ShelfParts.h"
#include "SubfoldersWarningDialog.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QLineEdit>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

// A cabinet filling itself from folders: dropped folders with the folder and
// subfolder questions, pausing and aborting through the progress window, the
// standard places, application entries, and a cabinet deleted while it walks.
class TestFolderWalks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void folderQuestionAnswers_data();
    void folderQuestionAnswers();
    void subfolderAnswers_data();
    void subfolderAnswers();
    void subfolderQuestionOncePerWalk();
    void pausedWalk_data();
    void pausedWalk();
    void abortReachesOnlyItsOwnCabinet();
    void answerAfterAbortIsDropped();
    void allShortcutsAddThirteenGroupsOnce();
    void favoritesAreBookmarkedFolders();
    void fileDialogsAddChosenPaths();
    void applicationsAreDesktopEntries_data();
    void applicationsAreDesktopEntries();
    void deletedCabinetStopsAndIsNotSaved();
    void bookmarkFolderAnswers_data();
    void bookmarkFolderAnswers();
    void bookmarksCommand_data();
    void bookmarksCommand();
    void bookmarkImportPausesAndAborts();
    void bookmarkBoundIsTold();

private:
    // Writes `json` as the bookmarks of a Chromium profile of this user; an empty text
    // removes them.
    static bool writeChromiumBookmarks(const QByteArray& json);
    // Answers the bookmark folder question, once it shows, with "keep the folders".
    static std::unique_ptr<QuestionDriver> keepFoldersWhenAsked();
    std::unique_ptr<VorendaShelf> newCabinet();
    // Every item as "name@Category/Subcategory" ("name@" outside categories), sorted.
    static QStringList contents(const VorendaShelf& shelf);
    static bool waitForWalkEnd(QSignalSpy& finished, int count = 1);
    QString makeTree(const QStringList& files);
    // The GTK file manager's bookmarks of the test home, one line each.
    static bool writeGtkBookmarks(const QStringList& lines);
    // A folder in the test home, made when missing.
    static QString homeFolder(const QString& name);

    std::unique_ptr<QTemporaryDir> trees;
    int cabinets = 0;
};

void TestFolderWalks::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
}

void TestFolderWalks::cleanup()
{
    AddProgressWidget::instance()->close();
    trees.reset();
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                  + QStringLiteral("/gtk-3.0/bookmarks"));
}

std::unique_ptr<VorendaShelf> TestFolderWalks::newCabinet()
{
    auto shelf = std::make_unique<VorendaShelf>();
    shelf->id = QStringLiteral("%1").arg(++cabinets, 32, 16, QLatin1Char('0'));
    shelf->fileName = shelf->id + QStringLiteral(".dat");
    QFile::remove(ShelfDataFile::path(*shelf));
    return shelf;
}

QStringList TestFolderWalks::contents(const VorendaShelf& shelf)
{
    QStringList lines;
    const QList<AbstractThumbnailItem*> items = shelf.view->getAllItems();
    for (AbstractThumbnailItem* item : items) {
        QStringList path;
        for (int key = item->getCategoryKey(); key != -1; key = shelf.view->getCategoryParent(key))
            path.prepend(shelf.view->getCategoryHeader(key)->getText());
        lines << static_cast<MyThumbnailItem*>(item)->properties.name + QLatin1Char('@') + path.join(QLatin1Char('/'));
    }
    lines.sort();
    return lines;
}

bool TestFolderWalks::waitForWalkEnd(QSignalSpy& finished, int count)
{
    while (finished.count() < count) {
        if (!finished.wait(10000))
            return false;
    }
    return true;
}

QString TestFolderWalks::makeTree(const QStringList& files)
{
    if (!trees)
        trees = std::make_unique<QTemporaryDir>();
    const QString root = trees->filePath(QStringLiteral("Tree%1").arg(QDir(trees->path()).count()));
    for (const QString& file : files) {
        const QString path = root + QLatin1Char('/') + file;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write("x");
    }
    QDir().mkpath(root);
    return root;
}

void TestFolderWalks::folderQuestionAnswers_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("walks");

    const QString category = QStringLiteral("Drop");
    QTest::newRow("1 new category and contents")
        << "createRadioButton" << false
        << QStringList{QStringLiteral("a@") + category, QStringLiteral("b@") + category,
                       QStringLiteral("c@") + category}
        << true;
    QTest::newRow("2 contents only") << "recurseRadioButton" << false
                                     << QStringList{QStringLiteral("a@"), QStringLiteral("b@"), QStringLiteral("c@")}
                                     << true;
    QTest::newRow("3 skip") << "skipRadioButton" << false << QStringList() << false;
    QTest::newRow("4 the folder as one item")
        << "asItemRadioButton" << false << QStringList{QStringLiteral("Drop@")} << false;
    QTest::newRow("cancel") << "createRadioButton" << true << QStringList() << false;
}

void TestFolderWalks::folderQuestionAnswers()
{
    QFETCH(QString, option);
    QFETCH(bool, cancel);
    QFETCH(QStringList, expected);
    QFETCH(bool, walks);

    auto shelf = newCabinet();
    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("Drop"));
    QDir().mkpath(folder);
    for (const char* file : {"a.txt", "b.txt", "c.txt"}) {
        QFile out(folder + QLatin1Char('/') + QLatin1String(file));
        QVERIFY(out.open(QIODevice::WriteOnly));
    }
    QSignalSpy finished(shelf->recurseDirThread, &RecurseDirThread::finished);

    QuestionDriver driver(QuestionDriver::visible<FolderWarningDialog>(), [&](QWidget* window) {
        auto* question = static_cast<FolderWarningDialog*>(window);
        chooseOption(question->findChild<QRadioButton*>(option));
        (cancel ? question->cancelButton : question->okButton)->click();
    });
    AbstractThumbnailItem* made = nullptr;
    shelf->onCreateItem(QUrl::fromLocalFile(folder), QString(), -1, &made);
    QVERIFY(driver.ran());
    // The view adds what its signal hands back.
    if (made)
        shelf->view->addItem(made, true);

    if (walks) {
        QVERIFY(waitForWalkEnd(finished));
        QCOMPARE(finished.first().at(2).toBool(), false);
        // The end of the walk saved the cabinet with its new items.
        QFile saved(ShelfDataFile::path(*shelf));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray text = saved.readAll();
        for (const char* file : {"a.txt", "b.txt", "c.txt"})
            QVERIFY(text.contains(QFile::encodeName(folder + QLatin1Char('/') + QLatin1String(file))));
    } else {
        QVERIFY(!shelf->recurseDirThread->isRunning());
        QCOMPARE(finished.count(), 0);
    }
    QCOMPARE(contents(*shelf), expected);
    QVERIFY(!shelf->dialogOpen);
}

void TestFolderWalks::subfolderAnswers_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("aborted");

    QTest::newRow("1 subcategories") << "createRadioButton" << false
                                     << QStringList{QStringLiteral("a@"), QStringLiteral("b@One"),
                                                    QStringLiteral("c@One/Deep"), QStringLiteral("d@Two")}
                                     << false;
    QTest::newRow("2 recurse without subcategories")
        << "recurseRadioButton" << false
        << QStringList{QStringLiteral("a@"), QStringLiteral("b@"), QStringLiteral("c@"), QStringLiteral("d@")} << false;
    QTest::newRow("3 skip subfolders") << "skipRadioButton" << false << QStringList{QStringLiteral("a@")} << false;
    QTest::newRow("4 subfolders as items")
        << "asItemsRadioButton" << false
        << QStringList{QStringLiteral("One@"), QStringLiteral("Two@"), QStringLiteral("a@")} << false;
    QTest::newRow("cancel") << "createRadioButton" << true << QStringList{QStringLiteral("a@")} << true;
}

void TestFolderWalks::subfolderAnswers()
{
    QFETCH(QString, option);
    QFETCH(bool, cancel);
    QFETCH(QStringList, expected);
    QFETCH(bool, aborted);

    const QString root = makeTree({QStringLiteral("a.txt"), QStringLiteral("One/b.txt"),
                                   QStringLiteral("One/Deep/c.txt"), QStringLiteral("Two/d.txt")});
    auto shelf = newCabinet();
    QSignalSpy finished(shelf->recurseDirThread, &RecurseDirThread::finished);
    int asked = 0;
    QuestionDriver driver(QuestionDriver::visible<SubfoldersWarningDialog>(), [&](QWidget* window) {
        auto* question = static_cast<SubfoldersWarningDialog*>(window);
        ++asked;
        chooseOption(question->findChild<QRadioButton*>(option));
        (cancel ? question->cancelButton : question->okButton)->click();
    });
    shelf->addItems(-1, root, -1);
    QVERIFY(waitForWalkEnd(finished));

    QCOMPARE(asked, 1);
    QCOMPARE(finished.first().at(2).toBool(), aborted);
    QCOMPARE(contents(*shelf), expected);
    QCOMPARE(shelf->subfolderChoice, -1);
    QVERIFY(!AddProgressWidget::visible());
    // Aborted or not, the end of the walk saves.
    QVERIFY(QFile::exists(ShelfDataFile::path(*shelf)));
}

void TestFolderWalks::subfolderQuestionOncePerWalk()
{
    const QString root =
        makeTree({QStringLiteral("One/a.txt"), QStringLiteral("Two/b.txt"), QStringLiteral("Three/c.txt")});
    auto shelf = newCabinet();
    QSignalSpy finished(shelf->recurseDirThread, &RecurseDirThread::finished);
    int asked = 0;
    auto answer = [&](QWidget* window) {
        ++asked;
        static_cast<SubfoldersWarningDialog*>(window)->okButton->click();
    };

    {
        // Two jobs queued together make one walk: one question for both.
        QuestionDriver driver(QuestionDriver::visible<SubfoldersWarningDialog>(), answer);
        shelf->addItems(-1, root, -1);
        shelf->addItems(-1, root + QStringLiteral("/Two"), -1);
        QVERIFY(waitForWalkEnd(finished));
    }
    QCOMPARE(asked, 1);
    QCOMPARE(finished.count(), 1);

    // The next walk asks again.
    QuestionDriver driver(QuestionDriver::visible<SubfoldersWarningDialog>(), answer);
    shelf->addItems(-1, root, -1);
    QVERIFY(waitForWalkEnd(finished, 2));
    QCOMPARE(asked, 2);
    // The second job's own files carry its own category, none.
    QCOMPARE(contents(*shelf),
             (QStringList{QStringLiteral("a@One"), QStringLiteral("b@"), QStringLiteral("b@Two"),
                          QStringLiteral("c@Three")}));
    // The counts show what the walks added.
    QCOMPARE(shelf->statusLabel->text(), QStringLiteral("3 Categories, 4 Items"));
}

enum class PauseEnd { Continue, TitleBarClose, Abort, Locked };
Q_DECLARE_METATYPE(PauseEnd)

void TestFolderWalks::pausedWalk_data()
{
    QTest::addColumn<PauseEnd>("end");
    QTest::addColumn<int>("items");
    QTest::addColumn<bool>("aborted");
    QTest::newRow("Continue") << PauseEnd::Continue << 4 << false;
    QTest::newRow("window closed") << PauseEnd::TitleBarClose << 4 << false;
    QTest::newRow("Abort") << PauseEnd::Abort << 1 << true;
    // Locked in kiosk mode, the cabinet takes nothing more: the walk ends as on Abort.
    QTest::newRow("cabinet locked") << PauseEnd::Locked << 1 << true;
}

void TestFolderWalks::pausedWalk()
{
    QFETCH(PauseEnd, end);
    QFETCH(int, items);
    QFETCH(bool, aborted);

    const QString root =
        makeTree({QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("c.txt"), QStringLiteral("d.txt")});
    auto shelf = newCabinet();
    AddProgressWidget* panel = AddProgressWidget::instance();
    panel->pause();
    QSignalSpy finished(shelf->recurseDirThread, &RecurseDirThread::finished);
    shelf->addItems(-1, root, -1);

    // The first item shows the window for this cabinet; the pause holds the walk there.
    QTRY_COMPARE(shelf->view->getAllItems().size(), 1);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->shelf, shelf.get());
    QCOMPARE(panel->nameLabel->text(), QStringLiteral("a"));
    QVERIFY(!panel->thumbnail->pixmap()->isNull());
    QVERIFY(panel->thumbnail->pixmap()->width() <= 60 && panel->thumbnail->pixmap()->height() <= 60);
    QTest::qWait(200);
    QCOMPARE(shelf->view->getAllItems().size(), 1);
    QVERIFY(shelf->recurseDirThread->waiting());
    QCOMPARE(finished.count(), 0);

    switch (end) {
    case PauseEnd::Continue:
        panel->pauseButton->click();
        break;
    case PauseEnd::TitleBarClose:
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        panel->windowHandle()->close();
        break;
    case PauseEnd::Abort:
        panel->abortButton->click();
        break;
    case PauseEnd::Locked:
        shelf->onToggleKioskMode();
        break;
    }
    QVERIFY(waitForWalkEnd(finished));
    QCOMPARE(finished.first().at(2).toBool(), aborted);
    QCOMPARE(shelf->view->getAllItems().size(), items);
    QVERIFY(!panel->isVisible());
    QVERIFY(!panel->paused);
    QVERIFY(QFile::exists(ShelfDataFile::path(*shelf)));
}

void TestFolderWalks::abortReachesOnlyItsOwnCabinet()
{
    const QString rootA = makeTree({QStringLiteral("a1.txt"), QStringLiteral("a2.txt"), QStringLiteral("a3.txt")});
    const QString rootB = makeTree({QStringLiteral("b1.txt"), QStringLiteral("Sub/b2.txt")});
    auto shelfA = newCabinet();
    auto shelfB = newCabinet();
    auto idle = newCabinet();
    QSignalSpy finishedA(shelfA->recurseDirThread, &RecurseDirThread::finished);
    QSignalSpy finishedB(shelfB->recurseDirThread, &RecurseDirThread::finished);
    QSignalSpy finishedIdle(idle->recurseDirThread, &RecurseDirThread::finished);

    AddProgressWidget* panel = AddProgressWidget::instance();
    panel->pause();
    shelfA->addItems(-1, rootA, -1);
    QTRY_COMPARE(panel->shelf, shelfA.get());

    // B adds without the window (it is A's) and stops at its subfolder question, its
    // report outstanding; there A's Continue and Abort are pressed.
    bool bStillWalking = false;
    QuestionDriver driver(QuestionDriver::visible<SubfoldersWarningDialog>(), [&](QWidget* window) {
        QCOMPARE(contents(*shelfB), QStringList{QStringLiteral("b1@")});
        // B's items leave A's window alone.
        QCOMPARE(panel->shelf, shelfA.get());
        QCOMPARE(panel->nameLabel->text(), QStringLiteral("a1"));
        panel->pauseButton->click();  // Continue
        panel->pauseButton->click();  // Pause again
        panel->abortButton->click();
        bStillWalking = !shelfB->recurseDirThread->aborted();
        // Had Continue answered B's report, this answer would come too late to keep
        // B out of its subfolder.
        auto* question = static_cast<SubfoldersWarningDialog*>(window);
        chooseOption(question->skipRadioButton);
        question->okButton->click();
    });
    shelfB->addItems(-1, rootB, -1);
    QVERIFY(waitForWalkEnd(finishedB));
    QVERIFY(driver.ran());
    QVERIFY(bStillWalking);
    QCOMPARE(finishedB.first().at(2).toBool(), false);
    QCOMPARE(contents(*shelfB), QStringList{QStringLiteral("b1@")});

    QVERIFY(waitForWalkEnd(finishedA));
    QCOMPARE(finishedA.first().at(2).toBool(), true);
    QVERIFY(shelfA->view->getAllItems().size() < 3);
    QCOMPARE(finishedIdle.count(), 0);
    QVERIFY(!idle->recurseDirThread->aborted());
}

void TestFolderWalks::answerAfterAbortIsDropped()
{
    const QString root = makeTree({QStringLiteral("a.txt"), QStringLiteral("Sub/b.txt")});
    auto shelf = newCabinet();
    QSignalSpy finished(shelf->recurseDirThread, &RecurseDirThread::finished);
    AddProgressWidget* panel = AddProgressWidget::instance();
    QuestionDriver driver(QuestionDriver::visible<SubfoldersWarningDialog>(), [&](QWidget* window) {
        // The progress window belongs to this walk; its Abort ends the walk while the
        // question is still open.
        QCOMPARE(panel->shelf, shelf.get());
        panel->abortButton->click();
        static_cast<SubfoldersWarningDialog*>(window)->okButton->click();
    });
    shelf->addItems(-1, root, -1);
    QVERIFY(waitForWalkEnd(finished));
    QVERIFY(driver.ran());
    QCOMPARE(finished.first().at(2).toBool(), true);
    QCOMPARE(contents(*shelf), QStringList{QStringLiteral("a@")});
    QVERIFY(!shelf->view->getCategoryHeader(0));
    QCOMPARE(shelf->subfolderChoice, -1);
}

bool TestFolderWalks::writeGtkBookmarks(const QStringList& lines)
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/gtk-3.0/bookmarks");
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    const QByteArray text = lines.join(QLatin1Char('\n')).toUtf8() + '\n';
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QString TestFolderWalks::homeFolder(const QString& name)
{
    const QString path = QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::HomeLocation)) + QLatin1Char('/')
        + name;
    QDir().mkpath(path);
    return path;
}

// On a home with bookmarked folders and utility programs, every one of the thirteen
// places adds its group: a folder as one item each, the first bookmark under its
// label, and the utilities as a category of their own.
void TestFolderWalks::allShortcutsAddThirteenGroupsOnce()
{
    const auto folder = [](QStandardPaths::StandardLocation location) {
        const QString path = QStandardPaths::writableLocation(location);
        QDir().mkpath(path);
        return QDir::cleanPath(path);
    };
    const QString trash = folder(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash/files");
    QDir().mkpath(trash);
    const QString projects = homeFolder(QStringLiteral("Projects"));
    QVERIFY(writeGtkBookmarks({QUrl::fromLocalFile(projects).toString() + QStringLiteral(" Work"),
                               QUrl::fromLocalFile(homeFolder(QStringLiteral("Recipes"))).toString()}));
    MenuEntries menus;
    QVERIFY(menus.add(QStringLiteral("calc.desktop"), "Type=Application\nName=Calculator\nCategories=Utility;\n"));
    QVERIFY(menus.add(QStringLiteral("viewer.desktop"), "Type=Application\nName=Viewer\nCategories=Graphics;\n"));
    const QStringList expected{folder(QStandardPaths::HomeLocation),      folder(QStandardPaths::DesktopLocation),
                               folder(QStandardPaths::ApplicationsLocation), projects,
                               QStringLiteral("/"),                        folder(QStandardPaths::DocumentsLocation),
                               folder(QStandardPaths::PicturesLocation),   folder(QStandardPaths::MusicLocation),
                               folder(QStandardPaths::MoviesLocation),     folder(QStandardPaths::DownloadLocation),
                               trash,                                      folder(QStandardPaths::TempLocation)};

    auto shelf = newCabinet();
    const int places = shelf->addCategory(QStringLiteral("Places"), -1)->getKey();
    QSignalSpy finished(shelf->recurseDirThread, &RecurseDirThread::finished);
    QVERIFY(ShelfParts::of(*shelf).walks.runCommand(AllShortcuts, places));
    QVERIFY(waitForWalkEnd(finished));
    const QList<AbstractThumbnailItem*> first = shelf->view->getAllItems();
    QStringList targets;
    QStringList names;
    for (AbstractThumbnailItem* item : first) {
        if (item->getCategoryKey() != places)
            continue;
        targets << static_cast<MyThumbnailItem*>(item)->properties.target;
        names << static_cast<MyThumbnailItem*>(item)->properties.name;
    }
    QCOMPARE(targets, expected);
    QCOMPARE(names.at(3), QStringLiteral("Work"));
    QCOMPARE(names.at(4), QStringLiteral("File System"));
    QCOMPARE(names.at(10), QStringLiteral("Trash"));
    QCOMPARE(names.at(11), QStringLiteral("System's Temporary Directory"));
    QCOMPARE(names.at(5), QFileInfo(expected.at(5)).fileName());
    const QList<CategoryHeaderItem*> subcategories = shelf->view->getCategoryHeaderList(places, false);
    QCOMPARE(subcategories.size(), 1);
    QCOMPARE(subcategories.first()->getText(), QStringLiteral("Utilities"));
    QCOMPARE(contents(*shelf).filter(QStringLiteral("@Places/")), QStringList{QStringLiteral("Calculator@Places/Utilities")});

    QVERIFY(ShelfParts::of(*shelf).walks.runCommand(AllShortcuts, places));
    QVERIFY(waitForWalkEnd(finished, 2));
    QCOMPARE(shelf->view->getAllItems(), first);
    QCOMPARE(shelf->view->getCategoryHeaderList(places, false), subcategories);
    // Commands that are no places are left to the caller.
    QVERIFY(!ShelfParts::of(*shelf).walks.runCommand(RenameSelectedItem, -1));
}

// Favorites are the folders bookmarked in the file manager that exist here, under
// their labels; without bookmarks or utilities their places add nothing at all.
void TestFolderWalks::favoritesAreBookmarkedFolders()
{
    QVERIFY(writeGtkBookmarks({QUrl::fromLocalFile(homeFolder(QStringLiteral("Projects"))).toString()
                                   + QStringLiteral(" Work"),
                               QUrl::fromLocalFile(homeFolder(QStringLiteral("Recipes"))).toString(),
                               QUrl::fromLocalFile(homeFolder(QStringLiteral("Gone"))).toString() + QStringLiteral(" Gone"),
                               QStringLiteral("sftp://server/srv Server")}));
    QDir(homeFolder(QStringLiteral("Gone"))).removeRecursively();
    auto shelf = newCabinet();
    QVERIFY(ShelfParts::of(*shelf).walks.runCommand(AddFavorites, -1));
    QCOMPARE(contents(*shelf), (QStringList{QStringLiteral("Recipes@"), QStringLiteral("Work@")}));

    QVERIFY(writeGtkBookmarks({}));
    MenuEntries menus;
    QVERIFY(menus.add(QStringLiteral("viewer.desktop"), "Type=Application\nName=Viewer\nCategories=Graphics;\n"));
    auto empty = newCabinet();
    QSignalSpy finished(empty->recurseDirThread, &RecurseDirThread::finished);
    for (MenuType command : {AddFavorites, FavoritesShortcut, UtilitiesShortcut})
        QVERIFY(ShelfParts::of(*empty).walks.runCommand(command, -1));
    QVERIFY(waitForWalkEnd(finished));
    QVERIFY(empty->view->getAllItems().isEmpty());
    QVERIFY(empty->view->getRootCategoryHeaderList().isEmpty());
}

void TestFolderWalks::fileDialogsAddChosenPaths()
{
    const QString root = makeTree(
        {QStringLiteral("a.txt"), QStringLiteral(".hidden"), QStringLiteral("b.txt"), QStringLiteral("Folder/c.txt")});
    auto shelf = newCabinet();
    const auto choose = [](const QString& folder, const QString& names) {
        return [folder, names](QWidget* window) {
            auto* dialog = static_cast<QFileDialog*>(window);
            dialog->setDirectory(folder);
            if (names.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(names);
            static_cast<QDialog*>(dialog)->accept();
        };
    };

    {
        // Hidden and vanished files are skipped; the folder is remembered.
        QuestionDriver driver(QuestionDriver::visible<QFileDialog>(),
                              choose(root, QStringLiteral("\"a.txt\" \".hidden\" \"b.txt\"")));
        QFile::remove(root + QStringLiteral("/b.txt"));
        QVERIFY(ShelfParts::of(*shelf).walks.runCommand(AddFiles, -1));
        QVERIFY(driver.ran());
    }
    QCOMPARE(contents(*shelf), QStringList{QStringLiteral("a@")});
    QCOMPARE(shelf->settings.value(QStringLiteral("Cabinets/ItemsDir_%1").arg(shelf->id)).toString(), root);

    {
        QuestionDriver driver(QuestionDriver::visible<QFileDialog>(), choose(root, QStringLiteral("Folder")));
        QVERIFY(ShelfParts::of(*shelf).walks.runCommand(AddFolderShortcut, -1));
        QVERIFY(driver.ran());
    }
    QCOMPARE(contents(*shelf), (QStringList{QStringLiteral("Folder@"), QStringLiteral("a@")}));
    QCOMPARE(shelf->settings.value(QStringLiteral("Cabinets/LastDir_%1").arg(shelf->id)).toString(),
             root + QStringLiteral("/Folder"));

    {
        // A cancelled choice adds nothing and forgets nothing.
        QuestionDriver driver(QuestionDriver::visible<QFileDialog>(), choose(root, QString()));
        QVERIFY(ShelfParts::of(*shelf).walks.runCommand(AddFolderShortcut, -1));
        QVERIFY(driver.ran());
    }
    QCOMPARE(contents(*shelf), (QStringList{QStringLiteral("Folder@"), QStringLiteral("a@")}));
    QCOMPARE(shelf->settings.value(QStringLiteral("Cabinets/LastDir_%1").arg(shelf->id)).toString(),
             root + QStringLiteral("/Folder"));
    QVERIFY(!shelf->dialogOpen);
}

void TestFolderWalks::applicationsAreDesktopEntries_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("applications") << int(AddApplications)
                                  << QStringList{QStringLiteral("Calculator@"), QStringLiteral("My Editor@"),
                                                 QStringLiteral("Viewer@")};
    QTest::newRow("utilities") << int(AddUtilities)
                               << QStringList{QStringLiteral("Calculator@"), QStringLiteral("My Editor@")};
}

void TestFolderWalks::applicationsAreDesktopEntries()
{
    QFETCH(int, command);
    QFETCH(QStringList, expected);

    MenuEntries menus;
    QVERIFY(menus.add(QStringLiteral("editor.desktop"), "Type=Application\nName=My Editor\nCategories=Utility;TextEditor;\n",
                      true));
    // The user's own entry of the same id hides the system's.
    QVERIFY(menus.add(QStringLiteral("editor.desktop"), "Type=Application\nName=System Editor\nCategories=Utility;\n"));
    QVERIFY(menus.add(QStringLiteral("viewer.desktop"), "Type=Application\nName=Viewer\nCategories=Graphics;\n"));
    QVERIFY(menus.add(QStringLiteral("handler.desktop"), "Type=Application\nName=Handler\nNoDisplay=true\n"));
    QVERIFY(menus.add(QStringLiteral("gone.desktop"), "Type=Application\nName=Gone\nHidden=true\n"));
    QVERIFY(menus.add(QStringLiteral("site.desktop"), "Type=Link\nName=Site\nURL=https://example.org\n"));
    QVERIFY(menus.add(QStringLiteral("tools/calc.desktop"), "Type=Application\nName=Calculator\nCategories=Utility;\n"));
    QVERIFY(menus.addOther(QStringLiteral("mimeinfo.cache")));

    auto shelf = newCabinet();
    QSignalSpy finished(shelf->recurseDirThread, &RecurseDirThread::finished);
    // No question comes up for the folders that only group entries.
    QuestionDriver driver(QuestionDriver::visible<SubfoldersWarningDialog>(), [](QWidget* window) { window->close(); });
    QVERIFY(ShelfParts::of(*shelf).walks.runCommand(MenuType(command), -1));
    QVERIFY(waitForWalkEnd(finished));
    QVERIFY(!driver.ran());
    QCOMPARE(contents(*shelf), expected);
}

void TestFolderWalks::deletedCabinetStopsAndIsNotSaved()
{
    const QString root = makeTree({QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("c.txt")});
    AddProgressWidget* panel = AddProgressWidget::instance();

    auto shelf = newCabinet();
    const QString dataFile = ShelfDataFile::path(*shelf);
    QSignalSpy finished(shelf->recurseDirThread, &RecurseDirThread::finished);
    panel->pause();
    shelf->addItems(-1, root, -1);
    QTRY_COMPARE(panel->shelf, shelf.get());

    // A deleted cabinet announces it before the event loop deletes it.
    emit shelf->shelfRemoved(shelf.get());
    QVERIFY(shelf->recurseDirThread->aborted());
    QVERIFY(!panel->isVisible());
    QVERIFY(!panel->shelf);
    QTRY_VERIFY(finished.count() == 1 && !shelf->recurseDirThread->isRunning());
    QTest::qWait(50);
    QVERIFY(!QFile::exists(dataFile));
    QCOMPARE(shelf->view->getAllItems().size(), 1);
    // No new walk starts for it either.
    shelf->addItems(-1, root, -1);
    QVERIFY(!shelf->recurseDirThread->isRunning());

    // Destroyed outright while its walk waits on a pause: the window lets go of it.
    auto other = newCabinet();
    panel->pause();
    other->addItems(-1, root, -1);
    QTRY_COMPARE(panel->shelf, other.get());
    other.reset();
    QVERIFY(!panel->isVisible());
    QVERIFY(!panel->shelf);
}

void TestFolderWalks::bookmarkFolderAnswers_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("category");  // empty: none made, the data stays
    QTest::addColumn<bool>("emitDirFound");
    QTest::addColumn<bool>("skipSubfolders");
    QTest::addColumn<bool>("abort");

    QTest::newRow("1 bar") << "BookmarksBar" << "createRadioButton" << false << "Bookmarks Bar" << true << false
                           << false;
    QTest::newRow("1 menu") << "bookmarksmenu" << "createRadioButton" << false << "Bookmarks Menu" << true << false
                            << false;
    QTest::newRow("1 other") << "News" << "createRadioButton" << false << "News" << true << false << false;
    QTest::newRow("2 flatten") << "News" << "recurseRadioButton" << false << QString() << false << false << false;
    QTest::newRow("3 skip") << "News" << "skipRadioButton" << false << QString() << true << true << false;
    QTest::newRow("cancel") << "News" << "createRadioButton" << true << QString() << true << false << true;
}

void TestFolderWalks::bookmarkFolderAnswers()
{
    QFETCH(QString, folder);
    QFETCH(QString, option);
    QFETCH(bool, cancel);
    QFETCH(QString, category);
    QFETCH(bool, emitDirFound);
    QFETCH(bool, skipSubfolders);
    QFETCH(bool, abort);

    auto shelf = newCabinet();
    QVariant data(-1);
    bool reportFolders = true;
    bool skip = false;
    bool stop = false;
    QuestionDriver driver(QuestionDriver::visible<BookmarksWarningDialog>(), [&](QWidget* window) {
        auto* question = static_cast<BookmarksWarningDialog*>(window);
        chooseOption(question->findChild<QRadioButton*>(option));
        (cancel ? question->cancelButton : question->okButton)->click();
    });
    shelf->onFolderFound(folder, data, reportFolders, skip, stop);
    QVERIFY(driver.ran());

    QCOMPARE(reportFolders, emitDirFound);
    QCOMPARE(skip, skipSubfolders);
    QCOMPARE(stop, abort);
    if (category.isEmpty()) {
        QCOMPARE(data, QVariant(-1));
        QVERIFY(!shelf->view->getCategoryHeader(0));
    } else {
        CategoryHeaderItem* header = shelf->view->getCategoryHeader(data.toInt());
        QVERIFY(header);
        QCOMPARE(header->getText(), category);
    }
    // The answer holds for the rest of the import, a cancel for nothing.
    QCOMPARE(shelf->bookmarkFolderChoice == -1, cancel);
    shelf->onBookmarksParserFinished(0, 0, false);
    QCOMPARE(shelf->bookmarkFolderChoice, -1);
    QVERIFY(!shelf->dialogOpen);
}

void TestFolderWalks::bookmarksCommand_data()
{
    QTest::addColumn<QByteArray>("chromium");  // empty: no browser keeps bookmarks here
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("no browser") << QByteArray() << QStringList();
    QTest::newRow("empty browser") << QByteArray(R"({"roots": {"bookmark_bar": {"type": "folder", "children": []}}})")
                                   << QStringList();
    QTest::newRow("chromium") << QByteArray(R"({"version": 1, "roots": {
        "bookmark_bar": {"type": "folder", "name": "Bookmarks bar", "children": [
            {"type": "url", "name": "Alpha", "url": "https://alpha.example.org/"},
            {"type": "folder", "name": "Work", "children": [
                {"type": "url", "name": "Beta", "url": "https://beta.example.org/"}]}]},
        "other": {"type": "folder", "name": "Other bookmarks", "children": [
            {"type": "url", "name": "Gamma", "url": "https://gamma.example.org/"}]}}})")
                              << QStringList({QStringLiteral("Alpha@Bookmarks Bar"),
                                              QStringLiteral("Beta@Bookmarks Bar/Work"),
                                              QStringLiteral("Gamma@Other Bookmarks")});
}

// "Browser Bookmarks" imports every browser's bookmarks into categories after the
// folder question, or says in the status label that there are none.
void TestFolderWalks::bookmarksCommand()
{
    QFETCH(QByteArray, chromium);
    QFETCH(QStringList, expected);

    QVERIFY(writeChromiumBookmarks(chromium));
    auto shelf = newCabinet();
    shelf->initialize();
    QSignalSpy finished(shelf->bookmarksParser, &SafariBookmarksParser::finished);
    const std::unique_ptr<QuestionDriver> driver = keepFoldersWhenAsked();
    shelf->doMenuAction(AddSafariBookmarks, -1);
    QVERIFY(finished.wait(10000));
    QVERIFY(writeChromiumBookmarks(QByteArray()));

    QCOMPARE(driver->ran(), !expected.isEmpty());
    QCOMPARE(contents(*shelf), expected);
    QCOMPARE(shelf->bookmarkFolderChoice, -1);
    QCOMPARE(shelf->statusMessageShown, expected.isEmpty());
    if (expected.isEmpty())
        QCOMPARE(shelf->statusLabel->text(), QStringLiteral("No browser bookmarks were found!"));
    else
        QCOMPARE(shelf->statusLabel->text(), QStringLiteral("3 Categories, 3 Items"));
}

bool TestFolderWalks::writeChromiumBookmarks(const QByteArray& json)
{
    const QString profile = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/chromium/Default");
    QDir(QFileInfo(profile).absolutePath()).removeRecursively();
    if (json.isEmpty())
        return true;
    QFile file(profile + QStringLiteral("/Bookmarks"));
    return QDir().mkpath(profile) && file.open(QIODevice::WriteOnly) && file.write(json) == json.size();
}

std::unique_ptr<QuestionDriver> TestFolderWalks::keepFoldersWhenAsked()
{
    return std::make_unique<QuestionDriver>(QuestionDriver::visible<BookmarksWarningDialog>(), [](QWidget* window) {
        auto* question = static_cast<BookmarksWarningDialog*>(window);
        chooseOption(question->findChild<QRadioButton*>(QStringLiteral("createRadioButton")));
        question->okButton->click();
    });
}

// A large import shows on the progress window, whose Pause holds it, Continue lets it
// go on and Abort ends it, keeping what it made.
void TestFolderWalks::bookmarkImportPausesAndAborts()
{
    QByteArray json = R"({"roots": {"bookmark_bar": {"type": "folder", "children": [)";
    const int count = 5000;
    for (int i = 0; i < count; ++i)
        json += (i ? ", " : "") + QStringLiteral(R"({"type": "url", "name": "Link %1", "url": "https://example.org/%1"})")
                                      .arg(i)
                                      .toUtf8();
    QVERIFY(writeChromiumBookmarks(json + "]}}}"));
    auto shelf = newCabinet();
    shelf->initialize();
    AddProgressWidget* panel = AddProgressWidget::instance();
    panel->pause();
    QSignalSpy finished(shelf->bookmarksParser, &SafariBookmarksParser::finished);
    const std::unique_ptr<QuestionDriver> driver = keepFoldersWhenAsked();
    shelf->doMenuAction(AddSafariBookmarks, -1);

    const auto items = [&shelf] { return shelf->view->getAllItems().size(); };
    QTRY_VERIFY_WITH_TIMEOUT(shelf->bookmarksParser->paused(), 20000);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->shelf, shelf.get());
    const int held = items();
    QVERIFY(held > 0 && held < count);
    QTest::qWait(100);
    QCOMPARE(items(), held);

    panel->pause();
    QTRY_VERIFY(items() > held);
    panel->abort();
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().at(2).toBool(), true);
    const int kept = items();
    QVERIFY(kept < count);
    QTest::qWait(50);
    QCOMPARE(items(), kept);
    QVERIFY(!panel->isVisible());
    // The cabinet paints as ever again.
    QVERIFY(shelf->view->viewport()->updatesEnabled());
    QCOMPARE(shelf->bookmarkFolderChoice, -1);
    QVERIFY(writeChromiumBookmarks(QByteArray()));
}

// An import stops at its bound, and a message says how many bookmarks it left out.
void TestFolderWalks::bookmarkBoundIsTold()
{
    QVERIFY(writeChromiumBookmarks(R"({"roots": {"bookmark_bar": {"type": "folder", "children": [
        {"type": "url", "name": "Alpha", "url": "https://alpha.example.org/"},
        {"type": "url", "name": "Beta", "url": "https://beta.example.org/"},
        {"type": "url", "name": "Gamma", "url": "https://gamma.example.org/"},
        {"type": "url", "name": "Delta", "url": "https://delta.example.org/"}]}}})"));
    auto shelf = newCabinet();
    shelf->initialize();
    shelf->bookmarksParser->setMaxBookmarks(2);
    QSignalSpy finished(shelf->bookmarksParser, &SafariBookmarksParser::finished);
    const std::unique_ptr<QuestionDriver> folders = keepFoldersWhenAsked();
    QString message;
    QuestionDriver box(QuestionDriver::visible<QMessageBox>(), [&message](QWidget* window) {
        message = static_cast<QMessageBox*>(window)->text();
        static_cast<QMessageBox*>(window)->accept();
    }, 30000);
    shelf->doMenuAction(AddSafariBookmarks, -1);
    QVERIFY(finished.wait(30000));
    QVERIFY(box.ran());
    QCOMPARE(message, QStringLiteral("Only the first 2 bookmarks were imported. Left out: 2."));
    QCOMPARE(contents(*shelf), (QStringList{QStringLiteral("Alpha@Bookmarks Bar"), QStringLiteral("Beta@Bookmarks Bar")}));
    QVERIFY(!shelf->dialogOpen);
    QVERIFY(writeChromiumBookmarks(QByteArray()));
}

VORENDA_TEST_MAIN(TestFolderWalks)
#include "tst_folderwalks.moc"
