#include "TestEnvironment.h"

#include "SceneFixtures.h"
#include "TextItem.h"
#include "ThumbnailItemModel.h"

#include <QPointer>
#include <QSignalSpy>

// Storage, category tree, sorting and filtering of a scene view.
class TestCategoryTree : public QObject
{
    Q_OBJECT

private slots:
    void hiddenCategoriesFileUnderMinusOne();
    void addingTheSameItemTwiceIsRefused();
    void insertAndTake();
    void categoryPaths();
    void deepPathsKeepBothEndsAndFollowChanges();
    void removeWithoutRecursionLiftsChildren();
    void removeRecursively();
    void moveCategory_data();
    void moveCategory();
    void ownAncestorIsRefused();
    void moveToUnknownParentDoesNothing();
    void replacingAHeaderKeepsThePlace();
    void textUpdatesEndOnADamagedTree();
    void sortByText();
    void sortDescendingKeepsEqualKeys();
    void takenItemsLeaveFilterAndCurrentItem();
    void removingTheLastMatchKeepsFilterOn();
    void deletedItemsAndHeadersAreForgotten();
    void deletingManyKeepsTheRest_data();
    void deletingManyKeepsTheRest();
    void filterCountsAndClearing();
    void autoExpandOpensCategoriesOfMatches();
    void itemAtBounds();
    void recurseItemsVisitsParentsFirst();
    void moveNextAndPreviousReport();
};

void TestCategoryTree::hiddenCategoriesFileUnderMinusOne()
{
    ThumbnailView view;
    view.setShowCategories(false);
    auto* item = makeItem(10, 10, 5);
    view.addItem(item);
    QCOMPARE(view.getList(-1), QList<AbstractThumbnailItem*>{item});
    QCOMPARE(view.getItems(5, false), QList<AbstractThumbnailItem*>{item});
    QCOMPARE(view.getAllItems(), QList<AbstractThumbnailItem*>{item});
    QCOMPARE(item->getView(), &view);
    QCOMPARE(item->scene(), view.scene());

    // The tree is kept while hidden, so nothing the owner files is lost.
    QVERIFY(view.setCategoryHeader(5, makeHeader(QStringLiteral("Music"))));
    QCOMPARE(view.getCategoryPath(5), QStringLiteral("Music"));
    QCOMPARE(view.getSelectedCategoryKey(), -1);
}

void TestCategoryTree::addingTheSameItemTwiceIsRefused()
{
    ThumbnailView view;
    auto* item = makeItem(10, 10);
    QVERIFY(view.addItem(item));
    QVERIFY(!view.addItem(item));
    QVERIFY(!view.addItem(nullptr));
    QCOMPARE(view.getAllItems().count(), 1);
}

void TestCategoryTree::insertAndTake()
{
    ThumbnailView view;
    auto* a = makeItem(10, 10);
    auto* b = makeItem(10, 10);
    auto* c = makeItem(10, 10);
    view.addItem(a, false);
    view.addItem(b, false);
    QVERIFY(view.insertItem(1, c, false));
    QCOMPARE(view.getList(-1), (QList<AbstractThumbnailItem*>{a, c, b}));
    auto* outside = makeItem(10, 10);
    QVERIFY(!view.insertItem(5, outside, false));
    delete outside;

    QCOMPARE(view.takeAt(-1, 3, false), nullptr);
    QScopedPointer<AbstractThumbnailItem> taken(view.takeAt(-1, 1, false));
    QCOMPARE(taken.data(), c);
    QCOMPARE(c->getView(), nullptr);
    QCOMPARE(c->scene(), nullptr);
    QCOMPARE(view.getAllItems(), (QList<AbstractThumbnailItem*>{a, b}));

    view.removeItem(a, false);
    QCOMPARE(view.getAllItems(), QList<AbstractThumbnailItem*>{b});
}

void TestCategoryTree::categoryPaths()
{
    ThumbnailView view;
    view.setCategoryHeader(1, makeHeader(QStringLiteral("Media")));
    view.setCategoryHeader(2, makeHeader(QStringLiteral("Music")), 1);
    view.setCategoryHeader(3, makeHeader(QStringLiteral("Jazz")), 2);
    const QString sep = view.categoryPathSeparator();
    QCOMPARE(view.getCategoryPath(1), QStringLiteral("Media"));
    QCOMPARE(view.getCategoryPath(3), QStringLiteral("Media") + sep + QStringLiteral("Music") + sep
                 + QStringLiteral("Jazz"));
    QCOMPARE(view.getCategoryPath(-1), QString());
    QCOMPARE(view.getCategoryPath(42), QString());
    QCOMPARE(view.getLastCategoryKey(), 3);
    QCOMPARE(view.getCategoryParent(3), 2);
    QCOMPARE(view.getCategoryParentHeader(3), view.getCategoryHeader(2));
    QCOMPARE(view.getCategoryHeaderList(-1, true),
             (QList<CategoryHeaderItem*>{view.getCategoryHeader(1), view.getCategoryHeader(2),
                                         view.getCategoryHeader(3)}));
    QCOMPARE(view.getCategoryHeaderList(-1, false), QList<CategoryHeaderItem*>{view.getCategoryHeader(1)});

    // A header with a text item shows the path, and follows a rename above it.
    auto* text = new TextItem(true, true);
    view.getCategoryHeader(3)->setTextItem(text, MarginProperty(0.0));
    view.getCategoryHeader(1)->setText(QStringLiteral("All"));
    QCOMPARE(text->getText(), QStringLiteral("All") + sep + QStringLiteral("Music") + sep + QStringLiteral("Jazz"));

    QList<AbstractThumbnailView::CategoryTreeItem*> tree = view.getCategoryTree(-1);
    QCOMPARE(tree.count(), 1);
    QCOMPARE(tree.first()->key, 1);
    QCOMPARE(tree.first()->children.first()->children.first()->key, 3);
    qDeleteAll(tree);
}

void TestCategoryTree::deepPathsKeepBothEndsAndFollowChanges()
{
    // A chain of 400: the deepest header shows the names at both ends of its path.
    ThumbnailView view;
    const int depth = 400;
    for (int level = 0; level < depth; ++level)
        view.setCategoryHeader(level, makeHeader(QStringLiteral("Level %1").arg(level)), level - 1);
    const QString sep = view.categoryPathSeparator();
    const QString deepest = view.getCategoryPath(depth - 1);
    QVERIFY2(deepest.startsWith(QStringLiteral("Level 0") + sep + QStringLiteral("Level 1") + sep), qPrintable(deepest));
    QVERIFY(deepest.endsWith(QStringLiteral("Level 398") + sep + QStringLiteral("Level 399")));
    QVERIFY(deepest.contains(sep + QChar(0x2026) + sep));
    QVERIFY(deepest.size() < 3 * CategoryPathNames::keptAtEachEnd);
    // A short path stays whole.
    QCOMPARE(view.getCategoryPath(2), QStringLiteral("Level 0") + sep + QStringLiteral("Level 1") + sep
                 + QStringLiteral("Level 2"));

    // What a header shows follows a new name above it, a move and a removal.
    view.getCategoryHeader(0)->setText(QStringLiteral("Top"));
    QVERIFY(view.getCategoryPath(depth - 1).startsWith(QStringLiteral("Top") + sep + QStringLiteral("Level 1")));
    QVERIFY(view.getCategoryHeader(depth - 1)->textToShow().startsWith(QStringLiteral("Top") + sep));
    QVERIFY(view.moveCategoryHeader(397, -1, -1, false));
    QCOMPARE(view.getCategoryPath(depth - 1), QStringLiteral("Level 397") + sep + QStringLiteral("Level 398") + sep
                 + QStringLiteral("Level 399"));
    view.removeCategory(398, false, false, false);
    QCOMPARE(view.getCategoryPath(depth - 1), QStringLiteral("Level 397") + sep + QStringLiteral("Level 399"));
    QCOMPARE(view.getCategoryPath(2), QStringLiteral("Top") + sep + QStringLiteral("Level 1") + sep
                 + QStringLiteral("Level 2"));
}

void TestCategoryTree::removeWithoutRecursionLiftsChildren()
{
    ThumbnailView view;
    view.setCategoryHeader(1, makeHeader(QStringLiteral("a")));
    view.setCategoryHeader(2, makeHeader(QStringLiteral("b")));
    view.setCategoryHeader(3, makeHeader(QStringLiteral("c")));
    view.setCategoryHeader(21, makeHeader(QStringLiteral("b1")), 2);
    view.setCategoryHeader(22, makeHeader(QStringLiteral("b2")), 2);
    auto* inB = makeItem(10, 10, 2);
    auto* inB1 = makeItem(10, 10, 21);
    view.addItem(inB);
    view.addItem(inB1);
    QSignalSpy destroyed(inB, &QObject::destroyed);

    view.removeCategory(2, false, false);
    QCOMPARE(view.getRootCategoryHeaderList(),
             (QList<CategoryHeaderItem*>{view.getCategoryHeader(1), view.getCategoryHeader(21),
                                         view.getCategoryHeader(22), view.getCategoryHeader(3)}));
    QCOMPARE(view.getCategoryParent(21), -1);
    QCOMPARE(view.getCategoryPos(22), 2);
    QCOMPARE(destroyed.count(), 1);
    QCOMPARE(view.getAllItems(), QList<AbstractThumbnailItem*>{inB1});
    QCOMPARE(view.getCategoryItem(2), nullptr);
}

void TestCategoryTree::removeRecursively()
{
    ThumbnailView view;
    view.setCategoryHeader(1, makeHeader(QStringLiteral("a")));
    view.setCategoryHeader(2, makeHeader(QStringLiteral("b")), 1);
    view.setCategoryHeader(3, makeHeader(QStringLiteral("c")), 2);
    view.addItem(makeItem(10, 10, 3));
    view.addItem(makeItem(10, 10, 1));
    view.removeCategory(1, true, true);
    QVERIFY(view.getCategoryItem(1));
    QCOMPARE(view.getCategoryItem(2), nullptr);
    QCOMPARE(view.getCategoryItem(3), nullptr);
    QCOMPARE(view.getAllItems().count(), 1);
    view.removeCategory(1, false, true);
    QVERIFY(view.getAllItems().isEmpty());
    QVERIFY(view.getRootCategoryHeaderList().isEmpty());
}

void TestCategoryTree::moveCategory_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("forward from 0 to 2") << 1 << 2 << QList<int>{2, 1, 3};
    QTest::newRow("to the end") << 1 << 3 << QList<int>{2, 3, 1};
    QTest::newRow("same parent without a position stays") << 1 << -1 << QList<int>{1, 2, 3};
    QTest::newRow("backward from 2 to 0") << 3 << 0 << QList<int>{3, 1, 2};
    QTest::newRow("past the end appends") << 2 << 9 << QList<int>{1, 3, 2};
}

void TestCategoryTree::moveCategory()
{
    QFETCH(int, key);
    QFETCH(int, pos);
    QFETCH(QList<int>, order);
    ThumbnailView view;
    for (int k = 1; k <= 3; ++k)
        view.setCategoryHeader(k, makeHeader(QString::number(k)));
    QVERIFY(view.moveCategoryHeader(key, -1, pos));
    QList<int> keys;
    const QList<CategoryHeaderItem*> headers = view.getRootCategoryHeaderList();
    for (const CategoryHeaderItem* header : headers)
        keys.append(header->getKey());
    QCOMPARE(keys, order);
}

void TestCategoryTree::ownAncestorIsRefused()
{
    ThumbnailView view;
    view.setCategoryHeader(1, makeHeader(QStringLiteral("a")));
    view.setCategoryHeader(2, makeHeader(QStringLiteral("b")), 1);
    view.setCategoryHeader(3, makeHeader(QStringLiteral("c")), 2);

    // Its own parent: refused, and the header stays the caller's.
    QScopedPointer<CategoryHeaderItem> self(makeHeader(QStringLiteral("self")));
    QVERIFY(!view.setCategoryHeader(9, self.data(), 9));
    QCOMPARE(view.getCategoryItem(9), nullptr);
    QCOMPARE(self->getView(), nullptr);

    // Under its own descendant, by either call: refused, the tree unchanged.
    QVERIFY(!view.moveCategoryHeader(1, 3));
    QVERIFY(!view.moveCategoryHeader(2, 2));
    QScopedPointer<CategoryHeaderItem> replacement(makeHeader(QStringLiteral("a2")));
    QVERIFY(!view.setCategoryHeader(1, replacement.data(), 3));
    QCOMPARE(view.getCategoryParent(1), -1);
    QCOMPARE(view.getCategoryParent(3), 2);
    QCOMPARE(view.getCategoryHeader(1)->getText(), QStringLiteral("a"));
    QCOMPARE(view.getItems(1, true).count(), 0);
    QCOMPARE(view.getCategoryHeaderList(-1, true).count(), 3);

    // A legal move still works.
    QVERIFY(view.moveCategoryHeader(3, 1, 0));
    QCOMPARE(view.getCategoryHeaderList(1, false),
             (QList<CategoryHeaderItem*>{view.getCategoryHeader(3), view.getCategoryHeader(2)}));
}

void TestCategoryTree::moveToUnknownParentDoesNothing()
{
    ThumbnailView view;
    view.setCategoryHeader(1, makeHeader(QStringLiteral("a")));
    view.setCategoryHeader(2, makeHeader(QStringLiteral("b")));
    QVERIFY(!view.moveCategoryHeader(1, 77));
    QVERIFY(!view.moveCategoryHeader(55, -1));
    QCOMPARE(view.getRootCategoryHeaderList(),
             (QList<CategoryHeaderItem*>{view.getCategoryHeader(1), view.getCategoryHeader(2)}));
    QCOMPARE(view.getCategoryParent(1), -1);

    // A new category under an unknown parent becomes a root one.
    QVERIFY(view.setCategoryHeader(3, makeHeader(QStringLiteral("c")), 77));
    QCOMPARE(view.getRootCategoryHeaderList().count(), 3);
}

void TestCategoryTree::replacingAHeaderKeepsThePlace()
{
    ThumbnailView view;
    view.setCategoryHeader(1, makeHeader(QStringLiteral("a")));
    view.setCategoryHeader(2, makeHeader(QStringLiteral("b")), 1);
    view.setCategoryHeader(3, makeHeader(QStringLiteral("c")), 1);
    QPointer<CategoryHeaderItem> old = view.getCategoryHeader(2);
    auto* fresh = makeHeader(QStringLiteral("b2"));
    QVERIFY(view.setCategoryHeader(2, fresh, 1));
    QVERIFY(old.isNull());
    QCOMPARE(view.getCategoryHeaderList(1, false),
             (QList<CategoryHeaderItem*>{fresh, view.getCategoryHeader(3)}));
    QCOMPARE(view.getRootCategoryHeaderList().count(), 1);

    // An existing subcategory named under an unknown parent stays where it is.
    QVERIFY(view.setCategoryHeader(3, view.getCategoryHeader(3), 99));
    QCOMPARE(view.getCategoryParent(3), 1);
    QCOMPARE(view.getRootCategoryHeaderList().count(), 1);
}

void TestCategoryTree::textUpdatesEndOnADamagedTree()
{
    // Two categories that list each other as children: the walk still ends.
    ThumbnailView view;
    view.setCategoryHeader(1, makeHeader(QStringLiteral("a")));
    view.setCategoryHeader(2, makeHeader(QStringLiteral("b")), 1);
    view.getCategoryItem(2)->children.append(view.getCategoryItem(1));
    view.getCategoryHeader(1)->setText(QStringLiteral("renamed"));
    QCOMPARE(view.getCategoryPath(2), QStringLiteral("renamed") + view.categoryPathSeparator() + QStringLiteral("b"));
    view.getCategoryItem(2)->children.clear();
}

void TestCategoryTree::sortByText()
{
    ThumbnailView view;
    view.addItem(makeNamedItem(QStringLiteral("b")), false);
    view.addItem(makeNamedItem(QStringLiteral("A")), false);
    view.addItem(makeNamedItem(QStringLiteral("c")), false);
    view.getList(-1).at(1)->setSelected(true);
    view.sortItems(-1, false, Qt::AscendingOrder);
    QStringList texts;
    const QList<AbstractThumbnailItem*> all = view.getAllItems();
    for (const AbstractThumbnailItem* item : all)
        texts << item->getData(0, Qt::DisplayRole).toString();
    QCOMPARE(texts, (QStringList{QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c")}));
    QVERIFY(view.getAllItems().first()->isSelected());
}

void TestCategoryTree::sortDescendingKeepsEqualKeys()
{
    ThumbnailView view;
    view.setCategoryHeader(1, makeHeader(QStringLiteral("cat")));
    view.setCategoryHeader(2, makeHeader(QStringLiteral("sub")), 1);
    auto* same1 = makeNamedItem(QStringLiteral("same"), 1);
    auto* same2 = makeNamedItem(QStringLiteral("SAME"), 1);
    auto* z = makeNamedItem(QStringLiteral("z"), 1);
    auto* a = makeNamedItem(QStringLiteral("a"), 2);
    auto* y = makeNamedItem(QStringLiteral("y"), 2);
    for (AbstractThumbnailItem* item : {same1, same2, z, a, y})
        view.addItem(item, false);
    view.sortItems(1, true, Qt::DescendingOrder);
    const QList<AbstractThumbnailItem*> own = view.getItems(1, false);
    QCOMPARE(own.count(), 3);
    QCOMPARE(own.first(), z);
    QVERIFY(own.contains(same1) && own.contains(same2));
    QCOMPARE(view.getItems(2, false), (QList<AbstractThumbnailItem*>{y, a}));
}

void TestCategoryTree::takenItemsLeaveFilterAndCurrentItem()
{
    ThumbnailView view;
    auto* a = makeItem(10, 10);
    auto* b = makeItem(10, 10);
    auto* c = makeItem(10, 10);
    for (AbstractThumbnailItem* item : {a, b, c})
        view.addItem(item, false);
    view.filterItems({a, b});
    view.setCurrentItem(b);

    view.removeItem(b);
    QCOMPARE(view.getCurrentItem(), nullptr);
    QCOMPARE(view.getFilter(), QList<AbstractThumbnailItem*>{a});
    QVERIFY(!view.passesFilter(c));

    view.setCurrentItem(a);
    QScopedPointer<AbstractThumbnailItem> taken(view.takeAt(-1, 0));
    QCOMPARE(taken.data(), a);
    QCOMPARE(view.getCurrentItem(), nullptr);
    QVERIFY(!view.getFilter().contains(a));
}

void TestCategoryTree::removingTheLastMatchKeepsFilterOn()
{
    ThumbnailView view;
    view.setCategoryHeader(1, makeHeader(QStringLiteral("cat")));
    auto* match = makeItem(10, 10, 1);
    auto* other = makeItem(10, 10, 1);
    view.addItem(match);
    view.addItem(other);
    view.filterItems({match});
    view.removeCategory(1, false, false);
    view.addItem(makeItem(10, 10));
    // The filter still matches nothing rather than showing everything.
    QCOMPARE(view.getFilter(), QList<AbstractThumbnailItem*>{nullptr});
    QVERIFY(!view.passesFilter(view.getAllItems().first()));
    view.filterItems({});
    QVERIFY(view.getFilter().isEmpty());
    QVERIFY(view.passesFilter(view.getAllItems().first()));
}

void TestCategoryTree::deletedItemsAndHeadersAreForgotten()
{
    ThumbnailView view;
    view.setCategoryHeader(1, makeHeader(QStringLiteral("cat")));
    auto* a = makeItem(10, 10, 1);
    auto* b = makeItem(10, 10, 1);
    view.addItem(a);
    view.addItem(b);
    view.filterItems({a, b});
    view.setCurrentItem(a);
    QCOMPARE(view.model()->rowCount(), 2);
    delete a;
    QCOMPARE(view.getAllItems(), QList<AbstractThumbnailItem*>{b});
    QCOMPARE(view.getCurrentItem(), nullptr);
    QCOMPARE(view.getFilter(), QList<AbstractThumbnailItem*>{b});
    delete view.getCategoryHeader(1);
    QCOMPARE(view.getCategoryHeader(1), nullptr);
    view.updateLayout();
    QCOMPARE(view.getCategoryPath(1), QString());
}

void TestCategoryTree::deletingManyKeepsTheRest_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("a few, one by one") << 40;
    QTest::newRow("most of a big scene, at once") << 3000;
}

void TestCategoryTree::deletingManyKeepsTheRest()
{
    QFETCH(int, count);
    ThumbnailView view;
    view.setCategoryHeader(1, makeHeader(QStringLiteral("cat")));
    QList<AbstractThumbnailItem*> going;
    QList<QPointer<AbstractThumbnailItem>> watched;
    for (int i = 0; i < count; ++i) {
        auto* item = makeItem(10, 10, i % 2 == 0 ? 1 : -1);
        view.addItem(item, false);
        watched << item;
        if (i % 10 != 3)
            going << item;
    }
    // A stranger and a null entry are passed over.
    QScopedPointer<ThumbnailItem> stranger(makeItem(10, 10));
    going << stranger.data() << nullptr;
    view.updateLayout();
    auto* kept = watched.at(3).data();
    auto* child = makeItem(5, 5);
    child->setParentItem(kept);
    kept->setSelected(true);
    view.setCurrentItem(kept);
    view.filterItems({kept, going.first()});

    view.deleteItems(going);
    QCOMPARE(view.getAllItems().size(), count / 10);
    for (int i = 0; i < count; ++i)
        QCOMPARE(watched.at(i).isNull(), i % 10 != 3);
    QVERIFY(stranger->scene() == nullptr);
    // What stays keeps its place in the scene, its children and its state.
    QCOMPARE(kept->scene(), view.scene());
    QCOMPARE(child->scene(), view.scene());
    QCOMPARE(view.scene()->selectedItems(), QList<QGraphicsItem*>{kept});
    QCOMPARE(view.getCategoryHeader(1)->scene(), view.scene());
    QCOMPARE(view.getCurrentItem(), kept);
    QCOMPARE(view.getFilter(), QList<AbstractThumbnailItem*>{kept});
    QCOMPARE(view.model()->rowCount(), count / 10);

    view.removeAll(true);
    QVERIFY(view.getAllItems().isEmpty());
    QVERIFY(watched.at(3).isNull());
    QCOMPARE(view.getCategoryHeader(1), nullptr);
    QCOMPARE(view.model()->rowCount(), 0);
}

void TestCategoryTree::filterCountsAndClearing()
{
    ThumbnailView view;
    view.setCategoryHeader(1, makeHeader(QStringLiteral("Music")));
    view.setCategoryHeader(2, makeHeader(QStringLiteral("Jazz")), 1);
    QList<AbstractThumbnailItem*> items;
    for (int i = 0; i < 4; ++i)
        items << makeItem(10, 10, i < 2 ? 1 : 2);
    for (AbstractThumbnailItem* item : qAsConst(items))
        view.addItem(item, false);
    CategoryHeaderItem* music = view.getCategoryHeader(1);
    CategoryHeaderItem* jazz = view.getCategoryHeader(2);

    view.filterItems({items[0], items[3]});
    QCOMPARE(music->getItems(), 4);
    QCOMPARE(music->getMatches(), 2);
    QCOMPARE(jazz->getItems(), 2);
    QCOMPARE(jazz->getMatches(), 1);
    QCOMPARE(view.getFilteredCategoryHeaderList(), (QList<CategoryHeaderItem*>{music, jazz}));

    view.filterItems({});
    QVERIFY(view.getFilter().isEmpty());
    QCOMPARE(music->getMatches(), -1);
    QCOMPARE(jazz->getMatches(), -1);
    QVERIFY(view.getFilteredCategoryHeaderList().isEmpty());
}

void TestCategoryTree::autoExpandOpensCategoriesOfMatches()
{
    ThumbnailView view;
    view.setAutoExpandCategories(true);
    view.setCategoryHeader(1, makeHeader(QStringLiteral("a")));
    view.setCategoryHeader(2, makeHeader(QStringLiteral("b")));
    auto* inA = makeItem(10, 10, 1);
    view.addItem(inA);
    view.addItem(makeItem(10, 10, 2));
    view.getCategoryHeader(1)->setExpanded(false);
    view.getCategoryHeader(2)->setExpanded(false);
    QSignalSpy expanded(&view, &AbstractThumbnailView::categoryExpanded);
    view.filterItems({inA});
    QCOMPARE(expanded.count(), 1);
    QVERIFY(view.getCategoryHeader(1)->isExpanded());
    QVERIFY(!view.getCategoryHeader(2)->isExpanded());
    QVERIFY(inA->isVisible());
}

void TestCategoryTree::itemAtBounds()
{
    ThumbnailView view;
    view.addItem(makeItem(10, 10));
    view.addItem(makeItem(10, 10));
    QCOMPARE(view.itemAt(-1), nullptr);
    QCOMPARE(view.itemAt(2), nullptr);
    QVERIFY(view.itemAt(1));
    QCOMPARE(view.modelRowCount(), 2);
}

void TestCategoryTree::recurseItemsVisitsParentsFirst()
{
    ThumbnailView view;
    view.setCategoryHeader(1, makeHeader(QStringLiteral("a")));
    view.setCategoryHeader(2, makeHeader(QStringLiteral("b")), 1);
    view.setCategoryHeader(3, makeHeader(QStringLiteral("c")));
    view.addItem(makeItem(10, 10, 2));
    QSignalSpy found(&view, &AbstractThumbnailView::itemsFound);
    view.recurseItems(true, QStringLiteral("data"));
    QCOMPARE(found.count(), 4);
    QCOMPARE(found.at(0).at(0).value<CategoryHeaderItem*>(), nullptr);
    QCOMPARE(found.at(1).at(0).value<CategoryHeaderItem*>(), view.getCategoryHeader(1));
    QCOMPARE(found.at(2).at(0).value<CategoryHeaderItem*>(), view.getCategoryHeader(2));
    QCOMPARE(found.at(2).at(1).toInt(), 1);
    QCOMPARE(found.at(3).at(0).value<CategoryHeaderItem*>(), view.getCategoryHeader(3));
    QCOMPARE(found.at(3).at(3).toString(), QStringLiteral("data"));
}

void TestCategoryTree::moveNextAndPreviousReport()
{
    ThumbnailView view;
    auto* a = makeItem(10, 10);
    auto* b = makeItem(10, 10);
    view.addItem(a);
    view.addItem(b);
    QSignalSpy moved(&view, &AbstractThumbnailView::itemMoved);
    view.moveNext(b);
    QCOMPARE(moved.count(), 0);
    view.moveNext(a);
    QCOMPARE(view.getAllItems(), (QList<AbstractThumbnailItem*>{b, a}));
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.first().at(3).toInt(), 0);
    QCOMPARE(moved.first().at(6).toInt(), 1);
    view.movePrevious(a);
    QCOMPARE(view.itemAt(0), a);
}

VORENDA_TEST_MAIN(TestCategoryTree)
#include "tst_categorytree.moc"
