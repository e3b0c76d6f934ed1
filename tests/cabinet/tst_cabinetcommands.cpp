#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "DockableWidget.h"
#include "DovalinnailClient.h"
#include "KestrimnailClient.h"
#include "MenuCommand.h"
#include "MessageDialog.h"
#include "QuestionDriver.h"
#include "RecurseDirThread.h"
#include "RemoveWarningDialog.h"
#include "SearchBox.h"
#include "ShelfDataFile.h"
#include "TextFunctions.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalSpy>

#include <climits>

// The cabinet's numbered commands: how an entry carries its command, which entry point
// runs what, the frame every command runs in, and the commands that remove things.
class TestCabinetCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void packing_data();
    void packing();
    void plainAndDynamicEntries();
    void dispatcherFrame_data();
    void dispatcherFrame();
    void removingCategoryItems_data();
    void removingCategoryItems();
    void delayedEntryFiresLateAndOnce();
    void entriesAreFreedWithTheirMenu();
    void removalQuestionIsModalAndAlone();
    void cutKeepsThePictures();
    void itemsOnTheClipboardKeepTheirPicture();
    void deletingTheCabinet_data();
    void deletingTheCabinet();
    void categoriesAreMadeAndPlaced();

private:
    static std::unique_ptr<VorendaShelf> newCabinet();
    // An image item whose picture is a file of its own in the cache.
    static MyThumbnailItem* addImageItem(VorendaShelf& shelf, const QString& name, int key = -1);
    static QString cachePath(const MyThumbnailItem* item);
    static QStringList names(const QList<AbstractThumbnailItem*>& items);
    static QStringList categoryNames(const VorendaShelf& shelf);
    static QuestionDriver* answerRemoval(bool yes);
    // Processes the deferred deletes the command left.
    static void flushDeletes();
};

void TestCabinetCommands::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
}

void TestCabinetCommands::init()
{
    VorendaGlobal::readOnlyConfig = false;
    QDir(VorendaGlobal::getCacheLocation()).removeRecursively();
    QVERIFY(QDir().mkpath(VorendaGlobal::getCacheLocation()));
    QVERIFY(QDir().mkpath(VorendaGlobal::getDataLocation()));
}

std::unique_ptr<VorendaShelf> TestCabinetCommands::newCabinet()
{
    auto shelf = std::make_unique<VorendaShelf>();
    static int count = 0;
    shelf->id = QStringLiteral("%1").arg(++count, 32, 16, QLatin1Char('c'));
    shelf->fileName = shelf->id + QStringLiteral(".dat");
    QFile::remove(ShelfDataFile::path(*shelf));
    return shelf;
}

MyThumbnailItem* TestCabinetCommands::addImageItem(VorendaShelf& shelf, const QString& name, int key)
{
    MyThumbnailItem* item = addCabinetItem(shelf, key, name);
    item->properties.type = ThumbImage;
    item->properties.target = QStringLiteral("/pictures/") + name + QStringLiteral(".png");
    item->properties.thumbnail = getHash(item->properties.target) + QLatin1Char('.');
    cardPicture(64, 64, Qt::red).save(cachePath(item), "PNG");
    return item;
}

QString TestCabinetCommands::cachePath(const MyThumbnailItem* item)
{
    return QDir(VorendaGlobal::getCacheLocation()).absoluteFilePath(item->properties.thumbnail);
}

QStringList TestCabinetCommands::names(const QList<AbstractThumbnailItem*>& items)
{
    QStringList list;
    for (AbstractThumbnailItem* item : items)
        list << static_cast<MyThumbnailItem*>(item)->properties.name;
    return list;
}

QStringList TestCabinetCommands::categoryNames(const VorendaShelf& shelf)
{
    QStringList list;
    const QList<CategoryHeaderItem*> headers = shelf.view->getCategoryHeaderList(-1, true);
    for (CategoryHeaderItem* header : headers) {
        const int parent = shelf.view->getCategoryParent(header->getKey());
        list << (parent == -1 ? QString() : shelf.view->getCategoryHeader(parent)->getText() + QLatin1Char('/'))
                + header->getText();
    }
    return list;
}

QuestionDriver* TestCabinetCommands::answerRemoval(bool yes)
{
    return new QuestionDriver(QuestionDriver::visible<RemoveWarningDialog>(), [yes](QWidget* window) {
        auto* dialog = static_cast<RemoveWarningDialog*>(window);
        (yes ? dialog->okButton : dialog->cancelButton)->click();
    });
}

void TestCabinetCommands::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void TestCabinetCommands::packing_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("parameter");
    QTest::addColumn<quint64>("bits");
    QTest::newRow("all items") << int(RemoveCategoryItems) << -1 << Q_UINT64_C(0xFFFFFFFF0000002B);
    QTest::newRow("style key") << int(NewShelf) << 17 << Q_UINT64_C(0x0000001100000001);
    QTest::newRow("zero") << int(DeleteShelf) << 0 << Q_UINT64_C(0);
    QTest::newRow("largest key") << int(AddUtilities) << INT_MAX << Q_UINT64_C(0x7FFFFFFF00000065);
    QTest::newRow("smallest key") << int(MoveSelectedItems) << INT_MIN << Q_UINT64_C(0x8000000000000005);
}

void TestCabinetCommands::packing()
{
    QFETCH(int, type);
    QFETCH(int, parameter);
    QFETCH(quint64, bits);
    const QVariant data = MenuCommand::pack(MenuType(type), parameter);
    QCOMPARE(data.userType(), int(QMetaType::LongLong));
    QCOMPARE(quint64(data.toLongLong()), bits);
    const MenuCommand command = MenuCommand::unpack(data);
    QVERIFY(command.valid);
    QCOMPARE(int(command.type), type);
    QCOMPARE(command.parameter, parameter);

    // Data that is no packed number carries no command.
    QVERIFY(!MenuCommand::unpack(QVariant()).valid);
    QVERIFY(!MenuCommand::unpack(QVariant(QStringLiteral("43"))).valid);
}

// A plain entry runs only what doMenuAction(QAction*, int) carries out; a dynamic one
// runs itself, once, even when its menu's caller hands it on as well.
void TestCabinetCommands::plainAndDynamicEntries()
{
    auto shelf = newCabinet();
    fillCabinet(*shelf);
    QMenu menu;

    QAction* browse = shelf->addMenuAction(&menu, AddFiles, QStringLiteral("Browse..."), -1, false, -1);
    QCOMPARE(browse->parent(), &menu);
    QVERIFY(!browse->isCheckable() && browse->icon().isNull() && browse->shortcut().isEmpty());
    shelf->search(QStringLiteral("Item 1"));
    {
        QuestionDriver fileDialog(QuestionDriver::visible<QFileDialog>(),
                                  [](QWidget* window) { static_cast<QDialog*>(window)->reject(); });
        shelf->doMenuAction(browse, -1);
        QVERIFY(!fileDialog.ran());
    }
    QVERIFY2(shelf->searchBox->text().isEmpty(), "a number above 52 clears the search");
    QCOMPARE(shelf->view->getAllItems().size(), 10);

    QAction* plainNew = shelf->addMenuAction(&menu, NewCategory, QStringLiteral("New Category"), -1, false, -1);
    shelf->doMenuAction(plainNew, -1);
    QCOMPARE(categoryNames(*shelf).size(), 3);

    QAction* dynamicNew = shelf->addMenuAction(&menu, NewCategory, QStringLiteral("New Category"), -1, true, -1);
    QCOMPARE(dynamicNew->parent(), shelf.get());
    QVERIFY(menu.actions().contains(dynamicNew));
    dynamicNew->trigger();
    shelf->doMenuAction(dynamicNew, -1);
    QCOMPARE(categoryNames(*shelf),
             (QStringList{QStringLiteral("Documents"), QStringLiteral("Documents/Letters"), QStringLiteral("Music"),
                          QStringLiteral("Category")}));

    // Invalid data reaches nothing.
    shelf->onDelayedAction(QVariant(), false);
    shelf->doMenuAction(nullptr, -1);
    QCOMPARE(categoryNames(*shelf).size(), 4);
}

void TestCabinetCommands::dispatcherFrame_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("clearsSearch");
    QTest::addColumn<int>("newCategories");
    QTest::newRow("22, no command") << 22 << false << 0;
    QTest::newRow("32, expand all") << int(ExpandAllCategories) << false << 0;
    QTest::newRow("52, reveal nothing selected") << int(LocateSelectedItems) << false << 0;
    QTest::newRow("53, new category") << int(NewCategory) << true << 1;
    QTest::newRow("54 in kiosk mode") << -int(AddFiles) << true << 0;
    QTest::newRow("65, no command") << 65 << true << 0;
    QTest::newRow("99, browser bookmarks not wired") << int(AddSafariBookmarks) << true << 0;
}

// Numbers above 52 clear the search first; the status label is refreshed last, also
// after a number that does nothing.
void TestCabinetCommands::dispatcherFrame()
{
    QFETCH(int, type);
    QFETCH(bool, clearsSearch);
    QFETCH(int, newCategories);
    auto shelf = newCabinet();
    fillCabinet(*shelf);
    shelf->view->clearSelection();
    if (type < 0) {
        shelf->kiosk = true;
        type = -type;
    }
    shelf->search(QStringLiteral("Item"));
    shelf->showStatusMessage(QStringLiteral("Passing message"));

    QuestionDriver fileDialog(QuestionDriver::visible<QFileDialog>(),
                              [](QWidget* window) { static_cast<QDialog*>(window)->reject(); });
    shelf->doMenuAction(MenuType(type), -1);

    QVERIFY(!fileDialog.ran());
    QCOMPARE(shelf->searchBox->text().isEmpty(), clearsSearch);
    QVERIFY(!shelf->statusMessageShown);
    QVERIFY(shelf->statusLabel->text().endsWith(QStringLiteral("10 Items")));
    QCOMPARE(categoryNames(*shelf).size(), 3 + newCategories);
    QCOMPARE(shelf->view->getAllItems().size(), 10);
}

void TestCabinetCommands::removingCategoryItems_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("left");
    const QStringList outside{QStringLiteral("Item 0"), QStringLiteral("Item 1"), QStringLiteral("Item 2")};
    const QStringList documents{QStringLiteral("Item 3"), QStringLiteral("Item 4"), QStringLiteral("Item 5")};
    const QStringList letters{QStringLiteral("Item 6"), QStringLiteral("Item 7")};
    const QStringList music{QStringLiteral("Item 8"), QStringLiteral("Item 9")};
    QTest::newRow("every item") << int(RemoveCategoryItems) << -1 << true << QStringList();
    QTest::newRow("declined") << int(RemoveCategoryItems) << -1 << false << outside + documents + letters + music;
    QTest::newRow("own items") << int(RemoveCategoryItems) << 0 << true << outside + letters + music;
    QTest::newRow("with subcategories") << int(RemoveCategoryItemsWithSubcategories) << 0 << true << outside + music;
    QTest::newRow("subcategories only") << int(RemoveSubcategoryItems) << 0 << true << outside + documents + music;
}

void TestCabinetCommands::removingCategoryItems()
{
    QFETCH(int, type);
    QFETCH(int, key);
    QFETCH(bool, yes);
    QFETCH(QStringList, left);
    auto shelf = newCabinet();
    fillCabinet(*shelf);
    std::unique_ptr<QuestionDriver> driver(answerRemoval(yes));
    shelf->doMenuAction(MenuType(type), key);
    QVERIFY(driver->ran());
    QStringList remaining = names(shelf->view->getAllItems());
    remaining.sort();
    QCOMPARE(remaining, left);
    // The categories stay whatever goes.
    QCOMPARE(categoryNames(*shelf).size(), 3);
}

// The 100 ms entry runs its command no sooner than 100 ms after the click, and once;
// it outlives its menu until then.
void TestCabinetCommands::delayedEntryFiresLateAndOnce()
{
    auto shelf = newCabinet();
    auto* menu = new QMenu;
    QPointer<QAction> entry = shelf->addMenuAction(menu, NewCategory, QStringLiteral("Later"), -1, true, 100);
    QElapsedTimer clock;
    clock.start();
    entry->trigger();
    delete menu;
    flushDeletes();
    QVERIFY(entry);
    QVERIFY(categoryNames(*shelf).isEmpty());

    QTRY_COMPARE_WITH_TIMEOUT(categoryNames(*shelf).size(), 1, 5000);
    QVERIFY(clock.elapsed() >= 100);
    QTest::qWait(300);
    QCOMPARE(categoryNames(*shelf).size(), 1);
    flushDeletes();
    QVERIFY2(!entry, "a fired entry of a closed menu is freed");
}

void TestCabinetCommands::entriesAreFreedWithTheirMenu()
{
    auto shelf = newCabinet();
    auto* menu = new QMenu;
    QMenu* submenu = menu->addMenu(QStringLiteral("Sub"));
    QPointer<QAction> plain = shelf->addMenuAction(menu, HideShelf, QStringLiteral("Hide"), -1, false, -1);
    QPointer<QAction> dynamic = shelf->addMenuAction(menu, ExpandAllCategories, QStringLiteral("Expand"), -1, true, -1);
    QPointer<QAction> nested =
        shelf->addMenuAction(submenu, CollapseAllCategories, QStringLiteral("Collapse"), -1, true, -1);
    QPointer<QAction> waiting = shelf->addMenuAction(menu, NewCategory, QStringLiteral("Later"), -1, true, 100);
    dynamic->trigger();
    delete menu;
    flushDeletes();
    QVERIFY(!plain && !dynamic && !nested);
    // Delayed, but never triggered: nothing keeps it.
    QVERIFY(!waiting);
}

// The question is modal to its cabinet, a second one is refused while it is up, and
// items gone by the answer are left alone.
void TestCabinetCommands::removalQuestionIsModalAndAlone()
{
    auto shelf = newCabinet();
    QPointer<MyThumbnailItem> going = addImageItem(*shelf, QStringLiteral("Sunset"));
    QPointer<MyThumbnailItem> vanishing = addImageItem(*shelf, QStringLiteral("Harbour"));
    addImageItem(*shelf, QStringLiteral("Forest"));
    const QString vanishingPicture = cachePath(vanishing);
    shelf->view->resetModel();
    shelf->view->updateLayout();
    shelf->show();
    QVERIFY(QTest::qWaitForWindowExposed(shelf.get()));
    shelf->view->clearSelection();
    going->setSelected(true);
    vanishing->setSelected(true);

    int dialogs = 0;
    QuestionDriver driver(QuestionDriver::visible<RemoveWarningDialog>(), [&](QWidget* window) {
        auto* dialog = static_cast<RemoveWarningDialog*>(window);
        QCOMPARE(dialog->modalParent(), shelf.get());
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        shelf->doMenuAction(RemoveSelectedItems, -1);
        for (QWidget* widget : QApplication::topLevelWidgets())
            dialogs += widget->isVisible() && qobject_cast<RemoveWarningDialog*>(widget) ? 1 : 0;
        shelf->view->removeItem(vanishing, true);
        dialog->okButton->click();
    });
    shelf->doMenuAction(RemoveSelectedItems, -1);
    QVERIFY(driver.ran());
    QCOMPARE(dialogs, 1);
    QVERIFY(!going && !vanishing);
    QCOMPARE(names(shelf->view->getAllItems()), QStringList{QStringLiteral("Forest")});
    QVERIFY2(QFile::exists(vanishingPicture), "an item that left otherwise keeps its picture");
    QVERIFY(!shelf->dialogOpen);
}

void TestCabinetCommands::cutKeepsThePictures()
{
    auto shelf = newCabinet();
    MyThumbnailItem* item = addImageItem(*shelf, QStringLiteral("Sunset"));
    addImageItem(*shelf, QStringLiteral("Harbour"));
    const QString picture = cachePath(item);
    shelf->view->resetModel();
    shelf->view->clearSelection();
    item->setSelected(true);

    std::unique_ptr<QuestionDriver> driver(answerRemoval(true));
    shelf->cutAction->trigger();
    QVERIFY(driver->ran());
    QCOMPARE(names(shelf->view->getAllItems()), QStringList{QStringLiteral("Harbour")});
    QVERIFY(QFile::exists(picture));
    QVERIFY(QApplication::clipboard()->mimeData()->hasFormat(
        QStringLiteral("application/x-abstractthumbnailview-clipboardmime")));

    // Removing is still removing: the picture no other item uses goes.
    shelf->view->clearSelection();
    shelf->view->getAllItems().first()->setSelected(true);
    const QString other = cachePath(static_cast<MyThumbnailItem*>(shelf->view->getAllItems().first()));
    driver.reset(answerRemoval(true));
    shelf->doMenuAction(RemoveSelectedItems, -1);
    QVERIFY(driver->ran());
    QVERIFY(!QFile::exists(other));
}

void TestCabinetCommands::itemsOnTheClipboardKeepTheirPicture()
{
    // Two items of the same target share one cached picture.
    auto shelf = newCabinet();
    MyThumbnailItem* cut = addImageItem(*shelf, QStringLiteral("Sunset"));
    MyThumbnailItem* twin = addImageItem(*shelf, QStringLiteral("Sunset"));
    const QString picture = cachePath(cut);
    QCOMPARE(cachePath(twin), picture);
    shelf->view->resetModel();
    shelf->view->clearSelection();
    cut->setSelected(true);
    std::unique_ptr<QuestionDriver> driver(answerRemoval(true));
    shelf->cutAction->trigger();
    QVERIFY(driver->ran());

    // The cut item lives only on the clipboard now; removing its twin leaves its picture.
    shelf->view->clearSelection();
    twin->setSelected(true);
    driver.reset(answerRemoval(true));
    shelf->doMenuAction(RemoveSelectedItems, -1);
    QVERIFY(driver->ran());
    QVERIFY(shelf->view->getAllItems().isEmpty());
    QVERIFY2(QFile::exists(picture), "the picture of an item on the clipboard is removed");

    // Pasted, it shows its own picture again.
    shelf->view->paste();
    const QList<AbstractThumbnailItem*> pasted = shelf->view->getAllItems();
    QCOMPARE(names(pasted), QStringList{QStringLiteral("Sunset")});
    QCOMPARE(cachePath(static_cast<MyThumbnailItem*>(pasted.first())), picture);

    // Once the clipboard holds something else, the last item to leave takes the picture along.
    QApplication::clipboard()->setText(QStringLiteral("other"));
    shelf->view->clearSelection();
    pasted.first()->setSelected(true);
    driver.reset(answerRemoval(true));
    shelf->doMenuAction(RemoveSelectedItems, -1);
    QVERIFY(driver->ran());
    QVERIFY(!QFile::exists(picture));
}

void TestCabinetCommands::deletingTheCabinet_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("kiosk");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("confirmed") << true << false << false;
    QTest::newRow("declined") << false << false << false;
    QTest::newRow("kiosk mode") << true << true << false;
    QTest::newRow("read-only configuration") << true << false << true;
}

void TestCabinetCommands::deletingTheCabinet()
{
    QFETCH(bool, yes);
    QFETCH(bool, kiosk);
    QFETCH(bool, readOnly);
    QPointer<VorendaShelf> shelf = newCabinet().release();
    const QString dataFile = ShelfDataFile::path(*shelf);
    shelf->save();
    QVERIFY(QFile::exists(dataFile));
    const QString picture = cachePath(addImageItem(*shelf, QStringLiteral("Sunset")));
    shelf->show();
    shelf->kiosk = kiosk;
    VorendaGlobal::readOnlyConfig = readOnly;

    QSignalSpy removed(shelf.data(), &VorendaShelf::shelfRemoved);
    QuestionDriver driver(QuestionDriver::visible<QMessageBox>(), [yes](QWidget* window) {
        static_cast<QMessageBox*>(window)->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    QMenu menu;
    shelf->doMenuAction(shelf->addMenuAction(&menu, DeleteShelf, QStringLiteral("Delete Cabinet"), -1, false, -1), -1);

    const bool gone = yes && !kiosk;
    QCOMPARE(driver.ran(), !kiosk);
    QCOMPARE(removed.count(), gone ? 1 : 0);
    QCOMPARE(QFile::exists(dataFile), !gone || readOnly);
    QCOMPARE(QFile::exists(picture), !gone || readOnly);
    if (!gone) {
        QCOMPARE(shelf->view->getAllItems().size(), 1);
        QVERIFY(!shelf->kestrimClient->aborted());
        VorendaGlobal::readOnlyConfig = false;
        delete shelf.data();
        return;
    }
    // Stopped before it was taken apart, and never written again.
    QVERIFY(shelf->recurseDirThread->aborted());
    QVERIFY(shelf->kestrimClient->aborted() && shelf->dovalinClient->aborted());
    QVERIFY(!shelf->isVisible());
    VorendaGlobal::readOnlyConfig = false;
    shelf->quit();
    QCOMPARE(QFile::exists(dataFile), readOnly);
    QTRY_VERIFY(shelf.isNull());
    QCOMPARE(removed.count(), 1);
    if (readOnly)
        QFile::remove(dataFile);
}

// A new category at the end or at a "(here)" place, named for typing, and a category
// moved before, after or into another.
void TestCabinetCommands::categoriesAreMadeAndPlaced()
{
    auto shelf = newCabinet();
    fillCabinet(*shelf);
    QMenu menu;
    const auto plain = [&](MenuType type, int parameter, int key) {
        shelf->doMenuAction(shelf->addMenuAction(&menu, type, QStringLiteral("(here)"), parameter, false, -1), key);
    };

    shelf->doMenuAction(NewCategory, 0);
    QCOMPARE(categoryNames(*shelf).at(2), QStringLiteral("Documents/Subcategory"));
    plain(NewCategoryBefore, 2, -1);
    plain(NewCategoryAfter, 0, -1);
    QCOMPARE(categoryNames(*shelf),
             (QStringList{QStringLiteral("Documents"), QStringLiteral("Documents/Letters"),
                          QStringLiteral("Documents/Subcategory"), QStringLiteral("Category"),
                          QStringLiteral("Category"), QStringLiteral("Music")}));
    QCOMPARE(shelf->statusLabel->text(), QStringLiteral("6 Categories, 10 Items"));

    // Music (2) first, then after Letters (1), then into Letters.
    plain(MoveCategoryBefore, 0, 2);
    QCOMPARE(categoryNames(*shelf).first(), QStringLiteral("Music"));
    plain(MoveCategoryAfter, 1, 2);
    QCOMPARE(shelf->view->getCategoryParent(2), 0);
    QCOMPARE(shelf->view->getCategoryPos(2), 1);
    plain(MoveCategoryInto, 1, 2);
    QCOMPARE(shelf->view->getCategoryParent(2), 1);
    // A category never moves below itself.
    plain(MoveCategoryInto, 2, 0);
    QCOMPARE(shelf->view->getCategoryParent(0), -1);
}

VORENDA_TEST_MAIN(TestCabinetCommands)
#include "tst_cabinetcommands.moc"
