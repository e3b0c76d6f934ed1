#include "TestEnvironment.h"

#include "SceneFixtures.h"
#include "TextItem.h"

#include <QGraphicsScene>

// The flow layout: rows, wrapping, alignment, categories, collapsing and filtering.
class TestViewLayout : public QObject
{
    Q_OBJECT

private slots:
    void rowsWrap();
    void alignment_data();
    void alignment();
    void wideItemTakesItsOwnRow();
    void categoriesStackWithCollapsedOnesTakingNoRoom();
    void hideIfEmpty_data();
    void hideIfEmpty();
    void filterHidesItemsAndUnmatchedHeaders();
    void subcategoriesAreIndented();
    void hiddenCategoriesLayFlatAndHideHeaders();
    void measuringMovesNothing();
    void emptyViewFillsTheViewport();
};

static CategoryHeaderItem* headerWithText(const QString& name)
{
    CategoryHeaderItem* header = makeHeader(name);
    header->setTextItem(new TextItem(true, true), MarginProperty(0.0));
    return header;
}

void TestViewLayout::rowsWrap()
{
    LayoutView view;
    view.setSpacing(0.0, 10.0, false);
    QList<ThumbnailItem*> items;
    for (int i = 0; i < 3; ++i) {
        items << makeItem(30, 40);
        view.addItem(items.last(), false);
    }
    const double bottom = view.doLayout(100.0, false);
    QCOMPARE(items[0]->pos(), QPointF(5, 0));
    QCOMPARE(items[1]->pos(), QPointF(45, 0));
    QCOMPARE(items[2]->pos(), QPointF(5, 40));
    QCOMPARE(bottom, 80.0);
    QCOMPARE(view.getMaxLineHeight(view.getAllItems(), 2, 100.0), 40.0);

    view.setSpacing(6.0, 10.0, false);
    view.setMargin(MarginProperty(3, 0, 4, 0), false);
    QCOMPARE(view.doLayout(100.0, false), 3 + 40 + 6 + 40 + 4.0);
    QCOMPARE(items[2]->pos(), QPointF(5, 49));
}

void TestViewLayout::alignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<double>("lowY");
    QTest::newRow("bottom") << int(Qt::AlignBottom) << 20.0;
    QTest::newRow("top") << int(Qt::AlignTop) << 0.0;
}

void TestViewLayout::alignment()
{
    QFETCH(int, alignment);
    QFETCH(double, lowY);
    LayoutView view;
    view.setItemAlignment(Qt::Alignment(alignment));
    auto* low = makeItem(30, 40);
    auto* tall = makeItem(30, 60);
    view.addItem(low, false);
    view.addItem(tall, false);
    view.doLayout(200.0, false);
    QCOMPARE(low->y(), lowY);
    QCOMPARE(tall->y(), 0.0);
}

void TestViewLayout::wideItemTakesItsOwnRow()
{
    LayoutView view;
    view.setSpacing(0.0, 10.0, false);
    auto* wide = makeItem(300, 20);
    auto* next = makeItem(30, 30);
    view.addItem(wide, false);
    view.addItem(next, false);
    view.doLayout(100.0, false);
    QCOMPARE(wide->pos(), QPointF(5, 0));
    QCOMPARE(next->pos(), QPointF(5, 20));
}

void TestViewLayout::categoriesStackWithCollapsedOnesTakingNoRoom()
{
    LayoutView view;
    view.setSpacing(0.0, 10.0, false);
    view.setCategorySpacing(7.0);
    for (int key = 1; key <= 3; ++key)
        view.setCategoryHeader(key, headerWithText(QString::number(key)), -1, -1, false);
    auto* a = makeItem(30, 40, 1);
    auto* b = makeItem(30, 40, 1);
    auto* c = makeItem(30, 40, 2);
    auto* d = makeItem(30, 40, 3);
    for (AbstractThumbnailItem* item : {a, b, c, d})
        view.addItem(item, false);
    view.getCategoryHeader(2)->setExpanded(false);

    const double hh = view.getCategoryHeader(1)->boundingRect().height();
    QVERIFY(hh > 0.0);
    const double bottom = view.doLayout(100.0, false);
    QCOMPARE(view.getCategoryHeader(1)->pos(), QPointF(0, 0));
    QCOMPARE(view.getCategoryHeader(1)->getWidth(), 100.0);
    QCOMPARE(a->pos(), QPointF(5, hh));
    QCOMPARE(b->pos(), QPointF(45, hh));
    const double second = hh + 40 + 7;
    QCOMPARE(view.getCategoryHeader(2)->pos(), QPointF(0, second));
    QVERIFY(view.getCategoryHeader(2)->isVisible());
    QVERIFY(!c->isVisible());
    const double third = second + hh + 7;
    QCOMPARE(view.getCategoryHeader(3)->pos(), QPointF(0, third));
    QCOMPARE(d->pos(), QPointF(5, third + hh));
    QCOMPARE(bottom, third + hh + 40);
    QCOMPARE(view.getLastLaidOutCategory(), view.getCategoryItem(3));
}

void TestViewLayout::hideIfEmpty_data()
{
    QTest::addColumn<bool>("hideIfEmpty");
    QTest::newRow("hidden when empty") << true;
    QTest::newRow("kept") << false;
}

void TestViewLayout::hideIfEmpty()
{
    QFETCH(bool, hideIfEmpty);
    LayoutView view;
    view.setCategoryHeader(1, headerWithText(QStringLiteral("empty")), -1, -1, false);
    view.setCategoryHeader(2, headerWithText(QStringLiteral("full")), -1, -1, false);
    view.getCategoryHeader(1)->setHideIfEmpty(hideIfEmpty);
    view.addItem(makeItem(30, 40, 2), false);
    view.doLayout(100.0, false);
    const double hh = view.getCategoryHeader(1)->boundingRect().height();
    QCOMPARE(view.getCategoryHeader(1)->isVisible(), !hideIfEmpty);
    QCOMPARE(view.getCategoryHeader(2)->y(), hideIfEmpty ? 0.0 : hh);
}

void TestViewLayout::filterHidesItemsAndUnmatchedHeaders()
{
    LayoutView view;
    view.setSpacing(0.0, 10.0, false);
    view.setCategoryHeader(1, headerWithText(QStringLiteral("one")), -1, -1, false);
    view.setCategoryHeader(2, headerWithText(QStringLiteral("two")), -1, -1, false);
    auto* loose = makeItem(30, 40);
    auto* match = makeItem(30, 40, 1);
    auto* miss = makeItem(30, 40, 1);
    auto* other = makeItem(30, 40, 2);
    for (AbstractThumbnailItem* item : {loose, miss, match, other})
        view.addItem(item, false);
    view.filterItems({match});
    view.doLayout(100.0, false);
    QVERIFY(!loose->isVisible());
    QVERIFY(!miss->isVisible());
    QVERIFY(!other->isVisible());
    QVERIFY(match->isVisible());
    QCOMPARE(match->x(), 5.0);
    QVERIFY(view.getCategoryHeader(1)->isVisible());
    QVERIFY(!view.getCategoryHeader(2)->isVisible());

    view.filterItems({});
    view.doLayout(100.0, false);
    QVERIFY(loose->isVisible() && miss->isVisible() && other->isVisible());
}

void TestViewLayout::subcategoriesAreIndented()
{
    LayoutView view;
    view.setSpacing(0.0, 10.0, false);
    view.setIndentation(20.0);
    view.setCategoryHeader(1, headerWithText(QStringLiteral("top")), -1, -1, false);
    view.setCategoryHeader(2, headerWithText(QStringLiteral("sub")), 1, -1, false);
    view.getCategoryHeader(2)->setMargin(MarginProperty(0, 4, 0, 3));
    auto* item = makeItem(30, 40, 2);
    view.addItem(item, false);
    view.doLayout(200.0, false);
    const double hh = view.getCategoryHeader(1)->boundingRect().height();
    QCOMPARE(view.getCategoryHeader(2)->pos(), QPointF(23, hh));
    QCOMPARE(view.getCategoryHeader(2)->getWidth(), 200.0 - 23 - 4);
    QCOMPARE(item->pos(), QPointF(25, 2 * hh));

    // Collapsing the parent hides the whole subtree.
    view.getCategoryHeader(1)->setExpanded(false);
    view.doLayout(200.0, false);
    QVERIFY(!view.getCategoryHeader(2)->isVisible());
    QVERIFY(!item->isVisible());
}

void TestViewLayout::hiddenCategoriesLayFlatAndHideHeaders()
{
    LayoutView view;
    view.setSpacing(0.0, 10.0, false);
    view.setCategoryHeader(1, headerWithText(QStringLiteral("one")), -1, -1, false);
    auto* inside = makeItem(30, 40, 1);
    auto* loose = makeItem(30, 40);
    view.addItem(inside, false);
    view.addItem(loose, false);
    view.doLayout(100.0, false);
    QVERIFY(view.getCategoryHeader(1)->isVisible());
    view.setShowCategories(false);
    QCOMPARE(view.doLayout(100.0, false), 40.0);
    QVERIFY(!view.getCategoryHeader(1)->isVisible());
    QCOMPARE(loose->pos(), QPointF(5, 0));
    QCOMPARE(inside->pos(), QPointF(45, 0));
}

void TestViewLayout::measuringMovesNothing()
{
    LayoutView view;
    view.setSpacing(0.0, 10.0, false);
    QList<ThumbnailItem*> items;
    for (int i = 0; i < 3; ++i) {
        items << makeItem(30, 40);
        view.addItem(items.last(), false);
    }
    view.doLayout(100.0, false);
    QCOMPARE(view.heightForWidth(1000.0), 40.0);
    QCOMPARE(view.heightForWidth(50.0), 120.0);
    QCOMPARE(items[2]->pos(), QPointF(5, 40));
}

void TestViewLayout::emptyViewFillsTheViewport()
{
    ThumbnailView view;
    view.resize(240, 180);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.updateLayout();
    QCOMPARE(view.scene()->sceneRect(), QRectF(view.viewport()->rect()));
    QCOMPARE(view.sceneRect(), view.scene()->sceneRect());

    // Content taller than the viewport extends the scene.
    view.setSpacing(0, 10);
    for (int i = 0; i < 20; ++i)
        view.addItem(makeItem(200, 50), false);
    view.updateLayout();
    QCOMPARE(view.scene()->sceneRect().height(), 1000.0);
    QCOMPARE(view.scene()->sceneRect().width(), double(view.viewport()->width()));
}

VORENDA_TEST_MAIN(TestViewLayout)
#include "tst_viewlayout.moc"
