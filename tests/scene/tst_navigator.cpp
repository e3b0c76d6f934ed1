#include "TestEnvironment.h"

#include "NavigatorItem.h"
#include "NavigatorView.h"
#include "TextFunctions.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGraphicsSceneHoverEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalSpy>

class TestNavigator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void spaceShowsSelectedEntry();
    void spaceShowsPointedEntryWhenNoneSelected();
    void otherKeysAreNotHandled_data();
    void otherKeysAreNotHandled();
    void entrySize();
    void longNameShortenedInTheMiddle();
    void shadowDrawnEvenWhenSwitchedOff();
    void dragImage();
    void backgroundStaysWhileEntriesScroll();

private:
    NavigatorItem* addEntry(const QString& text);
    bool press(int key);

    NavigatorView* view = nullptr;
};

static const QFont EntryFont(QStringLiteral("DejaVu Sans"), 10);

void TestNavigator::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
}

void TestNavigator::init()
{
    view = new NavigatorView;
    view->resize(200, 300);
    view->setMargin(MarginProperty(4.0), false);
    view->setSpacing(2, 0, false);
}

void TestNavigator::cleanup()
{
    delete view;
    view = nullptr;
}

NavigatorItem* TestNavigator::addEntry(const QString& text)
{
    auto* item = new NavigatorItem;
    item->setMargin(MarginProperty(2.0, 6.0, 2.0, 6.0));
    item->setTextFont(FontProperty(EntryFont));
    item->setTextPen(PenProperty(QPen(Qt::white)));
    item->setText(text);
    view->addItem(item);
    return item;
}

bool TestNavigator::press(int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QApplication::sendEvent(view, &event);
    return event.isAccepted();
}

void TestNavigator::spaceShowsSelectedEntry()
{
    addEntry(QStringLiteral("First"));
    NavigatorItem* second = addEntry(QStringLiteral("Second"));
    NavigatorItem* third = addEntry(QStringLiteral("Third"));
    QSignalSpy spy(view, &NavigatorView::showItemInfo);
    QVERIFY(press(Qt::Key_Space));
    QCOMPARE(spy.count(), 0);

    third->setSelected(true);
    second->setSelected(true);
    QVERIFY(press(Qt::Key_Space));
    QCOMPARE(spy.count(), 1);
    // The first selected in view order.
    QCOMPARE(spy.at(0).at(0).value<AbstractThumbnailItem*>(), second);
}

void TestNavigator::spaceShowsPointedEntryWhenNoneSelected()
{
    addEntry(QStringLiteral("First"));
    NavigatorItem* second = addEntry(QStringLiteral("Second"));
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    view->clearSelection();
    QSignalSpy spy(view, &NavigatorView::showItemInfo);

    // The pointer moves onto the second entry.
    const QPoint over = view->mapFromScene(second->sceneBoundingRect().center());
    QMouseEvent move(QEvent::MouseMove, over, view->viewport()->mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QVERIFY(press(Qt::Key_Space));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<AbstractThumbnailItem*>(), second);

    // And off it again: nothing to show.
    QGraphicsSceneHoverEvent leave(QEvent::GraphicsSceneHoverLeave);
    view->hoverLeaveEvent(second, &leave);
    QVERIFY(press(Qt::Key_Space));
    QCOMPARE(spy.count(), 1);
}

void TestNavigator::otherKeysAreNotHandled_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("down") << int(Qt::Key_Down);
    QTest::newRow("return") << int(Qt::Key_Return);
    QTest::newRow("delete") << int(Qt::Key_Delete);
    QTest::newRow("letter") << int(Qt::Key_A);
}

void TestNavigator::otherKeysAreNotHandled()
{
    QFETCH(int, key);
    NavigatorItem* first = addEntry(QStringLiteral("First"));
    NavigatorItem* second = addEntry(QStringLiteral("Second"));
    first->setSelected(true);
    view->setCurrentItem(first);
    QSignalSpy deletes(view, &AbstractThumbnailView::deleteRequest);
    QSignalSpy opens(view, &AbstractThumbnailView::itemDoubleClicked);
    QSignalSpy info(view, &NavigatorView::showItemInfo);
    QVERIFY(!press(key));
    QVERIFY(first->isSelected());
    QVERIFY(!second->isSelected());
    QCOMPARE(deletes.count() + opens.count() + info.count(), 0);
}

void TestNavigator::entrySize()
{
    // Outside a view: the text's box and the margins.
    NavigatorItem loose;
    loose.setMargin(MarginProperty(2.0, 6.0, 2.0, 6.0));
    loose.setTextFont(FontProperty(EntryFont));
    QVERIFY(loose.boundingRect().isEmpty());
    loose.setText(QStringLiteral("Loose"));
    const QRectF box = QFontMetricsF(EntryFont).boundingRect(QStringLiteral("Loose"));
    QCOMPARE(loose.boundingRect(), QRectF(0.0, 0.0, box.width() + 12.0, box.height() + 4.0));

    // In a view: one line, never wider than the strip.
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    NavigatorItem* entry = addEntry(QStringLiteral("Entry"));
    const QRectF r = entry->boundingRect();
    QCOMPARE(r.height(), QFontMetricsF(EntryFont).height() + 4.0);
    NavigatorItem* wide = addEntry(QString(200, QLatin1Char('m')));
    const double available = 200 - (2 + 4 + 4);
    QCOMPARE(wide->boundingRect().width(), available);
    QCOMPARE(wide->boundingRect().height(), r.height());
    // The strip narrows: the entry follows.
    view->resize(150, 300);
    QCOMPARE(wide->boundingRect().width(), available - 50);

    // An empty entry takes no room.
    NavigatorItem* empty = addEntry(QString());
    QVERIFY(empty->boundingRect().isEmpty());
}

void TestNavigator::longNameShortenedInTheMiddle()
{
    const QString name = QStringLiteral("Beginning of a very long category name that goes on and on to its End");
    NavigatorItem* entry = addEntry(name);
    const QRectF r = entry->boundingRect();
    const int textWidth = int(r.width() - 12.0);
    const QString shown = getElidedText(name, EntryFont, Qt::ElideMiddle, textWidth);
    QVERIFY(shown.startsWith(QStringLiteral("Beg")));
    QVERIFY(shown.endsWith(QStringLiteral("End")));
    QVERIFY(shown.contains(QChar(0x2026)));

    // Painted: text reaches into the right half, but no further than the area.
    QImage image(r.size().toSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    entry->paint(&painter, nullptr, nullptr);
    painter.end();
    int rightmost = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qAlpha(image.pixel(x, y)) > 0)
                rightmost = qMax(rightmost, x);
        }
    }
    QVERIFY(rightmost > image.width() / 2);
    QVERIFY(rightmost <= image.width() - 6 + 1);
}

void TestNavigator::shadowDrawnEvenWhenSwitchedOff()
{
    NavigatorItem* entry = addEntry(QStringLiteral("I"));
    entry->setTextShadow(false);
    entry->setTextPen(PenProperty(QPen(QColor(255, 255, 255, 0))));
    const QRectF r = entry->boundingRect();
    QImage image(r.size().toSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    entry->paint(&painter, nullptr, nullptr);
    painter.end();
    // With an invisible pen only the black shadow can have left pixels.
    bool shadow = false;
    for (int y = 0; y < image.height() && !shadow; ++y) {
        for (int x = 0; x < image.width() && !shadow; ++x) {
            const QRgb p = image.pixel(x, y);
            shadow = qAlpha(p) > 60 && qRed(p) < 30;
        }
    }
    QVERIFY(shadow);
}

void TestNavigator::dragImage()
{
    NavigatorItem* entry = addEntry(QStringLiteral("Drag me"));
    entry->setBackground(BackgroundProperty(BackgroundPainter(QColor(10, 20, 200))));
    const QSize size = entry->boundingRect().size().toSize();
    const QImage full = entry->getDragImage(true).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage faded = entry->getDragImage(false).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(full.size(), size);
    QCOMPARE(faded.size(), size);
    QCOMPARE(qAlpha(full.pixel(1, 1)), 255);
    QCOMPARE(qAlpha(faded.pixel(1, 1)), 255 * 50 / 100);

    NavigatorItem empty;
    QVERIFY(empty.getDragImage(true).isNull());
}

void TestNavigator::backgroundStaysWhileEntriesScroll()
{
    // Dark at the top, light at the bottom of the strip.
    BackgroundPainter painter(GradientPainter(Qt::black, Qt::white, Qt::Vertical, QGradient::LinearGradient));
    view->setBackgroundPainter(painter);
    for (int i = 0; i < 60; ++i)
        addEntry(QStringLiteral("Entry %1").arg(i));
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QCOMPARE(view->getBackgroundPixmap().size(), view->viewport()->size());
    const QImage before = view->viewport()->grab().toImage();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    QVERIFY(view->verticalScrollBar()->value() > 0);
    const QImage after = view->viewport()->grab().toImage();
    // The far right column holds no text: the background alone, the same at both scroll positions.
    const int x = view->viewport()->width() - 1;
    for (const int y : {2, 150, 297})
        QCOMPARE(after.pixelColor(x, y), before.pixelColor(x, y));
    QVERIFY(before.pixelColor(x, 2).lightness() < before.pixelColor(x, 297).lightness());
}

VORENDA_TEST_MAIN(TestNavigator)
#include "tst_navigator.moc"
