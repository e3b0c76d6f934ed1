#include "TestEnvironment.h"

#include "CabinetCommands.h"
#include "CabinetTestFixtures.h"
#include "DockableWidget.h"
#include "QuestionDriver.h"
#include "RemoveWarningDialog.h"
#include "SafariBookmarksParser.h"
#include "ShelfDataFile.h"
#include "TextFunctions.h"

#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QSignalSpy>

// Removing items and deleting a whole cabinet: both ask first, and only what really
// leaves takes its cached picture with it.
class TestDeleting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void removalAsksWithTheNamesInOrder_data();
    void removalAsksWithTheNamesInOrder();
    void removalIsRefusedWithoutAQuestion_data();
    void removalIsRefusedWithoutAQuestion();
    void itemsGoneDuringTheQuestionAreLeftAlone();
    void lockedDuringTheQuestionRemovesNothing_data();
    void lockedDuringTheQuestionRemovesNothing();
    void deleteKeyRemovesOnlyAfterYes();
    void deletingTheCabinetRemovesItsFileAndPictures_data();
    void deletingTheCabinetRemovesItsFileAndPictures();

private:
    // An image item whose picture is a file of its own in the cache.
    static MyThumbnailItem* addImageItem(VorendaShelf& shelf, const QString& name);
    static QString cachePath(const MyThumbnailItem* item);
    static QuestionDriver* answerRemoval(bool yes, QStringList* names = nullptr);
};

void TestDeleting::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
}

void TestDeleting::init()
{
    QDir(VorendaGlobal::getCacheLocation()).removeRecursively();
    QVERIFY(QDir().mkpath(VorendaGlobal::getCacheLocation()));
}

MyThumbnailItem* TestDeleting::addImageItem(VorendaShelf& shelf, const QString& name)
{
    MyThumbnailItem* item = addCabinetItem(shelf, -1, name);
    item->properties.type = 1;
    item->properties.target = QStringLiteral("/pictures/") + name + QStringLiteral(".png");
    item->properties.thumbnail = getHash(item->properties.target) + QLatin1Char('.');
    cardPicture(64, 64, Qt::red).save(cachePath(item), "PNG");
    return item;
}

QString TestDeleting::cachePath(const MyThumbnailItem* item)
{
    return QDir(VorendaGlobal::getCacheLocation()).absoluteFilePath(item->properties.thumbnail);
}

QuestionDriver* TestDeleting::answerRemoval(bool yes, QStringList* names)
{
    return new QuestionDriver(QuestionDriver::visible<RemoveWarningDialog>(), [yes, names](QWidget* window) {
        auto* dialog = static_cast<RemoveWarningDialog*>(window);
        if (names) {
            for (int i = 0; i < dialog->listWidget->count(); ++i)
                names->append(dialog->listWidget->item(i)->text());
        }
        (yes ? dialog->okButton : dialog->cancelButton)->click();
    });
}

void TestDeleting::removalAsksWithTheNamesInOrder_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("confirmed") << true;
    QTest::newRow("declined") << false;
}

void TestDeleting::removalAsksWithTheNamesInOrder()
{
    QFETCH(bool, yes);
    VorendaShelf shelf;
    MyThumbnailItem* first = addImageItem(shelf, QStringLiteral("Sunset"));
    MyThumbnailItem* second = addImageItem(shelf, QStringLiteral("Harbour"));
    MyThumbnailItem* third = addImageItem(shelf, QStringLiteral("Dunes"));
    MyThumbnailItem* staying = addImageItem(shelf, QStringLiteral("Forest"));

    QStringList shown;
    std::unique_ptr<QuestionDriver> driver(answerRemoval(yes, &shown));
    bool ok = !yes;
    shelf.onDeleteItemsRequest({first, nullptr, second, third}, &ok);

    QVERIFY(driver->ran());
    QCOMPARE(shown, QStringList({QStringLiteral("Sunset"), QStringLiteral("Harbour"), QStringLiteral("Dunes")}));
    QCOMPARE(ok, yes);
    QVERIFY(!shelf.dialogOpen);
    // The pictures go before the caller takes the items out of the view.
    for (MyThumbnailItem* item : {first, second, third})
        QCOMPARE(QFile::exists(cachePath(item)), !yes);
    QVERIFY(QFile::exists(cachePath(staying)));
    QCOMPARE(shelf.view->getAllItems().size(), 4);
}

void TestDeleting::removalIsRefusedWithoutAQuestion_data()
{
    QTest::addColumn<bool>("kiosk");
    QTest::addColumn<bool>("questionOpen");
    QTest::addColumn<bool>("noItems");
    QTest::newRow("kiosk mode") << true << false << false;
    QTest::newRow("another question open") << false << true << false;
    QTest::newRow("only null items") << false << false << true;
}

void TestDeleting::removalIsRefusedWithoutAQuestion()
{
    QFETCH(bool, kiosk);
    QFETCH(bool, questionOpen);
    QFETCH(bool, noItems);
    VorendaShelf shelf;
    MyThumbnailItem* item = addImageItem(shelf, QStringLiteral("Sunset"));
    shelf.kiosk = kiosk;
    shelf.dialogOpen = questionOpen;
    std::unique_ptr<QuestionDriver> driver(answerRemoval(true));
    bool ok = true;
    shelf.onDeleteItemsRequest(noItems ? QList<AbstractThumbnailItem*>{nullptr} : QList<AbstractThumbnailItem*>{item},
                               &ok);
    QVERIFY(!ok);
    QVERIFY(!driver->ran());
    QVERIFY(QFile::exists(cachePath(item)));
}

// The question lets everything else run; an item deleted meanwhile is neither touched
// nor reported as removable.
void TestDeleting::itemsGoneDuringTheQuestionAreLeftAlone()
{
    VorendaShelf shelf;
    MyThumbnailItem* going = addImageItem(shelf, QStringLiteral("Sunset"));
    MyThumbnailItem* staying = addImageItem(shelf, QStringLiteral("Harbour"));
    const QString goingPath = cachePath(going);
    std::unique_ptr<QuestionDriver> driver(
        new QuestionDriver(QuestionDriver::visible<RemoveWarningDialog>(), [&](QWidget* window) {
            shelf.view->removeItem(going, true);
            static_cast<RemoveWarningDialog*>(window)->okButton->click();
        }));
    bool ok = false;
    shelf.onDeleteItemsRequest({going}, &ok);
    QVERIFY(driver->ran());
    QVERIFY(!ok);
    QVERIFY(QFile::exists(goingPath));
    QVERIFY(QFile::exists(cachePath(staying)));
}

void TestDeleting::lockedDuringTheQuestionRemovesNothing_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("items") << "items";
    QTest::newRow("a category") << "category";
    QTest::newRow("the cabinet") << "cabinet";
}

// A question waits in a loop of its own, while another window of the program (the
// personalization panel) can lock the cabinet; a yes given after the lock removes nothing.
void TestDeleting::lockedDuringTheQuestionRemovesNothing()
{
    QFETCH(QString, what);
    QPointer<VorendaShelf> shelf = new VorendaShelf;
    fillCabinet(*shelf);
    MyThumbnailItem* item = addImageItem(*shelf, QStringLiteral("Sunset"));
    const int items = shelf->view->getAllItems().size();
    QSignalSpy removed(shelf.data(), &VorendaShelf::shelfRemoved);
    const auto lockThenYes = [&shelf](QWidget* window) {
        shelf->onToggleKioskMode();
        if (auto* removal = qobject_cast<RemoveWarningDialog*>(window))
            removal->okButton->click();
        else
            static_cast<QMessageBox*>(window)->button(QMessageBox::Yes)->click();
    };
    std::unique_ptr<QuestionDriver> driver;
    if (what == QLatin1String("cabinet")) {
        driver = std::make_unique<QuestionDriver>(QuestionDriver::visible<QMessageBox>(), lockThenYes);
        CabinetCommands(*shelf).deleteCabinet();
    } else {
        driver = std::make_unique<QuestionDriver>(QuestionDriver::visible<RemoveWarningDialog>(), lockThenYes);
        if (what == QLatin1String("items")) {
            bool ok = true;
            shelf->onDeleteItemsRequest({item}, &ok);
            QVERIFY(!ok);
        } else {
            shelf->doMenuAction(RemoveCategoryWithSubcategories, 0);
        }
    }
    QVERIFY(driver->ran());
    QVERIFY(shelf);
    QVERIFY(shelf->kiosk);
    QCOMPARE(removed.count(), 0);
    QCOMPARE(shelf->view->getAllItems().size(), items);
    QCOMPARE(shelf->view->getCategoryHeaderList(-1, true).size(), 3);
    QVERIFY(QFile::exists(cachePath(item)));
    delete shelf.data();
}

void TestDeleting::deleteKeyRemovesOnlyAfterYes()
{
    VorendaShelf shelf;
    MyThumbnailItem* item = addImageItem(shelf, QStringLiteral("Sunset"));
    addImageItem(shelf, QStringLiteral("Harbour"));
    shelf.view->resetModel();
    shelf.view->updateLayout();
    shelf.view->clearSelection();
    item->setSelected(true);
    for (bool yes : {false, true}) {
        std::unique_ptr<QuestionDriver> driver(answerRemoval(yes));
        QTest::keyClick(shelf.view, Qt::Key_Delete);
        QVERIFY(driver->ran());
        QCOMPARE(shelf.view->getAllItems().size(), yes ? 1 : 2);
    }
}

void TestDeleting::deletingTheCabinetRemovesItsFileAndPictures_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("kiosk");
    QTest::newRow("confirmed") << true << false;
    QTest::newRow("declined") << false << false;
    QTest::newRow("kiosk mode") << true << true;
}

void TestDeleting::deletingTheCabinetRemovesItsFileAndPictures()
{
    QFETCH(bool, yes);
    QFETCH(bool, kiosk);
    QPointer<VorendaShelf> shelf = new VorendaShelf;
    shelf->id = QStringLiteral("0123456789abcdef0123456789abcdef");
    shelf->fileName = shelf->id + QStringLiteral(".dat");
    QVERIFY(QDir().mkpath(VorendaGlobal::getDataLocation()));
    const QString dataFile = ShelfDataFile::path(*shelf);
    QVERIFY(!dataFile.isEmpty());
    {
        QFile file(dataFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<!DOCTYPE Vorenda-CabinetData>\n<Cabinet/>\n");
    }
    const QString picture = cachePath(addImageItem(*shelf, QStringLiteral("Sunset")));
    shelf->show();
    shelf->kiosk = kiosk;

    QSignalSpy removed(shelf.data(), &VorendaShelf::shelfRemoved);
    std::unique_ptr<QuestionDriver> driver(
        new QuestionDriver(QuestionDriver::visible<QMessageBox>(), [yes](QWidget* window) {
            auto* box = static_cast<QMessageBox*>(window);
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        }));
    CabinetCommands(*shelf).deleteCabinet();

    const bool gone = yes && !kiosk;
    QCOMPARE(driver->ran(), !kiosk);
    QCOMPARE(removed.count(), gone ? 1 : 0);
    QCOMPARE(QFile::exists(dataFile), !gone);
    QCOMPARE(QFile::exists(picture), !gone);
    if (gone) {
        QVERIFY(!shelf->isVisible());
        // Nothing the helpers and readers still hold reaches it any more.
        for (ThumbnailClient* client : std::initializer_list<ThumbnailClient*>{
                 shelf->kestrimClient, shelf->tulmarClient, shelf->dovalinClient, shelf->sarnekClient})
            QVERIFY(client->aborted());
        QVERIFY(shelf->weblocParser->aborted());
        QVERIFY(shelf->bookmarksParser->aborted());
        QTRY_VERIFY(shelf.isNull());
    } else {
        QCOMPARE(shelf->view->getAllItems().size(), 1);
        delete shelf.data();
    }
}

VORENDA_TEST_MAIN(TestDeleting)
#include "tst_deleting.moc"
