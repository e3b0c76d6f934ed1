#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "DynamicAction.h"
#include "MenuCommand.h"

#include <QMenu>

// The category tree as menus of "(here)" places: where items go, where a category
// moves, where a new category is put.
class TestCategoryTargetMenus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void movingACategory_data();
    void movingACategory();
    void addingACategory();
    void movingItems();
    void namesAreShownAsTheyAre();

private:
    // Builds the categories of `tree`: "A(A1,A2) B" gives A with A1 and A2, then B.
    static void buildTree(VorendaShelf& shelf, const QString& tree);
    static int keyOf(const VorendaShelf& shelf, const QString& name);
    // One line per entry: "A>" opens a submenu, "A/A1| here 12 A1" is an entry inside
    // A1's submenu with its command and the category its parameter names.
    static QStringList dump(const VorendaShelf& shelf, const QMenu* menu, const QString& path = QString());
};

void TestCategoryTargetMenus::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
}

void TestCategoryTargetMenus::buildTree(VorendaShelf& shelf, const QString& tree)
{
    int key = 0;
    int parent = -1;
    QString name;
    const auto flush = [&](int parentKey) {
        if (!name.isEmpty())
            addCabinetCategory(shelf, key++, name, parentKey);
        name.clear();
    };
    for (const QChar c : tree) {
        if (c == QLatin1Char('(')) {
            flush(parent);
            parent = key - 1;
        } else if (c == QLatin1Char(')')) {
            flush(parent);
            parent = shelf.view->getCategoryParent(parent);
        } else if (c == QLatin1Char(',') || c == QLatin1Char(' ')) {
            flush(parent);
        } else {
            name += c;
        }
    }
    flush(parent);
}

int TestCategoryTargetMenus::keyOf(const VorendaShelf& shelf, const QString& name)
{
    for (CategoryHeaderItem* header : shelf.view->getCategoryHeaderList(-1, true)) {
        if (header->getText() == name)
            return header->getKey();
    }
    return -1;
}

QStringList TestCategoryTargetMenus::dump(const VorendaShelf& shelf, const QMenu* menu, const QString& path)
{
    QStringList lines;
    const QString prefix = path.isEmpty() ? QString() : path + QStringLiteral("| ");
    for (QAction* action : menu->actions()) {
        if (QMenu* submenu = action->menu()) {
            lines << prefix + submenu->title() + QLatin1Char('>');
            lines << dump(shelf, submenu,
                          path.isEmpty() ? submenu->title() : path + QLatin1Char('/') + submenu->title());
            continue;
        }
        const MenuCommand command = MenuCommand::unpack(action->data());
        const CategoryHeaderItem* target = shelf.view->getCategoryHeader(command.parameter);
        lines << prefix
                + QStringLiteral("%1 %2 %3")
                      .arg(action->text() == QStringLiteral("(here)") ? QStringLiteral("here") : action->text())
                      .arg(int(command.type))
                      .arg(target ? target->getText() : QString::number(command.parameter));
    }
    return lines;
}

void TestCategoryTargetMenus::movingACategory_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("moved");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("C among A(A1,A2), B, C") << QStringLiteral("A(A1,A2) B C") << QStringLiteral("C")
                                            << QStringList{QStringLiteral("here 10 A"),
                                                           QStringLiteral("A>"),
                                                           QStringLiteral("A| here 10 A1"),
                                                           QStringLiteral("A| A1>"),
                                                           QStringLiteral("A/A1| here 12 A1"),
                                                           QStringLiteral("A| here 11 A1"),
                                                           QStringLiteral("A| A2>"),
                                                           QStringLiteral("A/A2| here 12 A2"),
                                                           QStringLiteral("A| here 11 A2"),
                                                           QStringLiteral("here 11 A"),
                                                           QStringLiteral("B>"),
                                                           QStringLiteral("B| here 12 B"),
                                                           QStringLiteral("here 11 B")};
    QTest::newRow("the first of two") << QStringLiteral("A B") << QStringLiteral("A")
                                      << QStringList{QStringLiteral("B>"), QStringLiteral("B| here 12 B"),
                                                     QStringLiteral("here 11 B")};
    QTest::newRow("the second of two") << QStringLiteral("A B") << QStringLiteral("B")
                                       << QStringList{QStringLiteral("here 10 A"), QStringLiteral("A>"),
                                                      QStringLiteral("A| here 12 A"), QStringLiteral("here 11 A")};
    QTest::newRow("the only child") << QStringLiteral("A(A1)") << QStringLiteral("A1")
                                    << QStringList{QStringLiteral("here 10 A"), QStringLiteral("A>"),
                                                   QStringLiteral("A| here 12 A"), QStringLiteral("here 11 A")};
    QTest::newRow("the first of two children")
        << QStringLiteral("A(A1,A2)") << QStringLiteral("A1")
        << QStringList{QStringLiteral("here 10 A"),     QStringLiteral("A>"),
                       QStringLiteral("A| A2>"),        QStringLiteral("A/A2| here 12 A2"),
                       QStringLiteral("A| here 11 A2"), QStringLiteral("here 11 A")};
    QTest::newRow("a single category") << QStringLiteral("A") << QStringLiteral("A") << QStringList();
}

void TestCategoryTargetMenus::movingACategory()
{
    QFETCH(QString, tree);
    QFETCH(QString, moved);
    QFETCH(QStringList, entries);
    VorendaShelf shelf;
    buildTree(shelf, tree);
    QMenu menu;
    QPointer<QMenu> submenu = menu.addMenu(QStringLiteral("Move To"));

    // The menus' own loop over the top level, as the category menus run it.
    const QList<CategoryTreeNode*> nodes = shelf.view->getCategoryTree(-1);
    for (int i = 0; i < nodes.size(); ++i) {
        if (nodes.at(i)->key != keyOf(shelf, moved))
            shelf.createSubmenuForMovingCategory(nodes.at(i), submenu, keyOf(shelf, moved), i);
    }
    qDeleteAll(nodes);
    QCOMPARE(dump(shelf, submenu), entries);
    for (QAction* action : submenu->findChildren<QAction*>())
        QVERIFY2(!qobject_cast<DynamicAction*>(action), "category places are plain entries");
}

void TestCategoryTargetMenus::addingACategory()
{
    VorendaShelf shelf;
    buildTree(shelf, QStringLiteral("A(A1) B"));
    QMenu menu;
    QMenu* places = shelf.createSubmenuForAddingCategory(menu.addMenu(QStringLiteral("New Category")), -1, true);
    QVERIFY(places);
    QCOMPARE(dump(shelf, places),
             (QStringList{QStringLiteral("here 56 A"), QStringLiteral("A>"), QStringLiteral("A| here 56 A1"),
                          QStringLiteral("A| A1>"), QStringLiteral("A/A1| here 58 A1"), QStringLiteral("A| here 57 A1"),
                          QStringLiteral("here 57 A"), QStringLiteral("B>"), QStringLiteral("B| here 58 B"),
                          QStringLiteral("here 57 B")}));

    // A category without subcategories offers no place: the menu goes unless it is kept.
    QPointer<QMenu> empty = menu.addMenu(QStringLiteral("New Subcategory"));
    QVERIFY(!shelf.createSubmenuForAddingCategory(empty, keyOf(shelf, QStringLiteral("B")), true));
    QVERIFY(!empty);
    QMenu kept;
    QCOMPARE(shelf.createSubmenuForAddingCategory(&kept, keyOf(shelf, QStringLiteral("B")), false), &kept);
    QVERIFY(kept.isEmpty());
}

void TestCategoryTargetMenus::movingItems()
{
    VorendaShelf shelf;
    buildTree(shelf, QStringLiteral("A(A1) B"));
    for (bool dynamic : {false, true}) {
        QMenu menu;
        const QList<CategoryTreeNode*> nodes = shelf.view->getCategoryTree(-1);
        for (CategoryTreeNode* node : nodes)
            shelf.createSubmenuForMovingItems(node, &menu, dynamic ? MoveSelectedItems : MoveItems, dynamic);
        qDeleteAll(nodes);
        const QString number = QString::number(dynamic ? MoveSelectedItems : MoveItems);
        QCOMPARE(dump(shelf, &menu),
                 (QStringList{QStringLiteral("A>"), QStringLiteral("A| here %1 A").arg(number),
                              QStringLiteral("A| A1>"), QStringLiteral("A/A1| here %1 A1").arg(number),
                              QStringLiteral("B>"), QStringLiteral("B| here %1 B").arg(number)}));
        QAction* entry = menu.actions().first()->menu()->actions().first();
        QCOMPARE(bool(qobject_cast<DynamicAction*>(entry)), dynamic);
    }
}

// A name with an ampersand or a tab is no mnemonic and no key column.
void TestCategoryTargetMenus::namesAreShownAsTheyAre()
{
    VorendaShelf shelf;
    addCabinetCategory(shelf, 0, QStringLiteral("R&D\tLab"));
    QMenu menu;
    const QList<CategoryTreeNode*> nodes = shelf.view->getCategoryTree(-1);
    shelf.createSubmenuForMovingItems(nodes.first(), &menu, MoveItems, false);
    qDeleteAll(nodes);
    QCOMPARE(menu.actions().first()->menu()->title(), QStringLiteral("R&&D Lab"));
    QCOMPARE(menu.actions().first()->iconText(), QStringLiteral("R&D Lab"));
}

VORENDA_TEST_MAIN(TestCategoryTargetMenus)
#include "tst_categorytargetmenus.moc"
