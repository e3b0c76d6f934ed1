#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "NavigatorItem.h"
#include "QuestionDriver.h"
#include "RemoveWarningDialog.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QListWidget>

// Categories of a cabinet: new keys, finding a category by name, the headers the
// cabinet builds, and the question asked before categories are removed.
class TestCabinetCategories : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void newKeyFollowsTheLastKey_data();
    void newKeyFollowsTheLastKey();
    void newKeyFollowsALoadedFile();
    void namesMatchWithoutCaseAmongSiblings_data();
    void namesMatchWithoutCaseAmongSiblings();
    void headerTakesTheCabinetSwitches();
    void headerTogglesReachInstalledHeaders();
    void navigatorRowIsStyled();
    void nameEditorOpenedInTheBackgroundTakesTheKeys_data();
    void nameEditorOpenedInTheBackgroundTakesTheKeys();
    void questionListsWhatGoes_data();
    void questionListsWhatGoes();
    void refusedWithoutAQuestion_data();
    void refusedWithoutAQuestion();
    void secondRequestIsRefusedWhileOneIsOpen();
    void categoryGoneDuringTheQuestionIsNotRemoved();
    void cabinetDeletedDuringTheQuestion();
    void removalDeletesOnlyThePicturesOfItemsThatLeave_data();
    void removalDeletesOnlyThePicturesOfItemsThatLeave();

private:
    // The Remove answer given by `step` to the next remove question, run from its wait.
    static QuestionDriver* answerRemoveQuestion(QuestionDriver::Step step);
};

void TestCabinetCategories::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
}

void TestCabinetCategories::cleanup()
{
    QDir(VorendaGlobal::getCacheLocation()).removeRecursively();
}

QuestionDriver* TestCabinetCategories::answerRemoveQuestion(QuestionDriver::Step step)
{
    return new QuestionDriver(QuestionDriver::visible<RemoveWarningDialog>(), std::move(step));
}

void TestCabinetCategories::newKeyFollowsTheLastKey_data()
{
    QTest::addColumn<QList<int>>("loadedKeys");
    QTest::addColumn<int>("firstNewKey");
    QTest::newRow("fresh cabinet") << QList<int>() << 0;
    QTest::newRow("one loaded category") << QList<int>({0}) << 1;
    QTest::newRow("keys with gaps") << QList<int>({0, 5, 7}) << 8;
    QTest::newRow("highest key first") << QList<int>({7, 0, 5}) << 8;
}

void TestCabinetCategories::newKeyFollowsTheLastKey()
{
    QFETCH(QList<int>, loadedKeys);
    QFETCH(int, firstNewKey);
    VorendaShelf shelf;
    // Installed under their stored keys, as the data file reader does.
    for (int key : qAsConst(loadedKeys))
        addCabinetCategory(shelf, key, QStringLiteral("Loaded %1").arg(key));

    CategoryHeaderItem* first = shelf.addCategory(QStringLiteral("First"), -1);
    QVERIFY(first);
    QCOMPARE(first->getKey(), firstNewKey);
    QCOMPARE(shelf.view->getCategoryHeader(firstNewKey), first);
    // The next one counts on, whatever its parent.
    CategoryHeaderItem* second = shelf.addCategory(QStringLiteral("Second"), firstNewKey);
    QVERIFY(second);
    QCOMPARE(second->getKey(), firstNewKey + 1);
    QCOMPARE(shelf.view->getCategoryParent(second->getKey()), firstNewKey);
}

void TestCabinetCategories::newKeyFollowsALoadedFile()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile file(folder.filePath(QStringLiteral("cabinet.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE Vorenda-CabinetData>\n<Root>\n"
               "<Settings/>\n<Uncategorized/>\n"
               "<Category name=\"Photos\" key=\"0\"/>\n"
               "<Category name=\"Music\" key=\"5\"/>\n"
               "<Category name=\"Jazz\" key=\"7\" parent=\"5\"/>\n"
               "</Root>\n");
    file.close();

    VorendaShelf shelf;
    QVERIFY(shelf.load(file.fileName()));
    QCOMPARE(shelf.view->getCategoryHeaderList(-1, true).count(), 3);
    // A loaded name is found whatever its case, and a new one counts on from 7.
    QCOMPARE(shelf.addCategory(QStringLiteral("photos"), -1), shelf.view->getCategoryHeader(0));
    CategoryHeaderItem* header = shelf.addCategory(QStringLiteral("Books"), -1);
    QVERIFY(header);
    QCOMPARE(header->getKey(), 8);
}

void TestCabinetCategories::namesMatchWithoutCaseAmongSiblings_data()
{
    QTest::addColumn<QString>("askedName");
    QTest::addColumn<int>("askedParent");
    QTest::addColumn<bool>("found");
    // "Photos" stands at the top and under "Trips" (key 1); "Music" (key 0) holds none.
    QTest::newRow("other case, same parent") << "photos" << -1 << true;
    QTest::newRow("upper case under a parent") << "PHOTOS" << 1 << true;
    QTest::newRow("same name, other parent") << "Photos" << 0 << false;
    QTest::newRow("a longer name") << "Photos 2" << -1 << false;
    QTest::newRow("empty name is a name") << QString() << -1 << false;
}

void TestCabinetCategories::namesMatchWithoutCaseAmongSiblings()
{
    QFETCH(QString, askedName);
    QFETCH(int, askedParent);
    QFETCH(bool, found);
    VorendaShelf shelf;
    addCabinetCategory(shelf, 0, QStringLiteral("Music"));
    addCabinetCategory(shelf, 1, QStringLiteral("Trips"));
    CategoryHeaderItem* topPhotos = addCabinetCategory(shelf, 2, QStringLiteral("Photos"));
    CategoryHeaderItem* tripPhotos = addCabinetCategory(shelf, 3, QStringLiteral("Photos"), 1);
    CategoryHeaderItem* existing = askedParent == -1 ? topPhotos : tripPhotos;

    CategoryHeaderItem* header = shelf.addCategory(askedName, askedParent);
    QVERIFY(header);
    if (found) {
        QCOMPARE(header, existing);
        QCOMPARE(shelf.view->getLastCategoryKey(), 3);
        QCOMPARE(shelf.view->getCategoryHeaderList(-1, true).count(), 4);
    } else {
        QCOMPARE(header->getKey(), 4);
        QCOMPARE(header->getText(), askedName);
        QCOMPARE(shelf.view->getCategoryParent(4), askedParent);
        // A second request finds the category just made.
        QCOMPARE(shelf.addCategory(askedName.toUpper(), askedParent), header);
    }
}

void TestCabinetCategories::headerTakesTheCabinetSwitches()
{
    VorendaShelf shelf;
    shelf.hidecatstatusbutton = true;
    shelf.showcatfullpath = false;
    shelf.showcatnumberofitems = true;
    std::unique_ptr<CategoryHeaderItem> header(shelf.getCategoryHeaderItem(QStringLiteral("Music")));
    QVERIFY(header);
    QVERIFY(!header->parentItem());
    QVERIFY(!header->getView());
    QCOMPARE(header->getText(), QStringLiteral("Music"));
    QVERIFY(header->getStateButton());
    QVERIFY(!header->getStateButton()->isEnabled());
    QVERIFY(!header->getHideIfEmpty());
    TextItem* text = header->getTextItem();
    QVERIFY(text);
    QVERIFY(text->isEditable());
    QCOMPARE(text->getFlags(), 0x184);
    // The style has given it its text colour.
    QCOMPARE(text->getPen().color(), shelf.style.categoryTextColor);

    shelf.hidecatstatusbutton = false;
    std::unique_ptr<CategoryHeaderItem> enabled(shelf.getCategoryHeaderItem(QStringLiteral("Books")));
    QVERIFY(enabled->getStateButton()->isEnabled());
}

void TestCabinetCategories::headerTogglesReachInstalledHeaders()
{
    VorendaShelf shelf;
    shelf.showcatfullpath = true;
    shelf.showcatnumberofitems = false;
    CategoryHeaderItem* music = shelf.addCategory(QStringLiteral("Music"), -1);
    CategoryHeaderItem* jazz = shelf.addCategory(QStringLiteral("Jazz"), music->getKey());
    addCabinetItem(shelf, jazz->getKey(), QStringLiteral("Take Five"));
    shelf.view->resetModel();
    shelf.view->updateLayout();
    QVERIFY2(jazz->textToShow().contains(QStringLiteral("Music")), qPrintable(jazz->textToShow()));

    shelf.onShowCatFullPath();
    QVERIFY(!shelf.showcatfullpath);
    QCOMPARE(shelf.catFullPathAction->text(), QStringLiteral("Show Category Full Path"));
    QVERIFY2(!jazz->textToShow().contains(QStringLiteral("Music")), qPrintable(jazz->textToShow()));

    shelf.onShowCatNumberOfItems();
    QCOMPARE(shelf.catNumberOfItemsAction->text(), QStringLiteral("Hide Number Of Items In Category"));
    QVERIFY2(jazz->textToShow().contains(QLatin1Char('1')), qPrintable(jazz->textToShow()));
}

void TestCabinetCategories::navigatorRowIsStyled()
{
    VorendaShelf shelf;
    std::unique_ptr<NavigatorItem> row(shelf.getNavigatorItem(QStringLiteral("Music")));
    QVERIFY(row);
    QVERIFY(!row->parentItem());
    QCOMPARE(row->getText(), QStringLiteral("Music"));
    QCOMPARE(row->getTextPen()[PenProperty::Normal].color(), QColor(Qt::white));
    QCOMPARE(row->getMargin(), MarginProperty(8.0, 15.0, 8.0, 15.0));
    const BackgroundProperty background = row->getBackground();
    QCOMPARE(background[BackgroundProperty::Normal], background[BackgroundProperty::Selected]);
    QVERIFY(background[BackgroundProperty::Normal] != background[BackgroundProperty::Hover]);
    QVERIFY(!background[BackgroundProperty::Disabled].painterFlags());
}

void TestCabinetCategories::nameEditorOpenedInTheBackgroundTakesTheKeys_data()
{
    QTest::addColumn<bool>("withItems");
    QTest::newRow("empty cabinet") << false;
    QTest::newRow("cabinet with items") << true;
}

// A panel may make a category while its own window is the active one: once the cabinet
// becomes active, the typed name goes into the new category, not into the search box.
void TestCabinetCategories::nameEditorOpenedInTheBackgroundTakesTheKeys()
{
    QFETCH(bool, withItems);
    VorendaShelf shelf;
    if (withItems)
        fillCabinet(shelf);
    static_cast<QWidget&>(shelf).show();
    QVERIFY(QTest::qWaitForWindowExposed(&shelf));
    QWidget panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QApplication::setActiveWindow(&panel);
    QTRY_VERIFY(panel.isActiveWindow());

    const int before = shelf.view->getRootCategoryHeaderList().size();
    shelf.doMenuAction(NewCategory, -1);
    QApplication::setActiveWindow(&shelf);
    QTRY_VERIFY(shelf.isActiveWindow());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Docs"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    const QList<CategoryHeaderItem*> roots = shelf.view->getRootCategoryHeaderList();
    QCOMPARE(roots.size(), before + 1);
    QCOMPARE(roots.last()->getText(), QStringLiteral("Docs"));
    QVERIFY(shelf.searchBox->text().isEmpty());
}

void TestCabinetCategories::questionListsWhatGoes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("subcategoriesOnly");
    QTest::addColumn<bool>("recurse");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("message");
    // fillCabinet: Documents (0) holding Letters (1), and Music (2).
    QTest::newRow("one category alone") << 0 << false << false << QStringList({QStringLiteral("Documents")})
                                        << "Are you sure you want to remove the following category and all the items "
                                           "it might contain?";
    QTest::newRow("one category with subcategories")
        << 0 << false << true << QStringList({QStringLiteral("Documents")})
        << "Are you sure you want to remove the following category and all the subcategories and items it might "
           "contain?";
    QTest::newRow("subcategories only") << 0 << true << true << QStringList({QStringLiteral("Letters")})
                                        << "Are you sure you want to remove the following subcategories and all the "
                                           "items they might contain?";
    QTest::newRow("every category") << -1 << false << true
                                    << QStringList({QStringLiteral("Documents"), QStringLiteral("Music")})
                                    << "Are you sure you want to remove the following categories and all the "
                                       "subcategories and items they might contain?";
}

void TestCabinetCategories::questionListsWhatGoes()
{
    QFETCH(int, key);
    QFETCH(bool, subcategoriesOnly);
    QFETCH(bool, recurse);
    QFETCH(QStringList, names);
    QFETCH(QString, message);
    VorendaShelf shelf;
    fillCabinet(shelf);

    QString shownMessage;
    QStringList shownNames;
    QWidget* modalTo = nullptr;
    bool busyWhileAsked = false;
    std::unique_ptr<QuestionDriver> driver(answerRemoveQuestion([&](QWidget* window) {
        auto* dialog = static_cast<RemoveWarningDialog*>(window);
        shownMessage = dialog->questionLabel->text();
        for (int i = 0; i < dialog->listWidget->count(); ++i)
            shownNames << dialog->listWidget->item(i)->text();
        modalTo = dialog->modalParent();
        busyWhileAsked = shelf.dialogOpen;
        dialog->cancelButton->click();
    }));
    bool ok = true;
    shelf.onDeleteCategoryRequest(key, subcategoriesOnly, recurse, &ok);

    QVERIFY(driver->ran());
    QVERIFY(!ok);
    QCOMPARE(shownMessage, message);
    QCOMPARE(shownNames, names);
    QCOMPARE(modalTo, &shelf);
    QVERIFY(busyWhileAsked);
    QVERIFY(!shelf.dialogOpen);
    // Cancel leaves everything in place.
    QCOMPARE(shelf.view->getCategoryHeaderList(-1, true).count(), 3);
}

void TestCabinetCategories::refusedWithoutAQuestion_data()
{
    QTest::addColumn<bool>("kiosk");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("subcategoriesOnly");
    QTest::newRow("kiosk mode") << true << 0 << false;
    QTest::newRow("kiosk mode, every category") << true << -1 << false;
    QTest::newRow("no such category") << false << 42 << false;
    QTest::newRow("no subcategories") << false << 2 << true;
}

void TestCabinetCategories::refusedWithoutAQuestion()
{
    QFETCH(bool, kiosk);
    QFETCH(int, key);
    QFETCH(bool, subcategoriesOnly);
    VorendaShelf shelf;
    fillCabinet(shelf);
    shelf.kiosk = kiosk;
    std::unique_ptr<QuestionDriver> driver(
        answerRemoveQuestion([](QWidget* window) { static_cast<RemoveWarningDialog*>(window)->okButton->click(); }));
    bool ok = true;
    shelf.onDeleteCategoryRequest(key, subcategoriesOnly, true, &ok);
    QVERIFY(!driver->ran());
    QVERIFY(!ok);
    QVERIFY(!shelf.dialogOpen);
}

void TestCabinetCategories::secondRequestIsRefusedWhileOneIsOpen()
{
    VorendaShelf shelf;
    fillCabinet(shelf);
    bool innerOk = true;
    int questionsSeen = 0;
    std::unique_ptr<QuestionDriver> driver(answerRemoveQuestion([&](QWidget* window) {
        const auto countQuestions = [] {
            int count = 0;
            for (QWidget* top : QApplication::topLevelWidgets())
                count += top->isVisible() && qobject_cast<RemoveWarningDialog*>(top);
            return count;
        };
        shelf.onDeleteCategoryRequest(2, false, true, &innerOk);
        questionsSeen = countQuestions();
        static_cast<RemoveWarningDialog*>(window)->okButton->click();
    }));
    bool ok = false;
    shelf.onDeleteCategoryRequest(0, false, true, &ok);
    QVERIFY(driver->ran());
    QVERIFY(!innerOk);
    QCOMPARE(questionsSeen, 1);
    QVERIFY(ok);
    QVERIFY(!shelf.dialogOpen);
}

void TestCabinetCategories::categoryGoneDuringTheQuestionIsNotRemoved()
{
    VorendaShelf shelf;
    fillCabinet(shelf);
    std::unique_ptr<QuestionDriver> driver(answerRemoveQuestion([&](QWidget* window) {
        // Something else removes the category and its items while the user decides.
        shelf.view->removeCategory(0, false, true, true);
        static_cast<RemoveWarningDialog*>(window)->okButton->click();
    }));
    bool ok = true;
    shelf.onDeleteCategoryRequest(0, false, true, &ok);
    QVERIFY(driver->ran());
    QVERIFY(!ok);
    QVERIFY(!shelf.dialogOpen);
}

void TestCabinetCategories::cabinetDeletedDuringTheQuestion()
{
    auto* shelf = new VorendaShelf;
    fillCabinet(*shelf);
    QPointer<VorendaShelf> guard(shelf);
    std::unique_ptr<QuestionDriver> driver(answerRemoveQuestion([&](QWidget*) { delete shelf; }));
    bool ok = true;
    shelf->onDeleteCategoryRequest(-1, false, true, &ok);
    QVERIFY(driver->ran());
    QVERIFY(!guard);
    QVERIFY(!ok);
}

void TestCabinetCategories::removalDeletesOnlyThePicturesOfItemsThatLeave_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("subcategoriesOnly");
    QTest::addColumn<bool>("recurse");
    QTest::addColumn<QStringList>("kept");
    // Documents (0) holds "doc", its subcategory Letters (1) holds "letter", whose
    // subcategory Drafts (3) holds "draft"; Music (2) holds "song".
    QTest::newRow("subcategories only") << 0 << true << true
                                        << QStringList({QStringLiteral("doc"), QStringLiteral("song")});
    QTest::newRow("subcategories only, not recursing")
        << 0 << true << false << QStringList({QStringLiteral("doc"), QStringLiteral("draft"), QStringLiteral("song")});
    QTest::newRow("category alone") << 0 << false << false
                                    << QStringList(
                                           {QStringLiteral("letter"), QStringLiteral("draft"), QStringLiteral("song")});
    QTest::newRow("category with subcategories") << 0 << false << true << QStringList({QStringLiteral("song")});
    QTest::newRow("every category") << -1 << false << true << QStringList();
}

void TestCabinetCategories::removalDeletesOnlyThePicturesOfItemsThatLeave()
{
    QFETCH(int, key);
    QFETCH(bool, subcategoriesOnly);
    QFETCH(bool, recurse);
    QFETCH(QStringList, kept);
    VorendaShelf shelf;
    addCabinetCategory(shelf, 0, QStringLiteral("Documents"));
    addCabinetCategory(shelf, 1, QStringLiteral("Letters"), 0);
    addCabinetCategory(shelf, 2, QStringLiteral("Music"));
    addCabinetCategory(shelf, 3, QStringLiteral("Drafts"), 1);
    const QDir cache(VorendaGlobal::getCacheLocation());
    QVERIFY(cache.mkpath(QStringLiteral(".")));
    const QList<QPair<int, QString>> items = {{0, QStringLiteral("doc")},
                                              {1, QStringLiteral("letter")},
                                              {3, QStringLiteral("draft")},
                                              {2, QStringLiteral("song")}};
    QStringList all;
    for (const auto& entry : items) {
        MyThumbnailItem* item = addCabinetItem(shelf, entry.first, entry.second);
        item->properties.type = 1;
        item->properties.thumbnail = entry.second + QStringLiteral(".png");
        QVERIFY(cardPicture(8, 8, Qt::red).save(cache.absoluteFilePath(item->properties.thumbnail), "PNG"));
        all << entry.second;
    }
    shelf.view->resetModel();

    std::unique_ptr<QuestionDriver> driver(
        answerRemoveQuestion([](QWidget* window) { static_cast<RemoveWarningDialog*>(window)->okButton->click(); }));
    bool ok = false;
    shelf.onDeleteCategoryRequest(key, subcategoriesOnly, recurse, &ok);
    QVERIFY(driver->ran());
    QVERIFY(ok);
    for (const QString& name : qAsConst(all)) {
        const bool exists = cache.exists(name + QStringLiteral(".png"));
        QVERIFY2(exists == kept.contains(name), qPrintable(name));
    }
}

VORENDA_TEST_MAIN(TestCabinetCategories)

#include "tst_cabinetcategories.moc"
