#include "TestEnvironment.h"

#include "DragImageComposer.h"
#include "DropIndicatorItem.h"
#include "InteractionFixtures.h"

#include <QDataStream>
#include <QEventLoop>
#include <QPainter>
#include <QSignalSpy>
#include <QTimer>

// Drops onto a view: moves by the internal format, URLs from other applications,
// hostile drag data, the drop indicator and the drag image.
class TestViewDragDrop : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dropMovesWithinACategory_data();
    void dropMovesWithinACategory();
    void dropOntoADraggedItemIsRefused();
    void dropBelowRowsGoesInFrontOfLastCategory();
    void dropOnCollapsedHeaderExpandsIt();
    void refusedMoveLeavesItemInPlace();
    void dropMovesBetweenViews_data();
    void dropMovesBetweenViews();
    void dragBodyNamesKeyAndIndex();
    void hostileDragDataIsRefused_data();
    void hostileDragDataIsRefused();
    void otherDragFormatIsNotRecognised();
    void urlDropIsHandledAfterTheEvent();
    void manyDroppedLinksComeInTheBackground();
    void urlDragRefusedOnEntryButDropAccepted();
    void indicatorStandsBetweenTargetAndSuccessor();
    void moveItemsByCommand();
    void dragImageGrid_data();
    void dragImageGrid();
    void dragImageOfTwoItems();

private:
    QByteArray body(qint64 identity, const QList<QPair<int, int>>& entries, int count = -2) const;

    ThumbnailView* view = nullptr;
    QList<ThumbnailItem*> items;
    ViewOwner owner;
};

void TestViewDragDrop::init()
{
    owner = ViewOwner();
    view = new ThumbnailView;
    QVERIFY(showGrid(*view));
    owner.attach(view);
    items = addItems(*view, 8);
}

void TestViewDragDrop::cleanup()
{
    delete view;
    view = nullptr;
    items.clear();
}

QByteArray TestViewDragDrop::body(qint64 identity, const QList<QPair<int, int>>& entries, int count) const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << identity << qint32(count == -2 ? entries.count() : count);
    for (const auto& entry : entries)
        stream << qint32(entry.first) << qint32(entry.second);
    return bytes;
}

void TestViewDragDrop::dropMovesWithinACategory_data()
{
    QTest::addColumn<QList<int>>("dragged");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("rightHalf");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("second onto right half of fourth") << QList<int>{1} << 3 << true
                                                      << QList<int>{0, 2, 3, 1, 4, 5, 6, 7};
    QTest::newRow("onto left half goes before") << QList<int>{1} << 3 << false
                                                << QList<int>{0, 2, 1, 3, 4, 5, 6, 7};
    QTest::newRow("three keep their order after the target") << QList<int>{5, 6, 7} << 1 << true
                                                             << QList<int>{0, 1, 5, 6, 7, 2, 3, 4};
    QTest::newRow("three from both sides") << QList<int>{0, 6, 2} << 4 << true
                                           << QList<int>{1, 3, 4, 0, 6, 2, 5, 7};
}

void TestViewDragDrop::dropMovesWithinACategory()
{
    QFETCH(QList<int>, dragged);
    QFETCH(int, target);
    QFETCH(bool, rightHalf);
    QFETCH(QList<int>, order);
    QList<AbstractThumbnailItem*> drag;
    for (int i : dragged)
        drag << items[i];
    QScopedPointer<QMimeData> data(view->getDragMimeData(drag));
    QSignalSpy moved(view, &AbstractThumbnailView::itemMoved);
    const QPoint pos = centreOf(*view, items[target]) + QPoint(rightHalf ? 12 : -12, 0);
    QVERIFY(dropAt(*view, pos, data.data()));
    QCOMPARE(numbers(view->getList(-1)), order);
    QCOMPARE(moved.count(), dragged.count());
    // Each move reports where the item was and where it went; the last one stays put.
    const QList<QVariant> first = moved.first();
    QCOMPARE(first.at(3).toInt(), dragged.first());
    QCOMPARE(first.at(2).value<AbstractThumbnailView*>(), view);
    QCOMPARE(moved.last().at(6).toInt(), order.indexOf(dragged.last()));
}

void TestViewDragDrop::dropOntoADraggedItemIsRefused()
{
    QScopedPointer<QMimeData> data(view->getDragMimeData({items[1], items[2]}));
    QVERIFY(!dropAt(*view, centreOf(*view, items[2]), data.data()));
    QCOMPARE(numbers(view->getList(-1)), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(owner.moveRequests, 0);
}

void TestViewDragDrop::dropBelowRowsGoesInFrontOfLastCategory()
{
    ThumbnailView grid;
    ViewOwner gridOwner;
    gridOwner.attach(&grid);
    QVERIFY(showGrid(grid));
    grid.setCategoryHeader(1, makeTextHeader(QStringLiteral("one")), -1, -1, false);
    grid.setCategoryHeader(2, makeTextHeader(QStringLiteral("two")), -1, -1, false);
    const QList<ThumbnailItem*> one = addItems(grid, 3, 1);
    const QList<ThumbnailItem*> two = addItems(grid, 3, 2);
    // The first item of the last category is filtered out: the drop goes before the first shown one.
    QList<AbstractThumbnailItem*> shown{one[0], one[1], one[2], two[1], two[2]};
    grid.filterItems(shown);
    QScopedPointer<QMimeData> data(grid.getDragMimeData({one[1]}));
    QVERIFY(dropAt(grid, QPoint(100, 390), data.data()));
    QCOMPARE(numbers(grid.getList(2)), (QList<int>{0, 1, 1, 2}));
    QCOMPARE(grid.getList(2).at(1), static_cast<AbstractThumbnailItem*>(one[1]));
    QCOMPARE(one[1]->getCategoryKey(), 2);
    QCOMPARE(grid.getList(1).count(), 2);
}

void TestViewDragDrop::dropOnCollapsedHeaderExpandsIt()
{
    ThumbnailView grid;
    ViewOwner gridOwner;
    gridOwner.attach(&grid);
    QVERIFY(showGrid(grid));
    grid.setCategoryHeader(1, makeTextHeader(QStringLiteral("one")), -1, -1, false);
    grid.setCategoryHeader(2, makeTextHeader(QStringLiteral("two")), -1, -1, false);
    const QList<ThumbnailItem*> one = addItems(grid, 2, 1);
    addItems(grid, 2, 2);
    CategoryHeaderItem* header = grid.getCategoryHeader(2);
    header->setExpanded(false);
    QScopedPointer<QMimeData> data(grid.getDragMimeData({one[0]}));
    QVERIFY(dropAt(grid, centreOf(grid, header) + QPoint(-60, 0), data.data()));
    QVERIFY(header->isExpanded());
    QCOMPARE(grid.getList(2).first(), static_cast<AbstractThumbnailItem*>(one[0]));
    QVERIFY(one[0]->isVisible());
}

void TestViewDragDrop::refusedMoveLeavesItemInPlace()
{
    owner.allowMoves = false;
    QScopedPointer<QMimeData> data(view->getDragMimeData({items[1], items[2]}));
    QSignalSpy moved(view, &AbstractThumbnailView::itemMoved);
    QVERIFY(dropAt(*view, centreOf(*view, items[6]) + QPoint(12, 0), data.data()));
    QCOMPARE(owner.moveRequests, 2);
    QCOMPARE(moved.count(), 0);
    QCOMPARE(numbers(view->getList(-1)), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

void TestViewDragDrop::dropMovesBetweenViews_data()
{
    QTest::addColumn<bool>("sourceLocked");
    QTest::newRow("moved") << false;
    // A drag that began before its view turned read-only (its cabinet locked).
    QTest::newRow("source read-only meanwhile") << true;
}

void TestViewDragDrop::dropMovesBetweenViews()
{
    QFETCH(bool, sourceLocked);
    ThumbnailView target;
    ViewOwner targetOwner;
    targetOwner.attach(&target);
    QVERIFY(showGrid(target));
    const QList<ThumbnailItem*> theirs = addItems(target, 2);
    QScopedPointer<QMimeData> data(view->getDragMimeData({items[2], items[3]}));
    QSignalSpy moved(&target, &AbstractThumbnailView::itemMoved);
    view->setReadOnly(sourceLocked);
    QCOMPARE(dropAt(target, centreOf(target, theirs[0]) - QPoint(12, 0), data.data()), !sourceLocked);
    if (sourceLocked) {
        QCOMPARE(numbers(target.getList(-1)), (QList<int>{0, 1}));
        QCOMPARE(numbers(view->getList(-1)), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(items[2]->getView(), view);
        QCOMPARE(targetOwner.moveRequests, 0);
        return;
    }
    QCOMPARE(numbers(target.getList(-1)), (QList<int>{2, 3, 0, 1}));
    QCOMPARE(numbers(view->getList(-1)), (QList<int>{0, 1, 4, 5, 6, 7}));
    QCOMPARE(items[2]->getView(), &target);
    QCOMPARE(items[2]->scene(), target.scene());
    QCOMPARE(moved.count(), 2);
    QCOMPARE(moved.first().at(2).value<AbstractThumbnailView*>(), view);
    QCOMPARE(moved.first().at(5).value<AbstractThumbnailView*>(), &target);
    QCOMPARE(targetOwner.moveRequests, 2);
    QCOMPARE(owner.moveRequests, 0);
}

void TestViewDragDrop::dragBodyNamesKeyAndIndex()
{
    view->setCategoryHeader(4, makeTextHeader(QStringLiteral("four")));
    auto* filed = makeItem(40, 40, 4);
    view->addItem(filed);
    auto* loose = makeItem(40, 40);
    QSignalSpy owners(view, &AbstractThumbnailView::setMimeData);
    QScopedPointer<QMimeData> data(view->getDragMimeData({items[5], filed, loose}));
    delete loose;
    QCOMPARE(owners.count(), 1);
    QCOMPARE(data->formats().last(), QStringLiteral("application/x-abstractthumbnailview-"));
    QDataStream stream(data->data(view->getDragMimeType()));
    qint64 identity = 0;
    qint32 count = 0;
    stream >> identity >> count;
    QCOMPARE(identity, qint64(reinterpret_cast<quintptr>(view)));
    QCOMPARE(count, 3);
    QList<qint32> pairs;
    for (int i = 0; i < 6; ++i) {
        qint32 value = 0;
        stream >> value;
        pairs << value;
    }
    QCOMPARE(pairs, (QList<qint32>{-1, 5, 4, 0, -1, -1}));
    QVERIFY(stream.atEnd());
}

void TestViewDragDrop::hostileDragDataIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("negative count") << "negative";
    QTest::newRow("huge count") << "huge";
    QTest::newRow("truncated entries") << "truncated";
    QTest::newRow("zero identity") << "zero";
    QTest::newRow("identity of no live view") << "unknown";
    QTest::newRow("three bytes") << "short";
    QTest::newRow("empty") << "empty";
}

void TestViewDragDrop::hostileDragDataIsRefused()
{
    QFETCH(QString, kind);
    const qint64 self = qint64(reinterpret_cast<quintptr>(view));
    QByteArray bytes;
    if (kind == QLatin1String("negative"))
        bytes = body(self, {{-1, 1}}, -5);
    else if (kind == QLatin1String("huge"))
        bytes = body(self, {{-1, 1}}, 0x7fffffff);
    else if (kind == QLatin1String("truncated"))
        bytes = body(self, {{-1, 1}}, 3);
    else if (kind == QLatin1String("zero"))
        bytes = body(0, {{-1, 1}});
    else if (kind == QLatin1String("unknown"))
        bytes = body(self + 4096, {{-1, 1}});
    else if (kind == QLatin1String("short"))
        bytes = QByteArray("\x01\x02\x03", 3);
    QMimeData data;
    data.setData(view->getDragMimeType(), bytes);
    QVERIFY(!dropAt(*view, centreOf(*view, items[5]), &data));
    QCOMPARE(owner.moveRequests, 0);
    QCOMPARE(numbers(view->getList(-1)), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    QVERIFY(!view->getDropIndicator()->isVisible());
}

void TestViewDragDrop::otherDragFormatIsNotRecognised()
{
    ThumbnailView other;
    other.setDragFormatName(QStringLiteral("panel"));
    QScopedPointer<QMimeData> data(other.getDragMimeData({}));
    data->setData(view->getDragMimeType().append(QLatin1String("x")), data->data(other.getDragMimeType()));
    QVERIFY(!dropAt(*view, centreOf(*view, items[1]), data.data()));
    QCOMPARE(owner.moveRequests, 0);
}

void TestViewDragDrop::urlDropIsHandledAfterTheEvent()
{
    // The owner's answer may run a dialog; it must not run inside the drop event.
    bool inDrop = false;
    bool askedInDrop = false;
    int dialogs = 0;
    connect(view, QOverload<QUrl, QString, int, AbstractThumbnailItem**>::of(&AbstractThumbnailView::createItem), view,
            [&](QUrl, QString, int, AbstractThumbnailItem**) {
                askedInDrop = askedInDrop || inDrop;
                QEventLoop dialog;
                QTimer::singleShot(20, &dialog, &QEventLoop::quit);
                dialog.exec();
                ++dialogs;
            });
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.com/a")), QUrl::fromLocalFile(QStringLiteral("/tmp/b"))});
    data.setData(QStringLiteral("text/url-name"), QByteArray("Alpha\nBeta"));
    const QPoint pos = centreOf(*view, items[1]) + QPoint(12, 0);
    QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    inDrop = true;
    QApplication::sendEvent(view->viewport(), &drop);
    inDrop = false;
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QCOMPARE(owner.createdUrls.count(), 0);
    QTRY_COMPARE(owner.createdUrls.count(), 2);
    QVERIFY(!askedInDrop);
    QCOMPARE(dialogs, 2);
    QCOMPARE(owner.createdNames, (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta")}));
    // Both land after the target, in order.
    QCOMPARE(numbers(view->getList(-1)), (QList<int>{0, 1, 1001, 1002, 2, 3, 4, 5, 6, 7}));
}

void TestViewDragDrop::manyDroppedLinksComeInTheBackground()
{
    QList<QUrl> urls;
    for (int i = 0; i < AbstractThumbnailView::immediatePasteLimit * 5; ++i)
        urls << QUrl(QStringLiteral("https://example.com/%1").arg(i));
    QMimeData data;
    data.setUrls(urls);
    QSignalSpy finished(view, &AbstractThumbnailView::urlPasteFinished);
    // Dropped on the right half of an item: after it, in the order of the links.
    QVERIFY(dropAt(*view, centreOf(*view, items[1]) + QPoint(12, 0), &data));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(owner.createdUrls, urls);
    const QList<AbstractThumbnailItem*>& list = view->getList(-1);
    QCOMPARE(list.size(), items.size() + urls.size());
    QCOMPARE(list.indexOf(items[1]), 1);
    QCOMPARE(list.at(2)->toolTip(), urls.first().toString());
    QCOMPARE(list.at(1 + urls.size())->toolTip(), urls.last().toString());
    QCOMPARE(list.indexOf(items[2]), 2 + urls.size());
}

void TestViewDragDrop::urlDragRefusedOnEntryButDropAccepted()
{
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.com/"))});
    // Refused on entry: the drop never reaches the view.
    owner.acceptUrls = false;
    bool entered = true;
    QVERIFY(!dropAt(*view, centreOf(*view, items[1]), &data, &entered));
    QVERIFY(!entered);
    // Welcome on entry, refused when the drop is carried out: taken, nothing made.
    owner.acceptUrls = true;
    const QPoint pos = centreOf(*view, items[1]);
    QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    owner.acceptUrls = false;
    QDropEvent drop(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);
    QVERIFY(drop.isAccepted());
    QTRY_COMPARE(owner.urlQuestions, 3);
    QCOMPARE(owner.createdUrls.count(), 0);
    QCOMPARE(view->getList(-1).count(), 8);
}

void TestViewDragDrop::indicatorStandsBetweenTargetAndSuccessor()
{
    QScopedPointer<QMimeData> data(view->getDragMimeData({items[7]}));
    const QPoint pos = centreOf(*view, items[1]) + QPoint(12, 0);
    QDragEnterEvent enter(pos, Qt::CopyAction, data.data(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QDragMoveEvent move(pos, Qt::CopyAction, data.data(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QVERIFY(move.isAccepted());
    DropIndicatorItem* marker = view->getDropIndicator();
    QVERIFY(marker->isVisible());
    // Item 1 ends at 95, item 2 starts at 105: the marker stands at 100.
    QCOMPARE(marker->pos(), QPointF(100, 0));
    QCOMPARE(marker->getHeight(), 40.0);
    QCOMPARE(marker->zValue(), 10.0);
    // Over a dragged item of its own view the marker goes away.
    const QPoint onDragged = centreOf(*view, items[7]);
    QDragMoveEvent again(onDragged, Qt::CopyAction, data.data(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &again);
    QVERIFY(!marker->isVisible());
    QDropEvent drop(pos, Qt::CopyAction, data.data(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);
    QVERIFY(!marker->isVisible());
}

void TestViewDragDrop::moveItemsByCommand()
{
    view->setCategoryHeader(3, makeTextHeader(QStringLiteral("three")));
    QSignalSpy moved(view, &AbstractThumbnailView::itemMoved);
    view->moveItems({items[2], nullptr, items[4]}, 3);
    QCOMPARE(numbers(view->getList(3)), (QList<int>{2, 4}));
    QCOMPARE(moved.count(), 2);
    QCOMPARE(moved.at(1).at(3).toInt(), 3);
    QCOMPARE(moved.at(1).at(6).toInt(), 1);
    owner.allowMoves = false;
    view->moveItems({items[5]}, 3);
    QCOMPARE(numbers(view->getList(-1)), (QList<int>{0, 1, 3, 5, 6, 7}));
}

void TestViewDragDrop::dragImageGrid_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("imageSide");
    // The grid grows with the count; past 1024 pixels the same layout is scaled down.
    QTest::newRow("two") << 2 << 128 << 2 << 124 << 259;
    QTest::newRow("nine") << 9 << 128 << 3 << 81 << 258;
    QTest::newRow("nine hundred") << 900 << 128 << 30 << 32 << 1024;
    QTest::newRow("small pictures") << 4 << 20 << 2 << 20 << 50;
}

void TestViewDragDrop::dragImageGrid()
{
    QFETCH(int, count);
    QFETCH(int, side);
    QFETCH(int, columns);
    QFETCH(int, cell);
    QFETCH(int, imageSide);
    QPixmap picture(side, side);
    picture.fill(Qt::blue);
    QList<AbstractThumbnailItem*> many;
    for (int i = 0; i < count; ++i) {
        auto* item = makeItem(side, side);
        item->setImage(picture);
        many << item;
    }
    const DragImageComposer::Grid grid = DragImageComposer::grid(many, many.first());
    QCOMPARE(grid.columns, columns);
    QCOMPARE(grid.cellWidth, cell);
    const QImage image = DragImageComposer::compose(many, many.first());
    QCOMPARE(image.width(), imageSide);
    QCOMPARE(image.height(), imageSide);
    // The first cell carries the picture at 80 % of its opacity; the gap stays clear.
    QCOMPARE(image.pixelColor(2, 2).alpha(), 204);
    QCOMPARE(image.pixelColor(2, 2).blue(), 255);
    const int gapX = int((grid.cellWidth + 2) * grid.scale);
    QCOMPARE(image.pixelColor(gapX, 2).alpha(), 0);
    qDeleteAll(many);
}

void TestViewDragDrop::dragImageOfTwoItems()
{
    // Two items: two columns with 5-pixel gaps; the second picture starts after the gap.
    QPixmap red(64, 64);
    red.fill(Qt::red);
    QList<AbstractThumbnailItem*> two;
    for (int i = 0; i < 2; ++i) {
        auto* item = makeItem(64, 64);
        item->setImage(red);
        two << item;
    }
    const QImage image = DragImageComposer::compose(two, two.first());
    QCOMPARE(image.size(), QSize(124 + 10, 124 + 10));
    QCOMPARE(image.pixelColor(10, 10).alpha(), 204);
    QCOMPARE(image.pixelColor(63, 10).alpha(), 0);
    QCOMPARE(image.pixelColor(70, 10).alpha(), 204);
    QCOMPARE(image.pixelColor(10, 70).alpha(), 0);
    qDeleteAll(two);
}

VORENDA_TEST_MAIN(TestViewDragDrop)
#include "tst_viewdragdrop.moc"
