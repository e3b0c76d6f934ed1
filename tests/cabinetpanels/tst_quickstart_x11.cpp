#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include "QuickStartDialog.h"
#include "VorendaGlobal.h"

// The real program on a real X server: its cabinet's Quick Start command opens the
// quick-start panel, whose "Add Category / Subcategory" makes the first category of
// the empty cabinet; the category is in the cabinet's data file once the program ends.
class TestQuickStartX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void panelRunsTheCabinetsCommands();

private:
    // Where `button` of the panel lies on the screen when the panel's window is at
    // `window`: the labels lie where the form's layout puts them, here as there.
    static QPoint onScreen(QWidget* button, const QRect& window);
    static bool keys(const QString& window, const QStringList& names);
    // A click that lasts as long as a hand's: the panel is active before the button
    // is let go, as it is for a user.
    static bool click(const QPoint& screenPoint);

    RunningVorenda vorenda;
};

void TestQuickStartX11::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    QVERIFY(vorenda.configure());
}

void TestQuickStartX11::cleanupTestCase()
{
    delete QuickStartDialog::instance();
}

void TestQuickStartX11::cleanup()
{
    vorenda.stop();
}

QPoint TestQuickStartX11::onScreen(QWidget* button, const QRect& window)
{
    // Laid out as when shown, without a window on the screen.
    QuickStartDialog* form = QuickStartDialog::instance();
    form->setAttribute(Qt::WA_DontShowOnScreen);
    form->QWidget::show();
    return window.topLeft() + button->mapTo(form, button->rect().center());
}

bool TestQuickStartX11::keys(const QString& window, const QStringList& names)
{
    return RunningVorenda::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window})
        && RunningVorenda::xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("100")}
                                   + names);
}

bool TestQuickStartX11::click(const QPoint& screenPoint)
{
    if (!RunningVorenda::xdotool(
            {QStringLiteral("mousemove"), QString::number(screenPoint.x()), QString::number(screenPoint.y())}))
        return false;
    QTest::qWait(150);
    if (!RunningVorenda::xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}))
        return false;
    QTest::qWait(150);
    return RunningVorenda::xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
}

void TestQuickStartX11::panelRunsTheCabinetsCommands()
{
    QVERIFY(vorenda.start());
    const QString cabinet = RunningVorenda::waitForCabinet();
    QVERIFY(!cabinet.isEmpty());
    QVERIFY(RunningVorenda::dismissFirstRunWindows());
    QTest::qWait(500);

    // The cabinet's Quick Start command.
    QVERIFY(keys(cabinet, {QStringLiteral("ctrl+F1")}));
    const QString panel = RunningVorenda::waitForWindow(QStringLiteral("^Quick Start$"));
    QVERIFY(!panel.isEmpty());
    QTest::qWait(500);
    const QRect window = RunningVorenda::windowGeometry(panel);
    QCOMPARE(window.size(), QuickStartDialog::instance()->size());
    QVERIFY(RunningVorenda::saveScreenshot(RunningVorenda::grabWindow(panel), QStringLiteral("quickstart.png")));

    // A command's menu pops up beside its button.
    QuickStartDialog* form = QuickStartDialog::instance();
    const QRect shot = window.adjusted(0, 0, 320, 120);
    const QImage closed = RunningVorenda::grabScreen(shot);
    QVERIFY(click(onScreen(form->dockToScreenButton, window)));
    QTest::qWait(700);
    const QImage open = RunningVorenda::grabScreen(shot);
    QVERIFY(RunningVorenda::saveScreenshot(open, QStringLiteral("quickstart-menu.png")));
    const QPoint besidePanel(window.width() + 20, form->dockToScreenButton->mapTo(form, QPoint(0, 20)).y());
    QVERIFY(closed.pixel(besidePanel) != open.pixel(besidePanel));
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
    QTest::qWait(300);

    // The new cabinet has no category: the command makes the first one and opens its
    // name for editing in the cabinet.
    QVERIFY(click(onScreen(form->newCategoryButton, window)));
    QTest::qWait(700);
    QVERIFY(RunningVorenda::xdotool(
        {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("100"), QStringLiteral("Docs")}));
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
    QTest::qWait(500);

    QVERIFY(vorenda.terminate());
    const QStringList ids = vorenda.listedIds();
    QCOMPARE(ids.size(), 1);
    QCOMPARE(RunningVorenda::attributeValues(vorenda.dataFile(ids.first()), QStringLiteral("Category"),
                                             QStringLiteral("name"), {QStringLiteral("<no file>")}),
             QStringList{QStringLiteral("Docs")});
}

VORENDA_TEST_MAIN(TestQuickStartX11)
#include "tst_quickstart_x11.moc"
