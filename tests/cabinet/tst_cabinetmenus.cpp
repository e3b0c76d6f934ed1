#include "TestEnvironment.h"

#include "AddProgressWidget.h"
#include "CabinetTestFixtures.h"
#include "DockableWidget.h"
#include "DynamicAction.h"
#include "HelpWidget.h"
#include "ItemPropertiesDialog.h"
#include "MenuCommand.h"
#include "PopupMenuDriver.h"
#include "QuestionDriver.h"
#include "QuickStartDialog.h"
#include "RemoveWarningDialog.h"
#include "ShelfMenus.h"
#include "SkinWidget.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTranslator>

using PopupMenuDriver::choose;
using PopupMenuDriver::whenMenuShows;

// The cabinet's menus as they are built: their entries, order, separators, keys and
// states; and how they open, close and carry out what was chosen.
class TestCabinetMenus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void contextMenus_data();
    void contextMenus();
    void itemMenu_data();
    void itemMenu();
    void itemsMenu_data();
    void itemsMenu();
    void cabinetAndCategoriesMenus();
    void addingItemsEntries_data();
    void addingItemsEntries();
    void sharedSubmenus();
    void styleLists();
    void menusOpenOneAtATime();
    void itemMenuRemovesAfterTheQuestion();
    void barMenusRunTheirChoice();
    void menuOpenWhenLockedChangesNothing_data();
    void menuOpenWhenLockedChangesNothing();
    void helpKeysAndFullScreenText();
    void menusSpeakGermanAndSpanish_data();
    void menusSpeakGermanAndSpanish();

private:
    // One line per entry: "--" a separator, "Title >" a submenu (its entries indented
    // below while `depth` allows), else the text, the key of a shared action after a
    // tab, " #command:parameter" for a command, " [x]"/" [ ]" for a check mark and
    // " (off)" when disabled. A run of "%1 Style" entries shows as "<styles #n>".
    static QStringList dump(const QMenu* menu, int depth, const QString& indent = QString());
    static QString key(QKeySequence::StandardKey standard);
    static QString key(const QKeySequence& sequence);
    static std::unique_ptr<VorendaShelf> filledCabinet();
    // The style, the top bar, the categories and every item with its category, in order.
    static QStringList contents(const VorendaShelf& shelf);
};

void TestCabinetMenus::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    QuickStartDialog::installCabinetLink();
    VorendaGlobal::load();
}

void TestCabinetMenus::init()
{
    QApplication::clipboard()->clear();
}

QString TestCabinetMenus::key(QKeySequence::StandardKey standard)
{
    return QKeySequence(standard).toString(QKeySequence::NativeText);
}

QString TestCabinetMenus::key(const QKeySequence& sequence)
{
    return sequence.toString(QKeySequence::NativeText);
}

QStringList TestCabinetMenus::dump(const QMenu* menu, int depth, const QString& indent)
{
    QStringList lines;
    int styleCommand = -1;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            lines << indent + QStringLiteral("--");
            continue;
        }
        QString line = indent + action->text();
        const MenuCommand command = MenuCommand::unpack(action->data());
        if (command.valid && (command.type == NewShelf || command.type == ChangeStyle)
            && action->text().endsWith(QStringLiteral(" Style"))) {
            if (styleCommand != int(command.type))
                lines << indent + QStringLiteral("<styles #%1>").arg(int(command.type));
            styleCommand = int(command.type);
            continue;
        }
        if (QMenu* submenu = action->menu()) {
            lines << line + QStringLiteral(" >");
            // Submenus with tables of their own are checked on their own.
            static const QStringList folded{QStringLiteral("Add Items"),
                                            QStringLiteral("New Category"),
                                            QStringLiteral("New Subcategory"),
                                            QStringLiteral("Dock To Screen Edge"),
                                            QStringLiteral("View"),
                                            QStringLiteral("Personalize"),
                                            QStringLiteral("Help && Support")};
            const bool fold =
                folded.contains(submenu->title()) || submenu->title().startsWith(QStringLiteral("Move '"));
            if (depth > 1 && !fold)
                lines << dump(submenu, depth - 1, indent + QStringLiteral("  "));
            continue;
        }
        if (!action->shortcut().isEmpty())
            line += QLatin1Char('\t') + key(action->shortcut());
        if (command.valid)
            line += QStringLiteral(" #%1:%2").arg(int(command.type)).arg(command.parameter);
        if (action->isCheckable())
            line += action->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]");
        if (!action->isEnabled())
            line += QStringLiteral(" (off)");
        lines << line;
    }
    return lines;
}

std::unique_ptr<VorendaShelf> TestCabinetMenus::filledCabinet()
{
    auto shelf = std::make_unique<VorendaShelf>();
    fillCabinet(*shelf);
    return shelf;
}

void TestCabinetMenus::contextMenus_data()
{
    QTest::addColumn<QString>("cabinet");
    QTest::addColumn<bool>("kiosk");
    QTest::addColumn<int>("categoryKey");
    QTest::addColumn<QStringList>("entries");

    const QStringList tail{QStringLiteral("--"), QStringLiteral("Dock To Screen Edge >"), QStringLiteral("View >"),
                           QStringLiteral("Personalize >"), QStringLiteral("Help && Support >")};
    const QStringList modes{QStringLiteral("Show Full Screen\tCtrl+F"), QStringLiteral("Show In Kiosk Mode\tCtrl+K"),
                            QStringLiteral("Stay On Top\tCtrl+T [ ]"), QStringLiteral("Auto Hide\tCtrl+D [x]")};
    const auto cabinetMenu = [&](const QString& newCategory) {
        return QStringList{QStringLiteral("New Cabinet >"),
                           QStringLiteral("  <styles #1>"),
                           QStringLiteral("--"),
                           QStringLiteral("Hide Cabinet\t%1 #2:-1").arg(key(Qt::Key_Escape)),
                           QStringLiteral("Delete Cabinet #0:-1"),
                           QStringLiteral("--"),
                           newCategory,
                           QStringLiteral("Add Items >"),
                           QStringLiteral("--"),
                           QStringLiteral("Sort All Items >"),
                           QStringLiteral("  Ascending Order #8:-1"),
                           QStringLiteral("  Descending Order #9:-1"),
                           QStringLiteral("Select All Items\t%1").arg(key(QKeySequence::SelectAll)),
                           QStringLiteral("Show All Names #20:-1"),
                           QStringLiteral("Hide All Names #21:-1"),
                           QStringLiteral("Remove All Items #43:-1"),
                           QStringLiteral("--"),
                           QStringLiteral("Expand All Categories #32:-1"),
                           QStringLiteral("Collapse All Categories #33:-1"),
                           QStringLiteral("Remove All Categories #38:-1"),
                           QStringLiteral("--")}
        + modes + tail;
    };
    QTest::newRow("cabinet") << "filled" << false << -1 << cabinetMenu(QStringLiteral("New Category >"));
    QTest::newRow("cabinet without categories")
        << "empty" << false << -1 << cabinetMenu(QStringLiteral("New Category #53:-1"));

    const auto categoryMenu = [&](int key, const QString& name, const QString& newSubcategory, bool move) {
        const QString k = QString::number(key);
        QStringList lines{newSubcategory,
                          QStringLiteral("Add Items >"),
                          QStringLiteral("--"),
                          QStringLiteral("Sort Items >"),
                          QStringLiteral("  In '%1' Only >").arg(name),
                          QStringLiteral("    Ascending Order #6:") + k,
                          QStringLiteral("    Descending Order #7:") + k,
                          QStringLiteral("  Include Subcategories >"),
                          QStringLiteral("    Ascending Order #8:") + k,
                          QStringLiteral("    Descending Order #9:") + k,
                          QStringLiteral("Select Items >"),
                          QStringLiteral("  In '%1' Only #47:").arg(name) + k,
                          QStringLiteral("  Include Subcategories #48:") + k,
                          QStringLiteral("Show Names >"),
                          QStringLiteral("  In '%1' Only #20:").arg(name) + k,
                          QStringLiteral("  Include Subcategories #28:") + k,
                          QStringLiteral("Hide Names >"),
                          QStringLiteral("  In '%1' Only #21:").arg(name) + k,
                          QStringLiteral("  Include Subcategories #29:") + k,
                          QStringLiteral("--"),
                          QStringLiteral("Collapse '%1' #34:").arg(name) + k,
                          QStringLiteral("Rename '%1' #35:").arg(name) + k};
        if (move)
            lines << QStringLiteral("Move '%1' To >").arg(name);
        lines << QStringList{QStringLiteral("--"),
                             QStringLiteral("Remove '%1' >").arg(name),
                             QStringLiteral("  '%1' Only #36:").arg(name) + k,
                             QStringLiteral("  Subcategories Only #39:") + k,
                             QStringLiteral("  '%1' And Subcategories #37:").arg(name) + k,
                             QStringLiteral("Remove Items >"),
                             QStringLiteral("  From '%1' Only #43:").arg(name) + k,
                             QStringLiteral("  From Subcategories Only #45:") + k,
                             QStringLiteral("  From '%1' And Subcategories #44:").arg(name) + k};
        return lines + tail;
    };
    QTest::newRow("category with a subcategory")
        << "filled" << false << 0
        << categoryMenu(0, QStringLiteral("Documents"), QStringLiteral("New Subcategory >"), true);
    QTest::newRow("category without subcategories")
        << "filled" << false << 2
        << categoryMenu(2, QStringLiteral("Music"), QStringLiteral("New Subcategory #53:2"), true);
    QTest::newRow("the only category") << "single" << false << 0
                                       << categoryMenu(0, QStringLiteral("Only"),
                                                       QStringLiteral("New Subcategory #53:0"), false);
    QTest::newRow("category without a header")
        << "filled" << false << 7
        << QStringList{QStringLiteral("New Subcategory #53:7"), QStringLiteral("Add Items >")} + tail;
    QTest::newRow("cabinet in kiosk mode")
        << "filled" << true << -1 << QStringList{QStringLiteral("Exit Kiosk Mode\tCtrl+K")};
    QTest::newRow("category in kiosk mode")
        << "filled" << true << 0 << QStringList{QStringLiteral("Exit Kiosk Mode\tCtrl+K")};
}

void TestCabinetMenus::contextMenus()
{
    QFETCH(QString, cabinet);
    QFETCH(bool, kiosk);
    QFETCH(int, categoryKey);
    QFETCH(QStringList, entries);
    VorendaShelf shelf;
    if (cabinet == QLatin1String("filled"))
        fillCabinet(shelf);
    else if (cabinet == QLatin1String("single"))
        addCabinetCategory(shelf, 0, QStringLiteral("Only"));
    if (kiosk)
        shelf.onToggleKioskMode();
    QMenu menu;
    ShelfMenus(shelf).fillContextMenu(&menu, categoryKey);
    QCOMPARE(dump(&menu, 3), entries);
}

void TestCabinetMenus::itemMenu_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("kiosk");
    QTest::addColumn<QStringList>("entries");
    const QString open = QStringLiteral("Open\t%1 #49:-1").arg(key(Qt::Key_Enter));
    const QStringList before{open,
                             QStringLiteral("Show in File Manager\t%1 #51:-1").arg(key(Qt::SHIFT + Qt::Key_Enter)),
                             QStringLiteral("Toggle Name\tCtrl+L")};
    const QStringList after{QStringLiteral("Remove\t%1 #42:-1").arg(key(QKeySequence::Delete)),
                            QStringLiteral("Refresh Thumbnail #13:-1"),
                            QStringLiteral("Set Custom Thumbnail... #15:-1"),
                            QStringLiteral("--"),
                            QStringLiteral("Cut\t") + key(QKeySequence::Cut),
                            QStringLiteral("Copy\t") + key(QKeySequence::Copy),
                            QStringLiteral("Paste\t%1 (off)").arg(key(QKeySequence::Paste)),
                            QStringLiteral("--"),
                            QStringLiteral("Move To >"),
                            QStringLiteral("  (here) #4:-1"),
                            QStringLiteral("  Documents >"),
                            QStringLiteral("    (here) #4:0"),
                            QStringLiteral("    Letters >"),
                            QStringLiteral("      (here) #4:1"),
                            QStringLiteral("  Music >"),
                            QStringLiteral("    (here) #4:2")};
    QTest::newRow("one item") << 1 << false
                              << before
            + QStringList{QStringLiteral("Rename\tF2 #40:-1"), QStringLiteral("Properties...\tF3")} + after;
    QTest::newRow("two items") << 2 << false << before + after;
    QTest::newRow("kiosk mode") << 2 << true << QStringList{open};
}

void TestCabinetMenus::itemMenu()
{
    QFETCH(int, count);
    QFETCH(bool, kiosk);
    QFETCH(QStringList, entries);
    auto shelf = filledCabinet();
    shelf->kiosk = kiosk;
    QMenu menu;
    ShelfMenus(*shelf).fillItemMenu(&menu, count);
    QCOMPARE(dump(&menu, 4), entries);
}

void TestCabinetMenus::itemsMenu_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("category");
    QTest::addColumn<QStringList>("entries");

    const QString del = key(QKeySequence::Delete);
    const auto submenus = [&](bool selection, bool category) {
        const QString off = selection ? QString() : QStringLiteral(" (off)");
        QStringList lines{QStringLiteral("Sort >"), QStringLiteral("  All Items >")};
        if (category)
            lines << QStringList{QStringLiteral("  --"), QStringLiteral("  In 'Music' Only >"),
                                 QStringLiteral("  In 'Music' And Subcategories >")};
        lines << QStringList{QStringLiteral("Select >"),
                             QStringLiteral("  All Items\t%1 #48:-1").arg(key(QKeySequence::SelectAll))};
        if (category)
            lines << QStringList{QStringLiteral("  --"), QStringLiteral("  In 'Music' Only #47:2"),
                                 QStringLiteral("  In 'Music' And Subcategories #48:2")};
        const struct {
            const char* title;
            int all;
            const char* selectedText;
            int selected;
            const char* ownText;
            int own;
            const char* belowText;
            int below;
        } rows[] = {
            {"Show Names", 20, "Selected Items", 23, "In 'Music' Only", 20, "In 'Music' And Subcategories", 28},
            {"Hide Names", 21, "Selected Items", 24, "In 'Music' Only", 21, "In 'Music' And Subcategories", 29},
            {"Remove", 43, "Selected Items\t%1", 46, "From 'Music' Only", 43, "From 'Music' And Subcategories", 44}};
        for (const auto& row : rows) {
            lines << QString::fromLatin1(row.title) + QStringLiteral(" >")
                  << QStringLiteral("  All Items #%1:-1").arg(row.all)
                  << QStringLiteral("  ") + QString::fromLatin1(row.selectedText).replace(QStringLiteral("%1"), del)
                    + QStringLiteral(" #%1:-1").arg(row.selected) + off;
            if (category)
                lines << QStringLiteral("  --")
                      << QStringLiteral("  %1 #%2:2").arg(QString::fromLatin1(row.ownText)).arg(row.own)
                      << QStringLiteral("  %1 #%2:2").arg(QString::fromLatin1(row.belowText)).arg(row.below);
        }
        return lines;
    };
    const QStringList selectionEntries{
        QStringLiteral("Open\t%1 #50:-1").arg(key(Qt::Key_Enter)),
        QStringLiteral("Show in File Manager\t%1 #52:-1").arg(key(Qt::SHIFT + Qt::Key_Enter))};
    const QStringList selectionTail{
        QStringLiteral("Remove\t%1 #46:-1").arg(del),     QStringLiteral("Refresh Thumbnail #14:-1"),
        QStringLiteral("Set Custom Thumbnail... #15:-1"), QStringLiteral("--"),
        QStringLiteral("Cut\t") + key(QKeySequence::Cut), QStringLiteral("Copy\t") + key(QKeySequence::Copy)};
    const QString paste = QStringLiteral("Paste\t%1 (off)").arg(key(QKeySequence::Paste));
    const QStringList head{QStringLiteral("Add Items >"), QStringLiteral("--")};
    const QStringList moveTo{QStringLiteral("Move To >"), QStringLiteral("  (here) #5:-1"),
                             QStringLiteral("  Music >")};

    QTest::newRow("nothing selected, no category")
        << 0 << false << head + QStringList{paste, QStringLiteral("--")} + submenus(false, false);
    QTest::newRow("nothing selected, a category")
        << 0 << true << head + QStringList{paste, QStringLiteral("--")} + submenus(false, true);
    QTest::newRow("one selected") << 1 << true
                                  << head + selectionEntries
            + QStringList{QStringLiteral("Rename\tF2 #41:-1"), QStringLiteral("Properties...\tF3")} + selectionTail
            + QStringList{paste, QStringLiteral("--")} + submenus(true, true) + moveTo;
    QTest::newRow("two selected") << 2 << true
                                  << head + selectionEntries + selectionTail + QStringList{paste, QStringLiteral("--")}
            + submenus(true, true) + moveTo;
}

void TestCabinetMenus::itemsMenu()
{
    QFETCH(int, selected);
    QFETCH(bool, category);
    QFETCH(QStringList, entries);
    VorendaShelf shelf;
    if (category)
        addCabinetCategory(shelf, 2, QStringLiteral("Music"));
    const int key = category ? 2 : -1;
    QList<MyThumbnailItem*> items;
    for (int i = 0; i < 3; ++i)
        items << addCabinetItem(shelf, key, QStringLiteral("Item %1").arg(i));
    shelf.view->resetModel();
    shelf.view->clearSelection();
    for (int i = 0; i < selected; ++i)
        items.at(i)->setSelected(true);
    QCOMPARE(shelf.view->getSelectedCategoryKey(), key);
    QMenu menu;
    ShelfMenus(shelf).fillItemsMenu(&menu);
    QCOMPARE(dump(&menu, 2), entries);
}

void TestCabinetMenus::cabinetAndCategoriesMenus()
{
    auto shelf = filledCabinet();
    QMenu cabinet;
    ShelfMenus(*shelf).fillCabinetMenu(&cabinet);
    QCOMPARE(dump(&cabinet, 2),
             (QStringList{QStringLiteral("New Cabinet >"), QStringLiteral("  <styles #1>"), QStringLiteral("--"),
                          QStringLiteral("Hide Cabinet\t%1 #2:-1").arg(key(Qt::Key_Escape)),
                          QStringLiteral("Delete Cabinet #0:-1"), QStringLiteral("--"),
                          QStringLiteral("Show Full Screen\tCtrl+F"), QStringLiteral("Show In Kiosk Mode\tCtrl+K"),
                          QStringLiteral("Stay On Top\tCtrl+T [ ]"), QStringLiteral("Auto Hide\tCtrl+D [x]"),
                          QStringLiteral("--"), QStringLiteral("Dock To Screen Edge >")}));

    const QStringList common{QStringLiteral("New Category >"), QStringLiteral("--"),
                             QStringLiteral("Expand All #32:-1"), QStringLiteral("Collapse All #33:-1"),
                             QStringLiteral("Remove All #38:-1")};
    QMenu none;
    ShelfMenus(*shelf).fillCategoriesMenu(&none, -1);
    QCOMPARE(dump(&none, 1), common);
    QMenu documents;
    ShelfMenus(*shelf).fillCategoriesMenu(&documents, 0);
    const QStringList forDocuments{
        QStringLiteral("--"), QStringLiteral("Collapse 'Documents' #34:0"), QStringLiteral("Rename 'Documents' #35:0"),
        QStringLiteral("--"), QStringLiteral("Move 'Documents' To >"),      QStringLiteral("Remove 'Documents' >")};
    QCOMPARE(dump(&documents, 1), common + forDocuments);
    // In kiosk mode the menu bar is hidden, but both menus keep their entries.
    shelf->onToggleKioskMode();
    QMenu kiosk;
    ShelfMenus(*shelf).fillCategoriesMenu(&kiosk, -1);
    QCOMPARE(dump(&kiosk, 1), common);

    VorendaShelf single;
    addCabinetCategory(single, 0, QStringLiteral("Only"));
    single.view->getCategoryHeader(0)->setExpanded(false);
    QMenu only;
    ShelfMenus(single).fillCategoriesMenu(&only, 0);
    QCOMPARE(
        dump(&only, 1),
        (QStringList{QStringLiteral("New Category >"), QStringLiteral("--"), QStringLiteral("Expand All #32:-1"),
                     QStringLiteral("Collapse All #33:-1"), QStringLiteral("Remove All #38:-1"), QStringLiteral("--"),
                     QStringLiteral("Expand 'Only' #34:0"), QStringLiteral("Rename 'Only' #35:0"), QStringLiteral("--"),
                     QStringLiteral("Remove 'Only' >")}));
}

void TestCabinetMenus::sharedSubmenus()
{
    auto shelf = filledCabinet();
    QMenu docking;
    shelf->createSubmenuForDockingCabinet(&docking);
    QCOMPARE(dump(&docking, 1),
             (QStringList{QStringLiteral("None (Floating)\tShift+Esc"), QStringLiteral("--"),
                          QStringLiteral("Top\tCtrl+Up"), QStringLiteral("Right\tCtrl+Right"),
                          QStringLiteral("Bottom\tCtrl+Down"), QStringLiteral("Left\tCtrl+Left"), QStringLiteral("--"),
                          QStringLiteral("Top (Maximized)\tCtrl+Shift+Up"),
                          QStringLiteral("Right (Maximized)\tCtrl+Shift+Right"),
                          QStringLiteral("Bottom (Maximized)\tCtrl+Shift+Down"),
                          QStringLiteral("Left (Maximized)\tCtrl+Shift+Left")}));

    QMenu view;
    shelf->createSubmenuForViewOptions(&view);
    QCOMPARE(dump(&view, 1),
             (QStringList{QStringLiteral("Hide Top Bar\tAlt+T"), QStringLiteral("Hide Search Box"),
                          QStringLiteral("Hide Cabinet Name"), QStringLiteral("Remove Hotkey From Cabinet Name"),
                          QStringLiteral("--"), QStringLiteral("Hide Menu Bar\tAlt+M"), QStringLiteral("--"),
                          QStringLiteral("Hide Bottom Bar\tAlt+B"), QStringLiteral("Hide Cabinet Information"),
                          QStringLiteral("Hide Thumbnail Size Slider"), QStringLiteral("--"),
                          QStringLiteral("Hide Category Full Path"), QStringLiteral("Show Number Of Items In Category"),
                          QStringLiteral("Show Number Of Matches In Category")}));

    // Without a pattern in the style the panels open at the colours.
    shelf->style.cabinetPattern.clear();
    shelf->style.categoryPattern = QStringLiteral(":/pattern.png");
    for (int categoryKey : {-1, 2}) {
        QMenu personalize;
        shelf->createSubmenuForPersonalization(&personalize, categoryKey, true);
        const int element = categoryKey == -1 ? int(CabinetColor) : int(CategoryPattern);
        QCOMPARE(
            dump(&personalize, 2),
            (QStringList{QStringLiteral("Change Style >"), QStringLiteral("  <styles #3>"), QStringLiteral("--"),
                         QStringLiteral("General #16:%1").arg(element),
                         QStringLiteral("Appearance #17:%1").arg(element), QStringLiteral("Style #18:%1").arg(element),
                         QStringLiteral("--"), QStringLiteral("Preferences... #19:%1").arg(categoryKey)}));
    }
    QMenu changing;
    shelf->createSubmenuForChangingStyle(&changing);
    QCOMPARE(dump(&changing, 1).mid(1),
             (QStringList{QStringLiteral("--"), QStringLiteral("Customize... #18:%1").arg(int(CabinetColor))}));

    // Without a controller its two entries and their separator are left out.
    for (bool withoutQuickStart : {false, true}) {
        QMenu help;
        shelf->createSubmenuForHelpAndSupport(&help, withoutQuickStart);
        QStringList lines{QStringLiteral("Quick Start Guide\tF1"), QStringLiteral("Send Feedback..."),
                          QStringLiteral("Vorenda Home Page")};
        if (!withoutQuickStart)
            lines.prepend(QStringLiteral("Quick Start...\tCtrl+F1"));
        QCOMPARE(dump(&help, 1), lines);
    }
    QAction about(QStringLiteral("About Vorenda..."), qApp);
    about.setObjectName(QStringLiteral("aboutAction"));
    QMenu help;
    shelf->createSubmenuForHelpAndSupport(&help, true);
    QCOMPARE(dump(&help, 1).mid(3), (QStringList{QStringLiteral("--"), QStringLiteral("About Vorenda...")}));

    const QString label = VorendaShelf::getMenuText(QStringLiteral("R&D <b>"), QStringLiteral("DejaVu Sans"), 11,
                                                    QColor(255, 0, 0), true);
    QVERIFY(label.contains(QStringLiteral("font-family:'DejaVu Sans'; font-size:11pt;")));
    QVERIFY(label.contains(QStringLiteral("<a href=\"R&amp;D &lt;b&gt;\"><span style=\" text-decoration: underline; "
                                          "color:#ff0000;\">R&amp;D &lt;b&gt;</span></a>")));
}

void TestCabinetMenus::addingItemsEntries_data()
{
    QTest::addColumn<QString>("submenu");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("delay");

    // The rows of "Add Items" and of its "Shortcut to Folder" submenu, each at its place.
    const QStringList adding{QStringLiteral("Browse... #54:2"),
                             QStringLiteral("--"),
                             QStringLiteral("Desktop Items #59:2"),
                             QStringLiteral("Applications #100:2"),
                             QStringLiteral("Utilities #101:2"),
                             QStringLiteral("--"),
                             QStringLiteral("Favorites #60:2"),
                             QStringLiteral("Documents #61:2"),
                             QStringLiteral("Pictures #63:2"),
                             QStringLiteral("Music #62:2"),
                             QStringLiteral("Videos #64:2"),
                             QStringLiteral("Browser Bookmarks #99:2"),
                             QStringLiteral("--"),
                             QStringLiteral("Shortcut to Folder >")};
    const QStringList shortcuts{QStringLiteral("Browse... #55:2"),
                                QStringLiteral("--"),
                                QStringLiteral("Home #96:2"),
                                QStringLiteral("Desktop #72:2"),
                                QStringLiteral("Applications #97:2"),
                                QStringLiteral("Utilities #98:2"),
                                QStringLiteral("Favorites #74:2"),
                                QStringLiteral("File System #78:2"),
                                QStringLiteral("Documents #79:2"),
                                QStringLiteral("Pictures #82:2"),
                                QStringLiteral("Music #80:2"),
                                QStringLiteral("Videos #83:2"),
                                QStringLiteral("Downloads #81:2"),
                                QStringLiteral("Trash #88:2"),
                                QStringLiteral("System's Temporary Directory #93:2"),
                                QStringLiteral("--"),
                                QStringLiteral("All Above #95:2")};
    for (int i = 0; i < adding.size(); ++i) {
        // Only the bookmarks import waits until its menu has closed.
        const int delay = adding.at(i).startsWith(QLatin1String("Browser Bookmarks")) ? 100 : -1;
        QTest::addRow("Add Items %d", i + 1) << QString() << i << adding.at(i) << delay;
    }
    for (int i = 0; i < shortcuts.size(); ++i)
        QTest::addRow("Shortcut to Folder %d", i + 1) << QStringLiteral("Shortcut to Folder") << i << shortcuts.at(i) << -1;
    QTest::newRow("Add Items, all") << QString() << adding.size() << QString() << -1;
    QTest::newRow("Shortcut to Folder, all") << QStringLiteral("Shortcut to Folder") << shortcuts.size() << QString()
                                             << -1;
}

// Each row of the menus that add items stands at its place, with its command and the
// category as parameter; an empty line is the end of the menu.
void TestCabinetMenus::addingItemsEntries()
{
    QFETCH(QString, submenu);
    QFETCH(int, position);
    QFETCH(QString, line);
    QFETCH(int, delay);

    auto shelf = filledCabinet();
    QMenu adding;
    shelf->createSubmenuForAddingItems(&adding, 2);
    const QMenu* menu = &adding;
    if (!submenu.isEmpty()) {
        menu = adding.actions().constLast()->menu();
        QVERIFY(menu);
        QCOMPARE(menu->title(), submenu);
    }
    const QStringList lines = dump(menu, 1);
    if (line.isEmpty()) {
        QCOMPARE(lines.size(), position);
        return;
    }
    QCOMPARE(lines.value(position), line);
    auto* entry = qobject_cast<DynamicAction*>(menu->actions().at(position));
    QCOMPARE(entry && entry->isDelayed() ? entry->delayInterval() : -1, delay);
}

// Every known style, in key order, as "%1 Style" with the style's key.
void TestCabinetMenus::styleLists()
{
    VorendaShelf shelf;
    QMenu menu;
    shelf.createSubmenuForChangingStyle(&menu);
    QStringList expected;
    for (auto it = VorendaGlobal::shelfStyles.cbegin(); it != VorendaGlobal::shelfStyles.cend(); ++it)
        expected << QStringLiteral("%1 Style #3:%2").arg(it->name).arg(it.key());
    QVERIFY(expected.size() > 5);
    QStringList found;
    for (QAction* action : menu.actions()) {
        const MenuCommand command = MenuCommand::unpack(action->data());
        if (command.type == ChangeStyle)
            found << QStringLiteral("%1 #3:%2").arg(action->text()).arg(command.parameter);
    }
    QCOMPARE(found, expected);
}

// A menu of the cabinet holds off auto-hide while it shows; no second menu opens over
// it; the flag is down again however the menu closed.
void TestCabinetMenus::menusOpenOneAtATime()
{
    auto shelf = filledCabinet();
    shelf->show();
    QVERIFY(QTest::qWaitForWindowExposed(shelf.get()));
    bool ran = false;
    whenMenuShows([&](QMenu* menu) {
        bool ok = true;
        shelf->onAutoHideRequest(&ok);
        QVERIFY(!ok);
        QVERIFY(shelf->menuOpen);
        // Refused at once, without a menu of its own.
        shelf->onCabinetMenu();
        shelf->showContextMenu(-1, QPoint(10, 10));
        QCOMPARE(QApplication::activePopupWidget(), menu);
        ran = true;
        menu->close();
    });
    shelf->showContextMenu(0, QPoint(20, 20));
    QVERIFY(ran);
    QVERIFY(!shelf->menuOpen);

    // While items are being added no menu opens.
    AddProgressWidget::instance()->show(shelf.get());
    shelf->onHelpMenu();
    QVERIFY(!QApplication::activePopupWidget());
    AddProgressWidget::instance()->close();

    // A right click outside the view belongs to the cabinet, inside it to the selected category.
    QStringList titles;
    const auto firstEntry = [&](QMenu* menu) {
        titles << menu->actions().first()->text();
        menu->close();
    };
    whenMenuShows(firstEntry);
    QContextMenuEvent onBar(QContextMenuEvent::Mouse, QPoint(2, 2), shelf->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(shelf.get(), &onBar);
    whenMenuShows(firstEntry);
    const QPoint inView = shelf->view->viewport()->mapToGlobal(shelf->view->viewport()->rect().center());
    QContextMenuEvent onView(QContextMenuEvent::Mouse, QPoint(), inView);
    shelf->onShowContextMenu(&onView);
    QCOMPARE(titles, (QStringList{QStringLiteral("New Cabinet"), QStringLiteral("New Subcategory")}));
}

void TestCabinetMenus::itemMenuRemovesAfterTheQuestion()
{
    auto shelf = filledCabinet();
    shelf->show();
    QVERIFY(QTest::qWaitForWindowExposed(shelf.get()));
    QList<AbstractThumbnailItem*> items = shelf->view->getItems(2, false);
    QCOMPARE(items.size(), 2);
    whenMenuShows([](QMenu* menu) {
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(QStringLiteral("Remove\t")))
                menu->setActiveAction(action);
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    std::unique_ptr<QuestionDriver> driver(
        new QuestionDriver(QuestionDriver::visible<RemoveWarningDialog>(),
                           [](QWidget* window) { static_cast<RemoveWarningDialog*>(window)->okButton->click(); }));
    shelf->onShowItemContextMenu(items, nullptr);
    QVERIFY(driver->ran());
    QVERIFY(shelf->view->getItems(2, false).isEmpty());
    QCOMPARE(shelf->view->getAllItems().size(), 8);
    QVERIFY(!shelf->menuOpen);
}

// The Personalize menu's style entries run once the menu has closed; the Categories
// menu's places run for the category selected when it opened.
void TestCabinetMenus::barMenusRunTheirChoice()
{
    auto shelf = filledCabinet();
    shelf->show();
    QVERIFY(QTest::qWaitForWindowExposed(shelf.get()));
    const ShelfStyle wood = builtInStyle(QStringLiteral("Wood #2"));
    QVERIFY(shelf->style.name != wood.name);
    choose({QStringLiteral("Change Style"), wood.name + QStringLiteral(" Style")});
    shelf->onPersonalizeMenu();
    QCOMPARE(shelf->style.name, wood.name);
    QVERIFY(!shelf->menuOpen);

    // Music (2) is selected: "New Category" places one before Documents.
    choose({QStringLiteral("New Category"), QStringLiteral("(here)")});
    shelf->onCategoriesMenu();
    QCOMPARE(shelf->view->getRootCategoryHeaderList().size(), 3);
    QCOMPARE(shelf->view->getRootCategoryHeaderList().first()->getText(), QStringLiteral("Category"));
}

QStringList TestCabinetMenus::contents(const VorendaShelf& shelf)
{
    QStringList lines{shelf.style.name, shelf.hidetopbar ? QStringLiteral("no top bar") : QStringLiteral("top bar")};
    for (const CategoryHeaderItem* header : shelf.view->getCategoryHeaderList(-1, true))
        lines << QStringLiteral("[%1] %2").arg(header->getKey()).arg(header->getText());
    for (AbstractThumbnailItem* item : shelf.view->getAllItems()) {
        auto* thumbnail = qobject_cast<MyThumbnailItem*>(item);
        lines << QStringLiteral("%1 @%2%3")
                     .arg(thumbnail->properties.name)
                     .arg(item->getCategoryKey())
                     .arg(thumbnail->isEditing() ? QStringLiteral(" editing") : QString());
    }
    return lines;
}

void TestCabinetMenus::menuOpenWhenLockedChangesNothing_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<bool>("locked");
    const QStringList style{QStringLiteral("Change Style"), QStringLiteral("Wood #2 Style")};
    const QStringList newCategory{QStringLiteral("New Category"), QStringLiteral("(here)")};
    const QStringList hideTopBar{QStringLiteral("View"), QStringLiteral("Hide Top Bar")};
    const QStringList move{QStringLiteral("Move To"), QStringLiteral("Documents"), QStringLiteral("(here)")};
    // Unlocked, the same entries change the cabinet.
    QTest::newRow("Personalize: a style, unlocked") << "personalize" << style << false;
    QTest::newRow("Categories: a new category, unlocked") << "categories" << newCategory << false;
    QTest::newRow("cabinet: hide the top bar, unlocked") << "cabinet" << hideTopBar << false;
    QTest::newRow("item: move it, unlocked") << "item" << move << false;

    QTest::newRow("Personalize: a style") << "personalize" << style << true;
    QTest::newRow("Categories: a new category") << "categories" << newCategory << true;
    QTest::newRow("cabinet: delete it") << "cabinet" << QStringList{QStringLiteral("Delete Cabinet")} << true;
    QTest::newRow("cabinet: remove every item") << "cabinet" << QStringList{QStringLiteral("Remove All Items")}
                                                << true;
    QTest::newRow("cabinet: add the documents")
        << "cabinet" << QStringList{QStringLiteral("Add Items"), QStringLiteral("Documents")} << true;
    QTest::newRow("cabinet: hide the top bar") << "cabinet" << hideTopBar << true;
    QTest::newRow("category: rename it") << "category" << QStringList{QStringLiteral("Rename 'Music'")} << true;
    QTest::newRow("category: remove it")
        << "category" << QStringList{QStringLiteral("Remove 'Music'"), QStringLiteral("'Music' Only")} << true;
    QTest::newRow("item: rename it") << "item" << QStringList{QStringLiteral("Rename\tF2")} << true;
    QTest::newRow("item: its properties") << "item" << QStringList{QStringLiteral("Properties...")} << true;
    QTest::newRow("item: move it") << "item" << move << true;
}

// A menu that was opened before the cabinet was locked offers what kiosk mode forbids;
// chosen after the lock, its entries change nothing.
void TestCabinetMenus::menuOpenWhenLockedChangesNothing()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, path);
    QFETCH(bool, locked);
    auto shelf = filledCabinet();
    shelf->show();
    QVERIFY(QTest::qWaitForWindowExposed(shelf.get()));
    const QStringList before = contents(*shelf);
    QSignalSpy removed(shelf.get(), &VorendaShelf::shelfRemoved);
    VorendaShelf* cabinet = shelf.get();
    bool stayedOpen = false;
    whenMenuShows([cabinet, path, locked, &stayedOpen](QMenu* open) {
        if (locked)
            cabinet->onToggleKioskMode();
        stayedOpen = open->isVisible();
        PopupMenuDriver::pick(open, path);
        if (open->isVisible())
            open->close();
    });
    if (menu == QLatin1String("personalize"))
        shelf->onPersonalizeMenu();
    else if (menu == QLatin1String("categories"))
        shelf->onCategoriesMenu();
    else if (menu == QLatin1String("cabinet"))
        shelf->showContextMenu(-1, shelf->mapToGlobal(shelf->rect().center()));
    else if (menu == QLatin1String("category"))
        shelf->showContextMenu(2, shelf->mapToGlobal(shelf->rect().center()));
    else
        shelf->onShowItemContextMenu(shelf->view->getItems(2, false).mid(0, 1), nullptr);
    QVERIFY(stayedOpen);
    // A delayed entry fires from the event loop.
    QTest::qWait(300);
    QCOMPARE(shelf->kiosk, locked);
    QVERIFY(!shelf->menuOpen);
    QCOMPARE(contents(*shelf) != before, !locked);
    if (!locked)
        return;
    QCOMPARE(removed.count(), 0);
    QVERIFY(!ItemPropertiesDialog::visible());
    QVERIFY(!AddProgressWidget::visible());
}

void TestCabinetMenus::helpKeysAndFullScreenText()
{
    VorendaShelf shelf;
    shelf.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shelf));
    shelf.helpAction->trigger();
    QVERIFY(HelpWidget::visible());
    HelpWidget::instance()->close();
    shelf.onToggleKioskMode();
    shelf.quickStartAction->trigger();
    QVERIFY(!QuickStartDialog::visible());
    shelf.onToggleKioskMode();
    shelf.quickStartAction->trigger();
    QVERIFY(QuickStartDialog::visible());
    QCOMPARE(QuickStartDialog::instance()->currentShelf.data(), &shelf);
    QuickStartDialog::instance()->close();

    QCOMPARE(shelf.fullScreenAction->text(), QStringLiteral("Show Full Screen"));
    shelf.onToggleFullScreen();
    QTRY_COMPARE(shelf.fullScreenAction->text(), QStringLiteral("Show Normal"));
    shelf.onToggleFullScreen();
    QTRY_COMPARE(shelf.fullScreenAction->text(), QStringLiteral("Show Full Screen"));
}

void TestCabinetMenus::menusSpeakGermanAndSpanish_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("German") << "de"
                            << QStringList{QStringLiteral("Neue Unterkategorie #53:2"),
                                           QStringLiteral("Objekte hinzufügen >"),
                                           QStringLiteral("Nur in „Music“ #47:2"),
                                           QStringLiteral("„Music“ umbenennen #35:2"),
                                           QStringLiteral("In Dateiverwaltung zeigen\t%1 #51:-1")};
    QTest::newRow("Spanish") << "es"
                             << QStringList{QStringLiteral("Nueva subcategoría #53:2"),
                                            QStringLiteral("Añadir elementos >"),
                                            QStringLiteral("Solo en «Music» #47:2"),
                                            QStringLiteral("Cambiar nombre de «Music» #35:2"),
                                            QStringLiteral("Mostrar en el gestor de archivos\t%1 #51:-1")};
}

void TestCabinetMenus::menusSpeakGermanAndSpanish()
{
    QFETCH(QString, language);
    QFETCH(QStringList, entries);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/Translations/Vorenda_%1.qm").arg(language)));
    QApplication::installTranslator(&translator);
    auto shelf = filledCabinet();
    QMenu category;
    ShelfMenus(*shelf).fillContextMenu(&category, 2);
    QMenu item;
    ShelfMenus(*shelf).fillItemMenu(&item, 2);
    QApplication::removeTranslator(&translator);

    const QStringList lines = dump(&category, 2) + dump(&item, 1);
    for (const QString& entry : qAsConst(entries)) {
        const QString expected = entry.arg(key(Qt::SHIFT + Qt::Key_Enter));
        QVERIFY2(lines.contains(expected) || lines.contains(QStringLiteral("  ") + expected), qPrintable(expected));
    }
}

VORENDA_TEST_MAIN(TestCabinetMenus)
#include "tst_cabinetmenus.moc"
