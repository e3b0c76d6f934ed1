#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "MyThumbnailView.h"

#include <QApplication>
#include <QSlider>

// The thumbnail-size slider resizes the selected items, icons no larger than the
// icon size, and only while the user moves it.
class TestThumbSizeSlider : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void resizesTheSelectedItems();
    void nothingSelected();
    void valuesSetByTheProgramResizeNothing();
    void anchorThatLeftIsForgotten();
    void lockedCabinetKeepsItsSizes_data();
    void lockedCabinetKeepsItsSizes();

private:
    static void focusSlider(VorendaShelf& shelf);
};

void TestThumbSizeSlider::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
}

void TestThumbSizeSlider::cleanup()
{
    VorendaGlobal::SHELF_ICONSIZE = 256;
    VorendaGlobal::SHELF_MAXTHUMBSIZE = 128;
}

void TestThumbSizeSlider::focusSlider(VorendaShelf& shelf)
{
    shelf.QWidget::show();
    QApplication::setActiveWindow(&shelf);
    shelf.thumbSizeSlider->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(shelf.thumbSizeSlider->hasFocus());
}

void TestThumbSizeSlider::resizesTheSelectedItems()
{
    VorendaGlobal::SHELF_ICONSIZE = 64;
    VorendaShelf shelf;
    MyThumbnailItem* folder = addCabinetItem(shelf, -1, QStringLiteral("Folder"));
    MyThumbnailItem* image = addCabinetItem(shelf, -1, QStringLiteral("Image"));
    MyThumbnailItem* custom = addCabinetItem(shelf, -1, QStringLiteral("Custom"));
    MyThumbnailItem* unselected = addCabinetItem(shelf, -1, QStringLiteral("Other"));
    image->properties.type = ThumbImage;
    custom->properties.customthumb = true;
    shelf.view->resetModel();
    shelf.view->updateLayout();
    focusSlider(shelf);
    shelf.view->clearSelection();
    for (MyThumbnailItem* item : {folder, image, custom})
        item->setSelected(true);
    QCOMPARE(shelf.view->getSelectedItems().size(), 3);

    shelf.thumbSizeSlider->setValue(90);
    QCOMPARE(folder->properties.thumbsize, 64);
    QCOMPARE(folder->getImageSize(), QSize(64, 64));
    QCOMPARE(image->properties.thumbsize, 90);
    QCOMPARE(image->getImageSize(), QSize(90, 90));
    QCOMPARE(custom->properties.thumbsize, 90);
    QCOMPARE(unselected->getImageSize(), QSize(96, 96));
}

void TestThumbSizeSlider::nothingSelected()
{
    VorendaShelf shelf;
    MyThumbnailItem* item = addCabinetItem(shelf, -1, QStringLiteral("Alone"));
    focusSlider(shelf);
    shelf.view->clearSelection();
    shelf.thumbSizeSlider->setValue(50);
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("No item is selected!"));
    QVERIFY(!shelf.thumbSizeAnchor);
    QCOMPARE(item->getImageSize(), QSize(96, 96));
}

void TestThumbSizeSlider::valuesSetByTheProgramResizeNothing()
{
    VorendaShelf shelf;
    MyThumbnailItem* item = addCabinetItem(shelf, -1, QStringLiteral("Loaded"));
    item->setSelected(true);
    shelf.thumbSizeSlider->setValue(40);
    QCOMPARE(item->getImageSize(), QSize(96, 96));
    QVERIFY(!shelf.statusMessageShown);
}

void TestThumbSizeSlider::anchorThatLeftIsForgotten()
{
    VorendaShelf shelf;
    MyThumbnailItem* leaving = addCabinetItem(shelf, -1, QStringLiteral("Leaving"));
    MyThumbnailItem* staying = addCabinetItem(shelf, -1, QStringLiteral("Staying"));
    shelf.view->resetModel();
    focusSlider(shelf);
    shelf.thumbSizeAnchor = leaving;
    shelf.view->removeItem(leaving, true);
    shelf.view->clearSelection();
    staying->setSelected(true);
    shelf.thumbSizeSlider->setValue(60);
    QVERIFY(shelf.thumbSizeAnchor != leaving);
    QCOMPARE(staying->properties.thumbsize, 60);
}

void TestThumbSizeSlider::lockedCabinetKeepsItsSizes_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("key on the slider") << QStringLiteral("key");
    // Moves the slider still takes once the lock is on, as from a focus it kept.
    QTest::newRow("stale move") << QStringLiteral("stale");
    QTest::newRow("item clicked") << QStringLiteral("select");
    QTest::newRow("bigger limit") << QStringLiteral("limit");
}

// Locked, neither the selected item's size nor the cabinet's (the slider's value,
// which the data file keeps for new items) changes, whatever moves the slider.
void TestThumbSizeSlider::lockedCabinetKeepsItsSizes()
{
    QFETCH(QString, route);
    VorendaShelf shelf;
    MyThumbnailItem* item = addCabinetItem(shelf, -1, QStringLiteral("Kept"));
    MyThumbnailItem* other = addCabinetItem(shelf, -1, QStringLiteral("Other"));
    item->properties.type = ThumbImage;
    other->properties.thumbsize = 40;
    shelf.view->resetModel();
    shelf.view->updateLayout();
    focusSlider(shelf);
    shelf.view->clearSelection();
    item->setSelected(true);
    shelf.thumbSizeSlider->setValue(70);
    QCOMPARE(item->properties.thumbsize, 70);
    shelf.thumbSizeSlider->setFocus(Qt::MouseFocusReason);

    shelf.onToggleKioskMode();
    QVERIFY(shelf.kiosk);

    if (route == QLatin1String("key")) {
        QTest::keyClick(shelf.thumbSizeSlider, Qt::Key_Left);
        QTest::keyClick(shelf.thumbSizeSlider, Qt::Key_Home);
    } else if (route == QLatin1String("stale")) {
        shelf.thumbSizeSlider->setEnabled(true);
        shelf.thumbSizeSlider->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(shelf.thumbSizeSlider->hasFocus());
        QTest::keyClick(shelf.thumbSizeSlider, Qt::Key_Left);
        QTest::keyClick(shelf.thumbSizeSlider, Qt::Key_PageDown);
        QTest::mouseClick(shelf.thumbSizeSlider, Qt::LeftButton, Qt::NoModifier, QPoint(2, shelf.thumbSizeSlider->height() / 2));
    } else if (route == QLatin1String("select")) {
        other->setSelected(true);
    } else {
        VorendaGlobal::SHELF_MAXTHUMBSIZE = 160;
        shelf.onMaxThumbSizeChanged();
    }

    QCOMPARE(item->properties.thumbsize, 70);
    QCOMPARE(item->getImageSize().width(), 70);
    QCOMPARE(other->properties.thumbsize, 40);
    QCOMPARE(shelf.thumbSizeSlider->value(), 70);
    if (route != QLatin1String("stale"))
        QVERIFY(!shelf.thumbSizeSlider->isEnabled());
}

VORENDA_TEST_MAIN(TestThumbSizeSlider)
#include "tst_thumbsizeslider.moc"
