#include "TestEnvironment.h"

#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QAction>

// The cabinet's keyboard and menu actions: their keys, where the keys work and the
// check marks a new cabinet starts with.
class TestCabinetActions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void actionsCarryTheirKeys_data();
    void actionsCarryTheirKeys();
    void menuOnlyActionsHaveNoKeyAndStayOffTheWindow();
    void newCabinetStartsWithAutoHideCheckedOnly();
    void keysWorkOnlyInTheirOwnWindow();
};

void TestCabinetActions::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
}

void TestCabinetActions::actionsCarryTheirKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("keys");
    const QString selectAll = QKeySequence(QKeySequence::SelectAll).toString();
    const QString paste = QKeySequence(QKeySequence::Paste).toString();
    const QList<std::pair<const char*, QStringList>> rows = {
        {"Stay On Top", {QStringLiteral("Ctrl+T")}},
        {"Auto Hide", {QStringLiteral("Ctrl+D")}},
        {"Show In Kiosk Mode", {QStringLiteral("Ctrl+K")}},
        {"Top (Maximized)", {QStringLiteral("Ctrl+Shift+Up")}},
        {"None (Floating)", {QStringLiteral("Shift+Esc")}},
        {"Rename", {QStringLiteral("F2")}},
        {"Select All Items", {selectAll}},
        {"Paste", {paste}},
        {"Switch between or cycle through cabinets clockwise", {QStringLiteral("Alt+Tab"), QStringLiteral("Ctrl+Tab")}},
        {"Switch between or cycle through cabinets counterclockwise",
         {QStringLiteral("Alt+Shift+Tab"), QStringLiteral("Ctrl+Shift+Tab")}},
        {"Clear Search Box", {QStringLiteral("Ctrl+Backspace")}},
        {"Search Tags Only", {QStringLiteral("Alt+6")}},
        {"Show Most Popular", {QStringLiteral("Alt+8")}},
        // A new cabinet shows its bars, so the toggle offers to hide.
        {"Hide Bottom Bar", {QStringLiteral("Alt+B")}},
    };
    for (const auto& row : rows)
        QTest::newRow(row.first) << QString::fromLatin1(row.first) << row.second;
}

void TestCabinetActions::actionsCarryTheirKeys()
{
    QFETCH(QString, text);
    QFETCH(QStringList, keys);
    VorendaShelf shelf;
    const QList<QAction*> windowActions = shelf.actions();
    QAction* found = nullptr;
    for (QAction* action : windowActions) {
        if (action->text() == text)
            found = action;
    }
    QVERIFY2(found, qPrintable(text));
    QStringList shortcuts;
    for (const QKeySequence& sequence : found->shortcuts()) {
        if (!shortcuts.contains(sequence.toString()))
            shortcuts << sequence.toString();
    }
    QVERIFY2(shortcuts.mid(0, keys.size()) == keys, qPrintable(shortcuts.join(QLatin1Char(' '))));
    QCOMPARE(found->shortcutContext(), Qt::WindowShortcut);
}

void TestCabinetActions::menuOnlyActionsHaveNoKeyAndStayOffTheWindow()
{
    VorendaShelf shelf;
    const QList<QAction*> menuOnly = {shelf.cabinetNameAction,      shelf.nameWithHotkeyAction,
                                      shelf.searchBoxAction,        shelf.cabinetInfoAction,
                                      shelf.thumbSizeSliderAction,  shelf.catFullPathAction,
                                      shelf.catNumberOfItemsAction, shelf.catNumberOfMatchesAction,
                                      shelf.sendFeedbackAction,     shelf.homePageAction};
    for (QAction* action : menuOnly) {
        QVERIFY(action);
        QVERIFY2(action->shortcuts().isEmpty(), qPrintable(action->text()));
        QVERIFY2(!shelf.actions().contains(action), qPrintable(action->text()));
        QCOMPARE(action->parent(), &shelf);
    }
    QCOMPARE(shelf.actions().size(), 36);
}

void TestCabinetActions::newCabinetStartsWithAutoHideCheckedOnly()
{
    VorendaShelf shelf;
    QVERIFY(shelf.autoHideAction->isCheckable() && shelf.autoHideAction->isChecked());
    QVERIFY(shelf.stayOnTopAction->isCheckable() && !shelf.stayOnTopAction->isChecked());
    // A new cabinet searches everything: only that search action is checked.
    QVERIFY(shelf.searchAllAction->isChecked());
    QVERIFY(!shelf.searchNamesOnlyAction->isChecked());
    QVERIFY(!shelf.searchTagsOnlyAction->isChecked());
    QVERIFY(!shelf.searchDescriptionsOnlyAction->isChecked());
    QVERIFY(!shelf.kioskModeAction->isCheckable());
}

// A key reaches the action of the active cabinet only.
void TestCabinetActions::keysWorkOnlyInTheirOwnWindow()
{
    VorendaShelf first;
    VorendaShelf second;
    first.show();
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(second.window()));
    second.window()->activateWindow();
    QTRY_VERIFY(second.window()->isActiveWindow());

    QSignalSpy firstKiosk(first.kioskModeAction, &QAction::triggered);
    QSignalSpy secondKiosk(second.kioskModeAction, &QAction::triggered);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : second.window(), Qt::Key_K,
                    Qt::ControlModifier);
    QCOMPARE(secondKiosk.count(), 1);
    QCOMPARE(firstKiosk.count(), 0);
}

VORENDA_TEST_MAIN(TestCabinetActions)
#include "tst_cabinetactions.moc"
