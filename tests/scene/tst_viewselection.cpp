#include "TestEnvironment.h"

#include "InteractionFixtures.h"

#include <QElapsedTimer>
#include <QSignalSpy>

// Selection by mouse and keys, the gap search, focus and the Delete key of a view.
class TestViewSelection : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clicksSelect_data();
    void clicksSelect();
    void rightPressKeepsOrReplacesSelection();
    void pressRecordsCategory_data();
    void pressRecordsCategory();
    void gapSearchEndsForAnySpacing_data();
    void gapSearchEndsForAnySpacing();
    void emptySpacePressReachesParentOnlyWithoutRubberBand();
    void arrowKeys_data();
    void arrowKeys();
    void shiftDownSkipsFilteredItems();
    void homeAndEndWorkWithoutFocus();
    void deleteKey_data();
    void deleteKey();
    void tabFocusSelectsFirstListedItem();
    void selectAllHonoursMultiSelectionAndFilter();

private:
    void clearFocus();
    AbstractThumbnailItem* at(int i) const { return i < 0 ? nullptr : items.at(i); }
    QGraphicsItem* focused() const { return view->scene()->focusItem(); }

    ThumbnailView* view = nullptr;
    QList<ThumbnailItem*> items;
};

void TestViewSelection::init()
{
    view = new ThumbnailView;
    QVERIFY(showGrid(*view));
    items = addItems(*view, 8);
}

void TestViewSelection::cleanup()
{
    delete view;
    view = nullptr;
    items.clear();
}

void TestViewSelection::clearFocus()
{
    view->scene()->clearSelection();
    view->scene()->setFocusItem(nullptr);
    view->setCurrentItem(nullptr);
}

void TestViewSelection::clicksSelect_data()
{
    // Clicks as "index:modifier" steps; a filter hides some items from Shift ranges.
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QList<int>>("filtered");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("current");
    QTest::newRow("plain click") << QStringList{QStringLiteral("1"), QStringLiteral("2")} << QList<int>{}
                                 << QList<int>{2} << 2;
    QTest::newRow("ctrl adds") << QStringList{QStringLiteral("1"), QStringLiteral("3:ctrl")} << QList<int>{}
                               << QList<int>{1, 3} << 1;
    QTest::newRow("ctrl removes") << QStringList{QStringLiteral("1"), QStringLiteral("3:ctrl"),
                                                 QStringLiteral("1:ctrl")}
                                  << QList<int>{} << QList<int>{3} << 1;
    QTest::newRow("ctrl makes sole selection current")
        << QStringList{QStringLiteral("1"), QStringLiteral("1:ctrl"), QStringLiteral("5:ctrl")} << QList<int>{}
        << QList<int>{5} << 5;
    QTest::newRow("shift range from current") << QStringList{QStringLiteral("1"), QStringLiteral("5:shift")}
                                              << QList<int>{} << QList<int>{1, 2, 3, 4, 5} << 1;
    QTest::newRow("shift range backwards")
        << QStringList{QStringLiteral("5"), QStringLiteral("2:shift")} << QList<int>{} << QList<int>{2, 3, 4, 5} << 5;
    QTest::newRow("shift range skips filtered") << QStringList{QStringLiteral("1"), QStringLiteral("5:shift")}
                                                << QList<int>{0, 1, 2, 4, 5} << QList<int>{1, 2, 4, 5} << 1;
    QTest::newRow("shift without current starts at first")
        << QStringList{QStringLiteral("3:shift")} << QList<int>{} << QList<int>{0, 1, 2, 3} << -1;
    QTest::newRow("plain click on one of several")
        << QStringList{QStringLiteral("1"), QStringLiteral("4:shift"), QStringLiteral("2")} << QList<int>{}
        << QList<int>{2} << 2;
}

void TestViewSelection::clicksSelect()
{
    QFETCH(QStringList, clicks);
    QFETCH(QList<int>, filtered);
    QFETCH(QList<int>, selected);
    QFETCH(int, current);
    if (!filtered.isEmpty()) {
        QList<AbstractThumbnailItem*> filter;
        for (int i : filtered)
            filter << items[i];
        view->filterItems(filter);
    }
    clearFocus();
    QSignalSpy clicked(view, &AbstractThumbnailView::itemClicked);
    for (const QString& click : qAsConst(clicks)) {
        const QStringList parts = click.split(QLatin1Char(':'));
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        if (parts.value(1) == QLatin1String("ctrl"))
            modifiers = Qt::ControlModifier;
        else if (parts.value(1) == QLatin1String("shift"))
            modifiers = Qt::ShiftModifier;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, centreOf(*view, items[parts[0].toInt()]));
    }
    QCOMPARE(numbers(view->getSelectedItems()), selected);
    QCOMPARE(view->getCurrentItem(), at(current));
    // Every plain click is reported once.
    QCOMPARE(clicked.count(), int(std::count_if(clicks.cbegin(), clicks.cend(),
                                                [](const QString& c) { return !c.contains(QLatin1Char(':')); })));
}

void TestViewSelection::rightPressKeepsOrReplacesSelection()
{
    for (int i : {1, 2})
        items[i]->setSelected(true);
    QTest::mousePress(view->viewport(), Qt::RightButton, Qt::NoModifier, centreOf(*view, items[2]));
    QTest::mouseRelease(view->viewport(), Qt::RightButton, Qt::NoModifier, centreOf(*view, items[2]));
    QCOMPARE(numbers(view->getSelectedItems()), (QList<int>{1, 2}));
    QTest::mousePress(view->viewport(), Qt::RightButton, Qt::NoModifier, centreOf(*view, items[6]));
    QTest::mouseRelease(view->viewport(), Qt::RightButton, Qt::NoModifier, centreOf(*view, items[6]));
    QCOMPARE(numbers(view->getSelectedItems()), QList<int>{6});
    QCOMPARE(view->getCurrentItem(), at(6));
}

void TestViewSelection::pressRecordsCategory_data()
{
    QTest::addColumn<bool>("categories");
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("key");
    QTest::newRow("gap beside an item") << true << "gap" << 2;
    QTest::newRow("below all rows") << true << "below" << 2;
    QTest::newRow("on a header") << true << "header" << 1;
    QTest::newRow("below rows without categories") << false << "below" << -1;
}

void TestViewSelection::pressRecordsCategory()
{
    QFETCH(bool, categories);
    QFETCH(QString, where);
    QFETCH(int, key);
    ThumbnailView grid;
    QVERIFY(showGrid(grid));
    QList<ThumbnailItem*> second;
    if (categories) {
        grid.setCategoryHeader(1, makeTextHeader(QStringLiteral("one")), -1, -1, false);
        grid.setCategoryHeader(2, makeTextHeader(QStringLiteral("two")), -1, -1, false);
        addItems(grid, 2, 1);
        second = addItems(grid, 2, 2);
    } else {
        second = addItems(grid, 2);
    }
    QPoint point;
    if (where == QLatin1String("gap"))
        point = QPoint(50, centreOf(grid, second[0]).y());
    else if (where == QLatin1String("below"))
        point = QPoint(100, 390);
    else
        point = centreOf(grid, grid.getCategoryHeader(1)) + QPoint(-60, 0);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, point);
    QCOMPARE(grid.getSelectedCategoryKey(), key);
}

void TestViewSelection::gapSearchEndsForAnySpacing_data()
{
    QTest::addColumn<double>("horizontal");
    QTest::addColumn<double>("vertical");
    QTest::addColumn<bool>("found");
    QTest::newRow("sub-pixel horizontal") << 0.4 << 10.0 << false;
    QTest::newRow("negative horizontal") << -10.0 << 10.0 << true;
    QTest::newRow("zero") << 0.0 << 0.0 << false;
    QTest::newRow("normal") << 10.0 << 10.0 << true;
}

void TestViewSelection::gapSearchEndsForAnySpacing()
{
    QFETCH(double, horizontal);
    QFETCH(double, vertical);
    QFETCH(bool, found);
    // The gap right of the last item of the second row: only a walk to the left finds it.
    const QPoint gap(centreOf(*view, items[7]).x() + 25, centreOf(*view, items[7]).y());
    view->setSpacing(vertical, horizontal, false);
    QCOMPARE(view->getTargetItem(gap) != nullptr, found);
    if (found)
        QCOMPARE(view->getTargetItem(gap), at(7));
    QCOMPARE(view->getTargetItem(QPoint(5, 395)), nullptr);
}

namespace {
class PressCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};
}

void TestViewSelection::emptySpacePressReachesParentOnlyWithoutRubberBand()
{
    PressCounter parent;
    auto* inner = new ThumbnailView(&parent);
    parent.resize(210, 400);
    inner->resize(210, 400);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    addItems(*inner, 2);
    const QPoint empty(100, 300);
    QTest::mouseClick(inner->viewport(), Qt::LeftButton, Qt::NoModifier, empty);
    QCOMPARE(parent.presses, 0);
    inner->setAllowMultiSelection(false);
    QTest::mouseClick(inner->viewport(), Qt::LeftButton, Qt::NoModifier, empty);
    QCOMPARE(parent.presses, 1);
    // A press on an item stays in the view.
    QTest::mouseClick(inner->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(*inner, inner->getAllItems()[0]));
    QCOMPARE(parent.presses, 1);
}

void TestViewSelection::arrowKeys_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("right") << 1 << int(Qt::Key_Right) << 2;
    QTest::newRow("left") << 1 << int(Qt::Key_Left) << 0;
    QTest::newRow("right at the end of a row") << 3 << int(Qt::Key_Right) << 3;
    QTest::newRow("left at the start of a row") << 4 << int(Qt::Key_Left) << 4;
    QTest::newRow("down") << 1 << int(Qt::Key_Down) << 5;
    QTest::newRow("up") << 6 << int(Qt::Key_Up) << 2;
    QTest::newRow("down from the last row") << 6 << int(Qt::Key_Down) << 6;
    QTest::newRow("page down") << 0 << int(Qt::Key_PageDown) << 7;
    QTest::newRow("page up") << 6 << int(Qt::Key_PageUp) << 0;
}

void TestViewSelection::arrowKeys()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    // Eight items in two rows of four.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(*view, items[from]));
    QTest::keyClick(view, Qt::Key(key));
    QCOMPARE(numbers(view->getSelectedItems()), QList<int>{to});
    QCOMPARE(focused(), static_cast<QGraphicsItem*>(items[to]));
    QCOMPARE(view->getCurrentItem(), at(to));
}

void TestViewSelection::shiftDownSkipsFilteredItems()
{
    view->filterItems({items[0], items[1], items[3], items[4], items[5], items[6], items[7]});
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(*view, items[1]));
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    // Item 2 is filtered out, so the row below item 1 now starts with item 4.
    QCOMPARE(numbers(view->getSelectedItems()), (QList<int>{1, 3, 4, 5, 6}));
    QCOMPARE(view->getCurrentItem(), at(1));
    QCOMPARE(focused(), static_cast<QGraphicsItem*>(items[6]));
}

void TestViewSelection::homeAndEndWorkWithoutFocus()
{
    clearFocus();
    QTest::keyClick(view, Qt::Key_Right);
    QVERIFY(view->getSelectedItems().isEmpty());
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(numbers(view->getSelectedItems()), QList<int>{7});
    clearFocus();
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(numbers(view->getSelectedItems()), QList<int>{0});
    QCOMPARE(view->getCurrentItem(), at(0));
}

void TestViewSelection::deleteKey_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<bool>("allow");
    QTest::addColumn<QList<int>>("left");
    QTest::addColumn<int>("focusIndex");
    QTest::newRow("refused") << QList<int>{1, 2, 3} << false << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << -1;
    QTest::newRow("next takes the place") << QList<int>{1, 2, 3} << true << QList<int>{0, 4, 5, 6, 7} << 4;
    QTest::newRow("at the end") << QList<int>{6, 7} << true << QList<int>{0, 1, 2, 3, 4, 5} << 5;
}

void TestViewSelection::deleteKey()
{
    QFETCH(QList<int>, selected);
    QFETCH(bool, allow);
    QFETCH(QList<int>, left);
    QFETCH(int, focusIndex);
    const int focusedNumber = focusIndex;
    ViewOwner owner;
    owner.allowDelete = allow;
    owner.attach(view);
    clearFocus();
    for (int i : selected)
        items[i]->setSelected(true);
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(owner.deleteRequests, 1);
    QCOMPARE(numbers(view->getAllItems()), left);
    if (focusedNumber >= 0) {
        QCOMPARE(numbers(view->getSelectedItems()), QList<int>{focusedNumber});
        QVERIFY(focused());
        QCOMPARE(focused()->data(0).toInt(), focusedNumber);
    } else {
        QCOMPARE(numbers(view->getSelectedItems()), selected);
    }
    // Nothing selected: the owner is not asked.
    view->scene()->clearSelection();
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(owner.deleteRequests, 1);
}

void TestViewSelection::tabFocusSelectsFirstListedItem()
{
    view->filterItems({items[5], items[6]});
    clearFocus();
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(view, &focus);
    QCOMPARE(numbers(view->getSelectedItems()), QList<int>{5});
    QCOMPARE(view->getCurrentItem(), at(5));
    QCOMPARE(focused(), static_cast<QGraphicsItem*>(items[5]));
    // With a selection, the focus goes to it and the current item stays.
    view->scene()->setFocusItem(nullptr);
    items[6]->setSelected(true);
    items[5]->setSelected(false);
    QApplication::sendEvent(view, &focus);
    QCOMPARE(focused(), static_cast<QGraphicsItem*>(items[6]));
    QCOMPARE(view->getCurrentItem(), at(5));
}

void TestViewSelection::selectAllHonoursMultiSelectionAndFilter()
{
    view->setAllowMultiSelection(false);
    items[2]->setSelected(true);
    view->selectAll();
    QCOMPARE(numbers(view->getSelectedItems()), QList<int>{2});
    view->setAllowMultiSelection(true);
    view->filterItems({items[1], items[4]});
    view->selectAll();
    QCOMPARE(numbers(view->getSelectedItems()), (QList<int>{1, 4}));
}

VORENDA_TEST_MAIN(TestViewSelection)
#include "tst_viewselection.moc"
