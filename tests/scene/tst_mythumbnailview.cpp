#include "TestEnvironment.h"

#include "CabinetStyleFixtures.h"
#include "FloatingLabelItem.h"
#include "MyDropIndicatorItem.h"
#include "SceneFixtures.h"
#include "ThumbnailItemModel.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

// The cabinet view: shelf geometry, boards per row, the cabinet body, the floating
// label and the drop marker, rendered offscreen and probed.
class TestMyThumbnailView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void shelfAngleZeroIsOne();
    void oneBoardPerRow();
    void filteredRowHasNoBoard();
    void collapsedCategoryHasNoBoard();
    void paintersDecideWhatIsDrawn_data();
    void paintersDecideWhatIsDrawn();
    void darknessHasAFloor();
    void boardIsRebuiltOnlyWhenTheWidthChanges();
    void floatingLabelShownOnlyWhenNeeded_data();
    void floatingLabelShownOnlyWhenNeeded();
    void floatingLabelFlipsNearTheBottom();
    void floatingLabelForgetsDeletedItem();
    void floatingLabelSize();
    void showItemInfoSkipsForeignItems();
    void itemsExists();
    void columnsAndSeparator();
    void dropMarker();
    void wheelTakesFocus();
    void itemsOutOfViewAreLeftOutOfThePaint_data();
    void itemsOutOfViewAreLeftOutOfThePaint();
    void itemLeavingTheViewIsDrawnAgain();

private:
    QImage grab();
    void hoverEnter(AbstractThumbnailItem* item);
    void hoverLeave(AbstractThumbnailItem* item);
    // Items in rows of `perRow` across a 600 px wide view.
    void fillRows(int rows, int perRow);

    MyThumbnailView* view = nullptr;
    QList<MyThumbnailItem*> items;
};

static const QColor ShelfColor(200, 120, 40);
static const QColor CabinetColor(40, 90, 160);

static bool near(const QColor& a, const QColor& b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

static bool isShelfLike(const QColor& c)
{
    return c.red() > c.green() + 30 && c.green() > c.blue() + 30;
}

void TestMyThumbnailView::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
}

void TestMyThumbnailView::init()
{
    view = new MyThumbnailView;
    view->resize(600, 500);
    view->setSpacing(0, 10, false);
    view->setShelfAngle(20, false);
    view->setShelfHeight(20, false);
    view->setShelfMargin(2, false);
    view->setShelfThickness(6, false);
    view->setMargin(MarginProperty(0.0, 15.0, 10.0, 15.0), false);
    view->setBackDarknessLevel(100);
    view->setCabinetPainter(BackgroundPainter(CabinetColor));
    view->setShelfPainter(BackgroundPainter(ShelfColor));
    items.clear();
}

void TestMyThumbnailView::cleanup()
{
    delete view;
    view = nullptr;
}

QImage TestMyThumbnailView::grab()
{
    if (!view->isVisible()) {
        view->show();
        if (!QTest::qWaitForWindowExposed(view))
            qWarning("view not exposed");
    }
    view->updateLayout();
    return view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void TestMyThumbnailView::hoverEnter(AbstractThumbnailItem* item)
{
    QGraphicsSceneHoverEvent event(QEvent::GraphicsSceneHoverEnter);
    view->hoverEnterEvent(item, &event);
}

void TestMyThumbnailView::hoverLeave(AbstractThumbnailItem* item)
{
    QGraphicsSceneHoverEvent event(QEvent::GraphicsSceneHoverLeave);
    view->hoverLeaveEvent(item, &event);
}

void TestMyThumbnailView::fillRows(int rows, int perRow)
{
    // 600 - 30 margin; items 80 wide with 10 spacing: 6 fit in a row, so break rows with
    // a full-width item count by giving each row's last item the room.
    for (int r = 0; r < rows; ++r) {
        for (int i = 0; i < perRow; ++i) {
            auto* item = makeCabinetItem(cardPicture(80, 60, QColor(60, 160, 60)), 80,
                                         QStringLiteral("R%1 I%2").arg(r).arg(i));
            item->showItemLabel(false, false);
            item->setReflectionSize(10.0);
            items << item;
            view->addItem(item, false);
        }
    }
    view->resetModel();
    view->updateLayout();
}

void TestMyThumbnailView::shelfAngleZeroIsOne()
{
    view->setShelfAngle(0, true);
    QCOMPARE(view->getShelfAngle(), 1);
    view->setShelfAngle(-4, false);
    QCOMPARE(view->getShelfAngle(), -4);
    // The body is built with it as a divisor.
    view->setShelfAngle(0, true);
    QVERIFY(!grab().isNull());
}

void TestMyThumbnailView::oneBoardPerRow()
{
    fillRows(1, 12); // 6 per row: two rows
    const QImage image = grab();
    const QVector<int> rows = view->getShelfRows();
    QCOMPARE(rows.size(), 2);
    QVERIFY(rows.at(1) > rows.at(0));
    for (const int top : rows) {
        const QColor front = image.pixelColor(300, top + 20 + 2);
        QVERIFY2(isShelfLike(front), qPrintable(front.name()));
    }
    // Between the boards the back panel shows.
    const QColor back = image.pixelColor(300, (rows.at(0) + 26 + rows.at(1)) / 2);
    QVERIFY2(!isShelfLike(back), qPrintable(back.name()));
    // The items' feet stand on the board's top surface.
    const double foot = items.first()->sceneBoundingRect().bottom() - 8.0 - 10.0;
    QVERIFY(foot > rows.at(0) && foot < rows.at(0) + 20);
}

void TestMyThumbnailView::filteredRowHasNoBoard()
{
    fillRows(1, 18); // three rows of six
    grab();
    QCOMPARE(view->getShelfRows().size(), 3);
    const int secondRow = view->getShelfRows().at(1);
    const int thirdRow = view->getShelfRows().at(2);

    // Keep the first and the last row: the middle row is gone and the last moves up.
    QList<AbstractThumbnailItem*> kept;
    for (int i = 0; i < 18; ++i) {
        if (i < 6 || i >= 12)
            kept << items.at(i);
    }
    view->filterItems(kept);
    const QImage image = grab();
    const QVector<int> rows = view->getShelfRows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(1), secondRow);
    // Where the third board stood the back panel shows.
    const QColor old = image.pixelColor(300, thirdRow + 22);
    QVERIFY2(!isShelfLike(old), qPrintable(old.name()));

    // A filter matching nothing leaves no board at all.
    view->filterItems({nullptr});
    grab();
    QVERIFY(view->getShelfRows().isEmpty());
}

void TestMyThumbnailView::collapsedCategoryHasNoBoard()
{
    view->setCategoryHeader(1, makeHeader(QStringLiteral("Open")), -1, -1, false);
    view->setCategoryHeader(2, makeHeader(QStringLiteral("Closed")), -1, -1, false);
    view->setCategoryHeader(3, makeHeader(QStringLiteral("Inside closed")), 2, -1, false);
    for (const int key : {1, 2, 3}) {
        auto* item = makeCabinetItem(cardPicture(40, 40, Qt::gray), 40, QStringLiteral("x"), key);
        view->addItem(item, false);
    }
    view->updateLayout();
    grab();
    QCOMPARE(view->getShelfRows().size(), 3);
    view->getCategoryHeader(2)->setExpanded(false);
    grab();
    QCOMPARE(view->getShelfRows().size(), 1);
}

void TestMyThumbnailView::paintersDecideWhatIsDrawn_data()
{
    QTest::addColumn<bool>("cabinet");
    QTest::addColumn<bool>("shelf");
    QTest::newRow("both") << true << true;
    QTest::newRow("no cabinet painter") << false << true;
    QTest::newRow("no shelf painter") << true << false;
}

void TestMyThumbnailView::paintersDecideWhatIsDrawn()
{
    QFETCH(bool, cabinet);
    QFETCH(bool, shelf);
    delete view;
    view = new MyThumbnailView;
    view->resize(600, 500);
    view->setShelfAngle(20, false);
    view->setShelfHeight(20, false);
    if (cabinet)
        view->setCabinetPainter(BackgroundPainter(CabinetColor));
    if (shelf)
        view->setShelfPainter(BackgroundPainter(ShelfColor));
    fillRows(1, 3);
    const QImage image = grab();
    QCOMPARE(view->getBackgroundPixmap().isNull(), !cabinet);
    QCOMPARE(view->getShelfPixmap().isNull(), !shelf);
    const int board = view->getShelfRows().first() + 20 + 2;
    // Either both the body and the boards are drawn, or neither.
    const bool drawn = cabinet && shelf;
    QCOMPARE(isShelfLike(image.pixelColor(300, board)), drawn);
    QCOMPARE(near(image.pixelColor(2, 250), CabinetColor, 30), drawn);
}

void TestMyThumbnailView::darknessHasAFloor()
{
    view->setBackDarknessLevel(0);
    const QImage image = grab();
    // The back panel takes the level as it is: the painter's own colour.
    QVERIFY2(near(image.pixelColor(300, 450), CabinetColor, 2), qPrintable(image.pixelColor(300, 450).name()));
    // The side panels still shade to alpha 80 at their inner edge.
    const int inner = view->getShelfAngle() + view->getShelfMargin() - 2;
    const QColor side = image.pixelColor(inner, 250);
    QVERIFY2(side.blue() < CabinetColor.blue() - 20, qPrintable(side.name()));

    view->setTransparent(true);
    const QImage transparent = grab();
    QVERIFY(!near(transparent.pixelColor(300, 450), CabinetColor, 10));
}

void TestMyThumbnailView::boardIsRebuiltOnlyWhenTheWidthChanges()
{
    fillRows(1, 2);
    grab();
    const qint64 board = view->getShelfPixmap().cacheKey();
    const qint64 body = view->getBackgroundPixmap().cacheKey();
    view->viewport()->repaint();
    QCOMPARE(view->getShelfPixmap().cacheKey(), board);
    QCOMPARE(view->getBackgroundPixmap().cacheKey(), body);
    QCOMPARE(view->getShelfPixmap().width(), 600 - 2 * 2);
    view->resize(500, 500);
    grab();
    QCOMPARE(view->getShelfPixmap().width(), 500 - 2 * 2);
    QCOMPARE(view->getBackgroundPixmap().size(), QSize(500, 500));
}

void TestMyThumbnailView::floatingLabelShownOnlyWhenNeeded_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("label");
    QTest::addColumn<bool>("info");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<bool>("shown");
    const QString longName = QStringLiteral("A name far too long for the two lines of its little name tag");
    QTest::newRow("tag hidden") << QStringLiteral("Short") << false << false << false << true;
    QTest::newRow("full name visible") << QStringLiteral("Short") << true << false << false << false;
    QTest::newRow("name shortened") << longName << true << false << false << true;
    QTest::newRow("callout open") << longName << false << true << false << false;
    QTest::newRow("being edited") << QStringLiteral("Short") << false << false << true << false;
}

void TestMyThumbnailView::floatingLabelShownOnlyWhenNeeded()
{
    QFETCH(QString, name);
    QFETCH(bool, label);
    QFETCH(bool, info);
    QFETCH(bool, editing);
    QFETCH(bool, shown);
    auto* item = makeCabinetItem(cardPicture(60, 60, Qt::blue), 60, name);
    item->showItemLabel(label, false);
    item->showItemInfo(info, false);
    view->addItem(item);
    grab(); // paints the tag, which tells whether the name had to be shortened
    if (editing)
        item->editLabel();
    hoverEnter(item);
    FloatingLabelItem* floating = view->getFloatingLabel();
    QCOMPARE(floating->isVisible(), shown);
    if (shown) {
        QCOMPARE(floating->getItem(), item);
        QCOMPARE(floating->scene(), view->scene());
        QCOMPARE(floating->zValue(), 100.0);
        QVERIFY(!floating->isInverted());
        QCOMPARE(floating->y(), item->sceneBoundingRect().bottom() - 8.0 + 1.0);
    }
    hoverLeave(item);
    QVERIFY(!floating->isVisible());
    QCOMPARE(floating->getItem(), nullptr);
}

void TestMyThumbnailView::floatingLabelFlipsNearTheBottom()
{
    view->resize(600, 200);
    auto* item = makeCabinetItem(cardPicture(60, 60, Qt::blue), 60, QStringLiteral("Bottom"));
    item->showItemLabel(false, false);
    view->addItem(item);
    view->setItemAlignment(Qt::AlignTop);
    view->setMargin(MarginProperty(110.0, 15.0, 0.0, 15.0), true);
    grab();
    hoverEnter(item);
    FloatingLabelItem* floating = view->getFloatingLabel();
    QVERIFY(floating->isVisible());
    QVERIFY(floating->isInverted());
    const QRectF r = item->sceneBoundingRect();
    QCOMPARE(floating->y(), 8.0 + 10.0 + r.top() - floating->boundingRect().height());
    // Kept inside the view's margins.
    QVERIFY(floating->x() >= 15.0);

    // Inverted, the arrow points down from the box's bottom.
    const QImage image = grab();
    const int arrowTipY = int(floating->y() + floating->boundingRect().height()) - 2;
    const int arrowX = int(r.center().x());
    QVERIFY(image.pixelColor(arrowX, arrowTipY) != image.pixelColor(arrowX + 20, arrowTipY));
}

void TestMyThumbnailView::floatingLabelForgetsDeletedItem()
{
    auto* item = makeCabinetItem(cardPicture(60, 60, Qt::blue), 60, QStringLiteral("Gone"));
    item->showItemLabel(false, false);
    view->addItem(item);
    grab();
    hoverEnter(item);
    QVERIFY(view->getFloatingLabel()->isVisible());
    delete item;
    QVERIFY(!view->getFloatingLabel()->isVisible());
    QCOMPARE(view->getFloatingLabel()->getItem(), nullptr);
    grab();
}

void TestMyThumbnailView::floatingLabelSize()
{
    FloatingLabelItem label;
    QVERIFY(label.boundingRect().isEmpty());

    auto* item = makeCabinetItem(cardPicture(60, 60, Qt::blue), 60, QStringLiteral("Name"));
    item->showItemLabel(false, false);
    view->addItem(item);
    label.setItem(item);
    label.setMaxSize(QSize(600, 500));
    const QRectF shortBox = label.boundingRect();
    QVERIFY(shortBox.width() > 20.0);

    // A long name wraps within twice the item's width.
    item->setText(QString(300, QLatin1Char('W')));
    const QRectF longBox = label.boundingRect();
    QVERIFY(longBox.width() <= 2 * item->boundingRect().width() + 20.0 + 1.0);
    QVERIFY(longBox.height() > shortBox.height() * 2);
    // ... and within the viewport.
    label.setMaxSize(QSize(50, 40));
    QVERIFY(label.boundingRect().width() <= 50.0 + 20.0 + 1.0);
    QVERIFY(label.boundingRect().height() <= 40.0 + 8.0 + 10.0 + 1.0);

    // Inverting moves the arrow strip, not the text area.
    label.setMaxSize(QSize(600, 500));
    item->setText(QStringLiteral("Name"));
    QImage up(label.boundingRect().size().toSize(), QImage::Format_ARGB32);
    up.fill(Qt::transparent);
    QImage down = up;
    QPainter upPainter(&up);
    label.paint(&upPainter, nullptr, nullptr);
    upPainter.end();
    label.setInverted(true);
    QPainter downPainter(&down);
    label.paint(&downPainter, nullptr, nullptr);
    downPainter.end();
    QCOMPARE(qAlpha(up.pixel(12, 2)), 0);
    QVERIFY(qAlpha(up.pixel(12, up.height() - 12)) > 0);
    QVERIFY(qAlpha(down.pixel(12, 12)) > 0);
    QCOMPARE(qAlpha(down.pixel(12, down.height() - 2)), 0);

    // No text, nothing painted.
    item->setText(QString());
    QImage blank(40, 40, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    QImage painted = blank;
    QPainter painter(&painted);
    label.paint(&painter, nullptr, nullptr);
    painter.end();
    QCOMPARE(painted, blank);
}

void TestMyThumbnailView::showItemInfoSkipsForeignItems()
{
    auto* cabinetItem = makeCabinetItem(cardPicture(40, 40, Qt::blue), 40, QStringLiteral("Mine"));
    ThumbnailItem* plain = makeItem(40, 40, -1, QStringLiteral("Plain"));
    view->addItem(cabinetItem, false);
    view->addItem(plain, false);
    view->updateLayout();
    view->showItemInfo(true);
    QVERIFY(cabinetItem->isInfoShown());
    hoverEnter(plain);
    QVERIFY(!view->getFloatingLabel()->isVisible());
    // Boards and the drop marker measure foreign items too.
    grab();
    QVERIFY(!view->getShelfRows().isEmpty());
    view->getDropIndicator()->setPos(QPointF(5.0, 0.0), plain);
    QCOMPARE(view->getDropIndicator()->pos(), QPointF(5.0, plain->boundingRect().bottom()));
    view->showItemInfo(false);
    QVERIFY(!cabinetItem->isInfoShown());
}

void TestMyThumbnailView::itemsExists()
{
    auto* a = makeCabinetItem(QPixmap(), 40, QStringLiteral("Report"), -1);
    a->properties.target = QStringLiteral("/home/u/Report.ODT");
    auto* b = makeCabinetItem(QPixmap(), 40, QStringLiteral("Other"), -1);
    b->properties.target = QStringLiteral("/home/u/other");
    view->setCategoryHeader(5, makeHeader(QStringLiteral("Sub")), -1, -1, false);
    auto* c = makeCabinetItem(QPixmap(), 40, QStringLiteral("Deep"), 5);
    c->properties.target = QStringLiteral("/deep");
    for (auto* item : {a, b, c})
        view->addItem(item, false);
    QCOMPARE(view->itemsExists(QStringLiteral("report"), QStringLiteral("/HOME/u/report.odt"), -1), a);
    QCOMPARE(view->itemsExists(QStringLiteral("Report"), QStringLiteral("/home/u/other"), -1), nullptr);
    // Only the category's own items are searched.
    QCOMPARE(view->itemsExists(QStringLiteral("Deep"), QStringLiteral("/deep"), -1), nullptr);
    QCOMPARE(view->itemsExists(QStringLiteral("Deep"), QStringLiteral("/deep"), 5), c);
}

void TestMyThumbnailView::columnsAndSeparator()
{
    QCOMPARE(view->modelColumnCount(), 14);
    QCOMPARE(view->model()->columnCount(), 14);
    QCOMPARE(view->categoryPathSeparator(), QStringLiteral(" / "));
}

void TestMyThumbnailView::dropMarker()
{
    auto* marker = dynamic_cast<MyDropIndicatorItem*>(view->getDropIndicator());
    QVERIFY(marker);
    QCOMPARE(marker->getView(), view);
    QCOMPARE(marker->boundingRect(), QRectF(-8, 0, 16, 8));
    auto* item = makeCabinetItem(cardPicture(60, 60, Qt::blue), 60, QStringLiteral("Target"));
    item->setReflectionSize(12.0);
    view->addItem(item);
    marker->setHeight(item);
    QCOMPARE(marker->boundingRect(), QRectF(-8, 0, 16, 8));
    marker->setPos(QPointF(30.0, 100.0), item);
    QCOMPARE(marker->pos(), QPointF(30.0, 100.0 + item->boundingRect().bottom() - 8.0 - 6.0));

    marker->setColor(Qt::white);
    QImage image(16, 8, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(8, 0);
    marker->paint(&painter, nullptr, nullptr);
    painter.end();
    // An upward triangle: full at the bottom, a point at the top.
    QCOMPARE(qAlpha(image.pixel(8, 7)), 255);
    QCOMPARE(qAlpha(image.pixel(1, 1)), 0);
    QVERIFY(qAlpha(image.pixel(1, 7)) > 0);
}

void TestMyThumbnailView::wheelTakesFocus()
{
    fillRows(1, 60);
    view->show();
    QVERIFY(QTest::qWaitForWindowActive(view));
    QVERIFY(view->verticalScrollBar()->maximum() > 0);
    view->clearFocus();
    QVERIFY(!view->hasFocus());
    QWheelEvent wheel(QPointF(100, 100), view->mapToGlobal(QPoint(100, 100)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
    QVERIFY(view->verticalScrollBar()->value() > 0);
    QVERIFY(view->hasFocus());
}

void TestMyThumbnailView::itemsOutOfViewAreLeftOutOfThePaint_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("at the top") << "none";
    QTest::newRow("a page down") << "page";
    QTest::newRow("a few pixels down") << "pixels";
    QTest::newRow("three pages down") << "pages";
    QTest::newRow("at the end") << "end";
    QTest::newRow("filtered, in the middle") << "filter";
    QTest::newRow("taller view") << "taller";
    QTest::newRow("items added below the top") << "added";
}

// Items out of view have no contents for the scene's paint walk; after every change of
// what is in view the viewport shows exactly what a paint of all items shows.
void TestMyThumbnailView::itemsOutOfViewAreLeftOutOfThePaint()
{
    QFETCH(QString, change);
    fillRows(60, 6);
    grab();
    QScrollBar* bar = view->verticalScrollBar();
    QVERIFY(bar->maximum() > 8 * bar->pageStep());
    if (change == QLatin1String("page")) {
        bar->setValue(bar->pageStep());
    } else if (change == QLatin1String("pages")) {
        bar->setValue(3 * bar->pageStep());
    } else if (change == QLatin1String("pixels")) {
        bar->setValue(37);
    } else if (change == QLatin1String("end")) {
        bar->setValue(bar->maximum());
    } else if (change == QLatin1String("filter")) {
        QList<AbstractThumbnailItem*> kept;
        for (int i = 0; i < items.size(); i += 3)
            kept << items.at(i);
        view->filterItems(kept);
        bar->setValue(bar->maximum() / 2);
    } else if (change == QLatin1String("taller")) {
        bar->setValue(bar->pageStep() / 2);
        view->resize(600, 900);
    } else if (change == QLatin1String("added")) {
        bar->setValue(bar->pageStep());
        QApplication::processEvents();
        view->viewport()->grab();
        for (int i = 0; i < 12; ++i) {
            auto* item = makeCabinetItem(cardPicture(80, 60, QColor(160, 60, 60)), 80, QStringLiteral("New %1").arg(i));
            item->showItemLabel(false, false);
            view->insertItem(i, item, true);
            items << item;
        }
    }
    QApplication::processEvents();
    const QImage culled = view->viewport()->grab().toImage();

    const QRectF visible = view->mapToScene(view->viewport()->rect()).boundingRect();
    QStringList missing;
    int leftOut = 0;
    for (MyThumbnailItem* item : qAsConst(items)) {
        const bool noContents = item->flags() & QGraphicsItem::ItemHasNoContents;
        if (noContents && item->isVisible() && item->sceneBoundingRect().intersects(visible))
            missing << item->getText();
        leftOut += noContents ? 1 : 0;
        item->setFlag(QGraphicsItem::ItemHasNoContents, false);
    }
    QCOMPARE(culled, view->viewport()->grab().toImage());
    QCOMPARE(missing, QStringList());
    QVERIFY(leftOut > items.size() / 2);
}

// An item taken out of the view while it is out of view is drawn wherever it goes next.
void TestMyThumbnailView::itemLeavingTheViewIsDrawnAgain()
{
    fillRows(30, 6);
    grab();
    MyThumbnailItem* last = items.last();
    QVERIFY(last->flags() & QGraphicsItem::ItemHasNoContents);
    QCOMPARE(view->takeAt(-1, view->getList(-1).indexOf(last), true), last);
    QVERIFY(!(last->flags() & QGraphicsItem::ItemHasNoContents));

    QGraphicsScene scene;
    scene.addItem(last);
    QImage image(last->boundingRect().size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.render(&painter, QRectF(image.rect()), last->sceneBoundingRect());
    painter.end();
    const QColor middle = image.pixelColor(image.width() / 2, image.height() / 2);
    QVERIFY2(middle.alpha() > 0 && near(middle, QColor(60, 160, 60), 40), qPrintable(middle.name(QColor::HexArgb)));
}

VORENDA_TEST_MAIN(TestMyThumbnailView)
#include "tst_mythumbnailview.moc"
