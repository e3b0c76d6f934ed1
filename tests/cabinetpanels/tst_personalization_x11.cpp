#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include "PanelWindowsX11.h"
#include "PersonalizationFixtures.h"

#include <QDir>
#include <QXmlStreamReader>

// The real program on a real X server: the cabinet's Personalize menu opens the
// panel; a style chosen on the Style page is previewed on the cabinet, Cancel leaves
// the saved style alone and OK makes the cabinet's data file name the new style.
// Each page is kept as a screenshot.
class TestPersonalizationX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void cancelKeepsAndOkChangesTheSavedStyle();

private:
    QString savedStyle() const;
    static void keepScreenshot(const QString& window, const QString& name);

    RunningVorenda vorenda;
    QString cabinetId;
};

void TestPersonalizationX11::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    warmUpJpegDecoder();
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    QVERIFY(vorenda.configure());
}

void TestPersonalizationX11::cleanupTestCase()
{
    delete PersonalizationWidget::instance();
}

void TestPersonalizationX11::cleanup()
{
    vorenda.stop();
}

QString TestPersonalizationX11::savedStyle() const
{
    QFile file(vorenda.dataFile(cabinetId));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<no data file>");
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("Personalization"))
            return xml.attributes().value(QStringLiteral("style")).toString();
    }
    return QStringLiteral("<no style>");
}

void TestPersonalizationX11::keepScreenshot(const QString& window, const QString& name)
{
    QVERIFY(RunningVorenda::saveScreenshot(RunningVorenda::grabWindow(window), name));
}

void TestPersonalizationX11::cancelKeepsAndOkChangesTheSavedStyle()
{
    PersonalizationWidget* model = PersonalizationWidget::instance();
    model->setAttribute(Qt::WA_DontShowOnScreen);
    model->QWidget::show();

    QVERIFY(vorenda.start());
    QString cabinet = vorenda.waitForCabinet();
    QVERIFY(!cabinet.isEmpty());
    // The first run's windows could cover the cabinet.
    QVERIFY(RunningVorenda::dismissFirstRunWindows());
    QTRY_COMPARE_WITH_TIMEOUT(vorenda.listedIds().size(), 1, 10000);
    cabinetId = vorenda.listedIds().first();
    QTest::qWait(500);

    QString panel = openPersonalizationPanel(cabinet);
    QVERIFY(!panel.isEmpty());
    QTest::qWait(700);
    keepScreenshot(panel, QStringLiteral("personalization-general.png"));
    QVERIFY(clickInPanel(panel, model->appearanceButton));
    QTest::qWait(900);
    keepScreenshot(panel, QStringLiteral("personalization-appearance.png"));
    QVERIFY(clickInPanel(panel, model->styleButton));
    QTest::qWait(900);
    keepScreenshot(panel, QStringLiteral("personalization-style.png"));

    // Another built-in style, the one after the cabinet's, previewed at once.
    const QImage before = RunningVorenda::grabWindow(cabinet);
    QVERIFY(clickInPanel(panel, model->styleComboBox));
    QTest::qWait(500);
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Return")}));
    QTRY_VERIFY_WITH_TIMEOUT(RunningVorenda::grabWindow(cabinet) != before, 5000);
    QTest::qWait(300);
    keepScreenshot(panel, QStringLiteral("style-editor.png"));
    // Moved aside, the panel shows the whole cabinet in the previewed style.
    QVERIFY(RunningVorenda::xdotool(
        {QStringLiteral("windowmove"), QStringLiteral("--sync"), panel, QStringLiteral("0"), QStringLiteral("0")}));
    QTest::qWait(300);
    keepScreenshot(cabinet, QStringLiteral("style-editor-preview.png"));

    // Cancel: the cabinet goes back and saves the style it had.
    QVERIFY(clickInPanel(panel, model->cancelButton));
    QTRY_VERIFY_WITH_TIMEOUT(RunningVorenda::visibleWindows(QStringLiteral("^Vorenda Personalization$")).isEmpty(),
                             5000);
    QVERIFY(vorenda.terminate());
    QCOMPARE(savedStyle(), QStringLiteral("Wood #2"));

    // OK: the data file names the new style.
    QVERIFY(vorenda.start());
    QVERIFY(RunningVorenda::showCabinetByHotkey());
    cabinet = RunningVorenda::cabinetWindows().value(0);
    QTest::qWait(500);
    panel = openPersonalizationPanel(cabinet);
    QVERIFY(!panel.isEmpty());
    QVERIFY(clickInPanel(panel, model->styleButton));
    QTest::qWait(900);
    QVERIFY(clickInPanel(panel, model->styleComboBox));
    QTest::qWait(500);
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Return")}));
    QTest::qWait(300);
    QVERIFY(clickInPanel(panel, model->okButton));
    QTRY_VERIFY_WITH_TIMEOUT(RunningVorenda::visibleWindows(QStringLiteral("^Vorenda Personalization$")).isEmpty(),
                             5000);
    QVERIFY(vorenda.terminate());
    QCOMPARE(savedStyle(), QStringLiteral("Wood #3"));
}

VORENDA_TEST_MAIN(TestPersonalizationX11)
#include "tst_personalization_x11.moc"
