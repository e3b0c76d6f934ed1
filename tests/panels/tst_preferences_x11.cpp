#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include "HotkeyWidget.h"
#include "PreferencesWidget.h"
#include "VorendaGlobal.h"
#include "VorendaMain.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <memory>

// The preferences panel on a real X server: key presses from the X keyboard in a
// hotkey field (X reports a modifier key's own press with the state before it), and a
// picture of each of its two panels.
class TestPreferencesX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void hotkeyFieldTakesRealKeys_data();
    void hotkeyFieldTakesRealKeys();
    void heldModifierShowsUntilReleased();
    void screenshotsOfBothPanels();

private:
    static PreferencesWidget* panel() { return PreferencesWidget::instance(); }
    static bool xdotool(const QStringList& arguments) { return RunningVorenda::xdotool(arguments); }
    bool focusField();

    std::unique_ptr<VorendaMain> controller;
};

void TestPreferencesX11::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    VorendaGlobal::verCheckUrl = QStringLiteral("http://127.0.0.1:1/vercheck.xml");
    QSettings().setValue(QStringLiteral("Main/WelcomeShown"), true);
    controller = std::make_unique<VorendaMain>(nullptr);
    panel()->show(controller.get(), 0);
    QVERIFY(QTest::qWaitForWindowExposed(panel()));
}

void TestPreferencesX11::cleanupTestCase()
{
    controller.reset();
}

bool TestPreferencesX11::focusField()
{
    panel()->activateWindow();
    if (!QTest::qWaitForWindowActive(panel()))
        return false;
    panel()->showAllLineEdit->setFocus();
    return QTest::qWaitFor([] { return panel()->showAllLineEdit->hasFocus(); });
}

void TestPreferencesX11::hotkeyFieldTakesRealKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("kept");
    QTest::newRow("ctrl+F9") << "ctrl+F9" << "Ctrl+F9";
    QTest::newRow("F5 alone") << "F5" << "";
    QTest::newRow("Home") << "Home" << "Home";
    QTest::newRow("ctrl+shift+a") << "ctrl+shift+a" << "Ctrl+Shift+A";
    QTest::newRow("shift+1") << "shift+1" << "";
    QTest::newRow("ctrl+alt+1") << "ctrl+alt+1" << "Ctrl+Alt+1";
    // Not Meta+Space: the program holds that one for the quick search.
    QTest::newRow("super+F2") << "super+F2" << "Meta+F2";
    QTest::newRow("Control alone") << "Control_L" << "";
    QTest::newRow("ctrl+Escape clears") << "ctrl+Escape" << "";
}

void TestPreferencesX11::hotkeyFieldTakesRealKeys()
{
    QFETCH(QString, keys);
    QFETCH(QString, kept);
    QVERIFY(focusField());
    panel()->showAllLineEdit->setText(QStringLiteral("Ctrl+F12"));
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys}));
    QTRY_COMPARE(panel()->showAllLineEdit->text(), kept);
    QTest::qWait(100);
    QCOMPARE(panel()->showAllLineEdit->text(), kept);
}

void TestPreferencesX11::heldModifierShowsUntilReleased()
{
    QVERIFY(focusField());
    QVERIFY(xdotool({QStringLiteral("keydown"), QStringLiteral("Control_L")}));
    QTRY_COMPARE(panel()->showAllLineEdit->text(), QStringLiteral("Ctrl+"));
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("F9")}));
    QTRY_COMPARE(panel()->showAllLineEdit->text(), QStringLiteral("Ctrl+F9"));
    QVERIFY(xdotool({QStringLiteral("keyup"), QStringLiteral("Control_L")}));
    QTest::qWait(200);
    QCOMPARE(panel()->showAllLineEdit->text(), QStringLiteral("Ctrl+F9"));
}

void TestPreferencesX11::screenshotsOfBothPanels()
{
    panel()->show(controller.get(), 0);
    QVERIFY(QTest::qWaitForWindowExposed(panel()));
    QTRY_COMPARE(panel()->panelsFrame->x(), 0);
    QTest::qWait(300);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QImage general = screen->grabWindow(panel()->winId()).toImage();
    QCOMPARE(general.size(), panel()->size());
    QVERIFY(RunningVorenda::saveScreenshot(general, QStringLiteral("preferences-general.png")));

    panel()->show(controller.get(), 1);
    QTRY_COMPARE(panel()->panelsFrame->x(), -panel()->width());
    QTest::qWait(300);
    const QImage cabinet = screen->grabWindow(panel()->winId()).toImage();
    QVERIFY(RunningVorenda::saveScreenshot(cabinet, QStringLiteral("preferences-cabinet.png")));
    QVERIFY(general != cabinet);
}

VORENDA_TEST_MAIN(TestPreferencesX11)
#include "tst_preferences_x11.moc"
