#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "DockableWidget.h"
#include "PersonalizationWidget.h"
#include "QuestionDriver.h"
#include "RecordingOpener.h"

#include <QFile>
#include <QMessageBox>
#include <QSlider>

// Opening, revealing, renaming and adapting items, the slider following the
// selection, and stepping between cabinets. A stand-in xdg-open writes down what the
// cabinet asked the desktop to open.
class TestItemOperations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void clicksOpenOrReveal_data();
    void clicksOpenOrReveal();
    void failedOpenChangesNothing();
    void messagesSayWhy_data();
    void messagesSayWhy();
    void cabinetHidesAfterOpening_data();
    void cabinetHidesAfterOpening();
    void movedItemIsFitted_data();
    void movedItemIsFitted();
    void selectionMovesSlider_data();
    void selectionMovesSlider();
    void kioskRefusesChanges();
    void nextAndPreviousWrap();

private:
    QStringList opened() const;
    MyThumbnailItem* addTarget(VorendaShelf& shelf, const QString& target, qint64 popularity = 0);

    QString record;
    QString target;
};

void TestItemOperations::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    PersonalizationWidget::installCabinetLink();
    VorendaGlobal::load();
    record = RecordingOpener::install();
    QVERIFY(QDir().mkpath(TestEnvironment::instance()->root() + QStringLiteral("/my files")));
    target = TestEnvironment::instance()->root() + QStringLiteral("/my files/Tom's \"best\" notes.txt");
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void TestItemOperations::init()
{
    QFile::remove(record);
    VorendaGlobal::singleClickOpen = false;
}

void TestItemOperations::cleanup()
{
    VorendaGlobal::shelves.clear();
    VorendaGlobal::singleClickOpen = false;
}

QStringList TestItemOperations::opened() const
{
    return RecordingOpener::opened(record);
}

MyThumbnailItem* TestItemOperations::addTarget(VorendaShelf& shelf, const QString& path, qint64 popularity)
{
    MyThumbnailItem* item = addCabinetItem(shelf, -1, QFileInfo(path).fileName());
    item->properties.target = path;
    item->properties.popularity = popularity;
    shelf.view->resetModel();
    return item;
}

void TestItemOperations::clicksOpenOrReveal_data()
{
    QTest::addColumn<bool>("singleClick");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("result");
    QTest::newRow("double click opens") << false << true << int(Qt::NoModifier) << "open";
    QTest::newRow("single click only tidies") << false << false << int(Qt::NoModifier) << "";
    QTest::newRow("single click opens when set") << true << false << int(Qt::NoModifier) << "open";
    QTest::newRow("double click ignored when single is set") << true << true << int(Qt::NoModifier) << "";
    QTest::newRow("Alt asks for a maximized window") << false << true << int(Qt::AltModifier) << "open";
    QTest::newRow("Shift reveals") << false << true << int(Qt::ShiftModifier) << "reveal";
    QTest::newRow("Alt+Shift reveals") << false << true << int(Qt::ShiftModifier | Qt::AltModifier) << "reveal";
}

void TestItemOperations::clicksOpenOrReveal()
{
    QFETCH(bool, singleClick);
    QFETCH(bool, doubleClick);
    QFETCH(int, modifiers);
    QFETCH(QString, result);
    VorendaGlobal::singleClickOpen = singleClick;
    VorendaShelf shelf;
    MyThumbnailItem* item = addTarget(shelf, target, 4);
    shelf.thumbSizeAnchor = item;
    shelf.showStatusMessage(QStringLiteral("Auto Hide mode is now ON!"));

    const uint before = uint(QDateTime::currentSecsSinceEpoch());
    const auto keys = Qt::KeyboardModifiers(modifiers);
    if (doubleClick)
        shelf.onItemDoubleClicked(item, keys);
    else
        shelf.onItemClicked(item, keys);

    QVERIFY(!shelf.thumbSizeAnchor);
    // Only a single click ends a passing message.
    QCOMPARE(shelf.statusMessageShown, doubleClick);
    if (result == QLatin1String("open")) {
        QCOMPARE(item->properties.popularity, qint64(5));
        QVERIFY(item->properties.accessed >= before);
        QVERIFY(item->properties.accessed <= uint(QDateTime::currentSecsSinceEpoch()));
        QTRY_COMPARE(opened(), QStringList{target});
    } else if (result == QLatin1String("reveal")) {
        QCOMPARE(item->properties.popularity, qint64(4));
        const QString folder = QUrl::fromLocalFile(QFileInfo(target).absolutePath()).toString(QUrl::FullyEncoded);
        QTRY_COMPARE(opened(), QStringList{folder});
    } else {
        QCOMPARE(item->properties.popularity, qint64(4));
        QCOMPARE(item->properties.accessed, 0u);
        QTest::qWait(200);
        QVERIFY(opened().isEmpty());
    }
}

void TestItemOperations::failedOpenChangesNothing()
{
    VorendaShelf shelf;
    shelf.frame->setAutoHide(true);
    shelf.show();
    QTRY_VERIFY(shelf.isVisible());
    MyThumbnailItem* missing =
        addTarget(shelf, TestEnvironment::instance()->root() + QStringLiteral("/deleted.txt"), 4);
    MyThumbnailItem* empty = addTarget(shelf, QString(), 4);
    for (MyThumbnailItem* item : {missing, empty}) {
        shelf.onOpenItem(item);
        QCOMPARE(item->properties.popularity, qint64(4));
        QCOMPARE(item->properties.accessed, 0u);
    }
    shelf.onOpenItem(nullptr);
    QTest::qWait(200);
    QVERIFY(opened().isEmpty());
    QVERIFY(shelf.isVisible());
}

void TestItemOperations::messagesSayWhy_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("hides");
    const QString gone = TestEnvironment::instance()->root() + QStringLiteral("/gone folder/it's gone.txt");
    QTest::newRow("missing target revealed")
        << gone << int(ThumbIcon) << int(Qt::ShiftModifier)
        << QStringLiteral("Could not locate '%1', make sure the file that this item refers to has not been deleted "
                          "or moved!")
               .arg(gone)
        << int(QMessageBox::Critical) << true;
    // A data: address may be megabytes long; the message shows its ends. Not opened, the
    // item is neither counted nor does the cabinet hide.
    const QString address = QStringLiteral("data:text/html,") + QString(5000, QLatin1Char('x')) + QStringLiteral("end");
    QTest::newRow("address refused")
        << address << int(ThumbWebPage) << int(Qt::NoModifier)
        << QStringLiteral("'%1' was not opened: only web addresses (http, https, ftp), mail addresses (mailto) and "
                          "local files and folders are opened.")
               .arg(address.left(60) + QChar(0x2026) + address.right(60))
        << int(QMessageBox::Warning) << false;
}

void TestItemOperations::messagesSayWhy()
{
    QFETCH(QString, target);
    QFETCH(int, type);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, icon);
    QFETCH(bool, hides);
    VorendaShelf shelf;
    shelf.frame->setAutoHide(true);
    shelf.show();
    QTRY_VERIFY(shelf.isVisible());
    MyThumbnailItem* item = addTarget(shelf, target, 4);
    item->properties.type = type;

    QString shown;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    bool busyWhileAsking = false;
    QuestionDriver driver(QuestionDriver::visible<QMessageBox>(), [&](QWidget* window) {
        auto* box = static_cast<QMessageBox*>(window);
        shown = box->text();
        shownIcon = box->icon();
        busyWhileAsking = shelf.dialogOpen;
        box->button(QMessageBox::Ok)->click();
    });
    shelf.onItemDoubleClicked(item, Qt::KeyboardModifiers(modifiers));

    QVERIFY(driver.ran());
    QCOMPARE(shown, text);
    QCOMPARE(int(shownIcon), icon);
    QVERIFY(busyWhileAsking);
    QVERIFY(!shelf.dialogOpen);
    QCOMPARE(item->properties.popularity, qint64(4));
    QCOMPARE(item->properties.accessed, 0u);
    if (hides)
        QTRY_VERIFY(!shelf.isVisible());
    else
        QVERIFY(shelf.isVisible());
    QVERIFY(opened().isEmpty());
}

void TestItemOperations::cabinetHidesAfterOpening_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("staysShown");
    QTest::newRow("auto hide on") << "autohide" << false;
    QTest::newRow("auto hide off") << "none" << true;
    QTest::newRow("kiosk mode") << "kiosk" << true;
    QTest::newRow("personalization panel open") << "panel" << true;
}

void TestItemOperations::cabinetHidesAfterOpening()
{
    QFETCH(QString, setting);
    QFETCH(bool, staysShown);
    VorendaShelf shelf;
    shelf.frame->setAutoHide(setting != QLatin1String("none"));
    shelf.kiosk = setting == QLatin1String("kiosk");
    shelf.show();
    QTRY_VERIFY(shelf.isVisible());
    if (setting == QLatin1String("panel"))
        PersonalizationWidget::instance()->show(&shelf, 0, AllElements);
    MyThumbnailItem* item = addTarget(shelf, target);

    shelf.onOpenItem(item, false);
    QCOMPARE(item->properties.popularity, qint64(1));
    if (staysShown) {
        QTest::qWait(100);
        QVERIFY(shelf.isVisible());
    } else {
        QTRY_VERIFY(!shelf.isVisible());
    }
    if (setting == QLatin1String("panel")) {
        PersonalizationWidget::instance()->close();
        PersonalizationWidget::instance()->shelf = nullptr;
    }
}

void TestItemOperations::movedItemIsFitted_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<int>("width");
    QTest::newRow("icon capped") << 0 << false << VorendaGlobal::SHELF_ICONSIZE;
    QTest::newRow("custom picture kept") << 0 << true << 300;
    QTest::newRow("image kept") << 1 << false << 300;
    QTest::newRow("web page kept") << 4 << false << 300;
    QTest::newRow("audio capped") << 5 << false << VorendaGlobal::SHELF_ICONSIZE;
}

void TestItemOperations::movedItemIsFitted()
{
    QFETCH(int, type);
    QFETCH(bool, custom);
    QFETCH(int, width);
    VorendaShelf source;
    VorendaShelf shelf;
    MyThumbnailItem* item = addCabinetItem(source, -1, QStringLiteral("Moved"));
    item->setImage(cardPicture(400, 400, Qt::darkGreen));
    item->properties.type = type;
    item->properties.customthumb = custom;
    item->properties.thumbsize = 300;

    bool ok = false;
    shelf.onMoveItem(item, -1, shelf.view, &ok);
    QVERIFY(ok);
    QCOMPARE(item->getImageSize(), QSize(width, width));
}

void TestItemOperations::selectionMovesSlider_data()
{
    QTest::addColumn<int>("thumbsize");
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("slider");
    const int start = qBound(32, VorendaGlobal::SHELF_THUMBSIZE / 2, VorendaGlobal::SHELF_MAXTHUMBSIZE);
    QTest::newRow("own size") << 64 << true << 64;
    QTest::newRow("no size: half the default") << 0 << true << qMin(128, VorendaGlobal::SHELF_MAXTHUMBSIZE);
    QTest::newRow("bounded above") << 5000 << true << VorendaGlobal::SHELF_MAXTHUMBSIZE;
    QTest::newRow("bounded below") << 8 << true << 32;
    QTest::newRow("deselection leaves it") << 64 << false << start;
}

void TestItemOperations::selectionMovesSlider()
{
    QFETCH(int, thumbsize);
    QFETCH(bool, on);
    QFETCH(int, slider);
    VorendaShelf shelf;
    MyThumbnailItem* item = addCabinetItem(shelf, -1, QStringLiteral("Sized"));
    item->properties.thumbsize = thumbsize;
    shelf.onItemSelected(item, on);
    QCOMPARE(shelf.thumbSizeSlider->value(), slider);
}

void TestItemOperations::kioskRefusesChanges()
{
    VorendaShelf shelf;
    fillCabinet(shelf);
    const QList<AbstractThumbnailItem*> items = shelf.view->getAllItems();
    auto* first = static_cast<MyThumbnailItem*>(items.at(0));
    auto* second = static_cast<MyThumbnailItem*>(items.at(1));
    first->setSelected(true);
    second->setSelected(true);

    shelf.kiosk = true;
    shelf.onShowItemLabel();
    shelf.onShowItemInfo();
    shelf.onRenameItem();
    QVERIFY(first->isLabelShown());
    QVERIFY(!first->isInfoShown());
    QVERIFY(!first->getEditor());
    bool ok = true;
    shelf.onMoveItem(first, -1, shelf.view, &ok);
    QVERIFY(!ok);

    shelf.kiosk = false;
    shelf.onShowItemLabel();
    QVERIFY(!first->isLabelShown());
    QVERIFY(!second->isLabelShown());
    QVERIFY(static_cast<MyThumbnailItem*>(items.at(2))->isLabelShown());
    shelf.onShowItemInfo();
    QVERIFY(first->isInfoShown());
    shelf.onRenameItem();
    QVERIFY(first->getEditor() || second->getEditor());

    shelf.onSelectAll();
    QCOMPARE(shelf.view->getSelectedItems().size(), items.size());
}

void TestItemOperations::nextAndPreviousWrap()
{
    VorendaShelf a;
    VorendaShelf b;
    VorendaShelf c;
    VorendaGlobal::shelves = {&a, &b, &c};
    c.onNextShelf();
    QTRY_VERIFY(a.isVisible());
    QVERIFY(!b.isVisible());
    QVERIFY(!c.isVisible());
    a.onPreviousShelf();
    QTRY_VERIFY(c.isVisible());
    QVERIFY(!b.isVisible());
    // Showing another cabinet leaves this one as it is.
    QVERIFY(a.isVisible());

    VorendaShelf alone;
    VorendaGlobal::shelves = {&alone};
    alone.onNextShelf();
    alone.onPreviousShelf();
    VorendaShelf unlisted;
    unlisted.onNextShelf();
    QTest::qWait(100);
    QVERIFY(!alone.isVisible());
    QVERIFY(!unlisted.isVisible());
}

VORENDA_TEST_MAIN(TestItemOperations)
#include "tst_itemoperations.moc"
