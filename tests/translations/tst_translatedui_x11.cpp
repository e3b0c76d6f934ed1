#include "RunningVorenda.h"
#include "TestEnvironment.h"
#include "TextProbe.h"
#include "TrayHost.h"


#include <memory>

// The real program in German and in Spanish on a real X server: its status menu, opened
// from a status area, the preferences panel it opens from there, and the Cabinet menu
// of its cabinet's menu bar show their texts in the language chosen, key names
// included, as a screen reader reads them. A picture of each is kept for inspection.
class TestTranslatedUiX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void menusAndPanelSpeakTheLanguage_data();
    void menusAndPanelSpeakTheLanguage();

private:
    // Checks that `window` shows every one of `texts`; the first missing one is named.
    static bool showsAll(const TextProbe::Window& window, const QStringList& texts);
    static bool click(const QPoint& at, const QString& button);

    std::unique_ptr<TrayHost> tray;
    TextProbe probe;
    RunningVorenda vorenda;
};

void TestTranslatedUiX11::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    // Registers the program's settings types, which the settings file shared with it holds.
    TestEnvironment::instance()->initializeGlobals();
    tray = std::make_unique<TrayHost>();
    QVERIFY2(tray->isReady(), "another program holds the system tray of screen 0");
    vorenda.useTextProbe(&probe);
}

void TestTranslatedUiX11::cleanup()
{
    // Each test starts on an empty store, where the program makes its first cabinet.
    vorenda.resetToFirstStart();
}

bool TestTranslatedUiX11::showsAll(const TextProbe::Window& window, const QStringList& texts)
{
    const QStringList names = window.names();
    for (const QString& text : texts) {
        if (!names.contains(text)) {
            qWarning("\"%s\" is not among the texts shown: \"%s\"", qPrintable(text),
                     qPrintable(names.join(QStringLiteral("\", \""))));
            return false;
        }
    }
    return true;
}

bool TestTranslatedUiX11::click(const QPoint& at, const QString& button)
{
    const bool done = RunningVorenda::xdotool({QStringLiteral("mousemove"), QString::number(at.x()),
                                               QString::number(at.y())})
        && (QTest::qWait(200), RunningVorenda::xdotool({QStringLiteral("click"), button}));
    QTest::qWait(300);
    return done;
}

void TestTranslatedUiX11::menusAndPanelSpeakTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("firstRunTitles");
    QTest::addColumn<QStringList>("statusMenu");
    QTest::addColumn<QString>("preferencesEntry");
    QTest::addColumn<QStringList>("preferencesPanel");
    QTest::addColumn<QString>("cabinetButton");
    QTest::addColumn<QStringList>("cabinetMenu");

    // Key names as the desktop's Qt writes them in that language: "Strg", "Leertaste";
    // "Control", "Escape".
    // The texts as written here, in UTF-8.
    const auto texts = [](std::initializer_list<const char*> utf8) {
        QStringList list;
        for (const char* text : utf8)
            list << QString::fromUtf8(text);
        return list;
    };
    QTest::newRow("German") << QStringLiteral("de") << texts({"Willkommen bei Vorenda", "Schnellstart"})
                            << texts({"Schnellsuche\tMeta+Leertaste", "Alle anzeigen\tStrg+F10",
                                      "Alle ausblenden\tStrg+F11", "Schrank anzeigen", "Neuer Schrank",
                                      "Hilfe & Support", "Beenden\tStrg+Q"})
                            << QStringLiteral("Einstellungen...")
                            << texts({"Vorenda – Einstellungen", "Allgemein", "Schrank",
                                      "Beim Anmelden starten.  (Empfohlen)", "Tastenkürzel",
                                      "Alle Schränke anzeigen:", "Ablageordner", "Abbrechen"})
                            << QStringLiteral("Schrank")
                            << texts({"Neuer Schrank", "Schrank ausblenden\tEsc", "Schrank löschen",
                                      "Vollbild anzeigen", "Immer im Vordergrund", "An Bildschirmrand andocken"});
    QTest::newRow("Spanish") << QStringLiteral("es") << texts({"Te damos la bienvenida a Vorenda", "Inicio rápido"})
                             << texts({"Búsqueda rápida\tMeta+Espacio", "Mostrar todos\tControl+F10",
                                       "Ocultar todos\tControl+F11", "Mostrar armario", "Nuevo armario",
                                       "Ayuda y soporte", "Salir\tControl+Q"})
                             << QStringLiteral("Preferencias...")
                             << texts({"Preferencias de Vorenda", "General", "Armario",
                                       "Iniciar con la sesión.  (Recomendado)", "Atajos de teclado",
                                       "Mostrar todos los armarios:", "Carpeta de almacenamiento", "Cancelar"})
                             << QStringLiteral("Armario")
                             << texts({"Nuevo armario", "Ocultar armario\tEscape", "Eliminar armario",
                                       "Mostrar a pantalla completa", "Siempre encima",
                                       "Acoplar al borde de la pantalla"});
}

void TestTranslatedUiX11::menusAndPanelSpeakTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, firstRunTitles);
    QFETCH(QStringList, statusMenu);
    QFETCH(QString, preferencesEntry);
    QFETCH(QStringList, preferencesPanel);
    QFETCH(QString, cabinetButton);
    QFETCH(QStringList, cabinetMenu);

    QVERIFY(vorenda.configure());
    QVERIFY(vorenda.setLanguage(language));
    QVERIFY(vorenda.start());
    QVERIFY(!RunningVorenda::waitForCabinet().isEmpty());
    // The welcome wizard and the quick-start panel come up under their translated titles.
    QVERIFY(RunningVorenda::dismissFirstRunWindows(10000, firstRunTitles));

    // The status menu, from a right click on the status icon.
    QVERIFY2(QTest::qWaitFor([&] { return !tray->icons().isEmpty(); }, 15000), "the status icon never docked");
    QVERIFY(click(tray->icons().first().center(), QStringLiteral("3")));
    const TextProbe::Window trayMenu = probe.waitForWindow(QStringLiteral("PopupMenu"), statusMenu.first());
    QVERIFY(!trayMenu.isNull());
    QVERIFY(showsAll(trayMenu, statusMenu));
    QTest::qWait(300);
    QVERIFY(RunningVorenda::saveScreenshot(RunningVorenda::grabScreen(trayMenu.rect()),
                                           QStringLiteral("translated-%1-status-menu.png").arg(language)));

    // Its preferences entry opens the preferences panel.
    const QRect preferences = trayMenu.rectOf(preferencesEntry);
    QVERIFY2(!preferences.isEmpty(), qPrintable(preferencesEntry));
    QVERIFY(click(preferences.center(), QStringLiteral("1")));
    const TextProbe::Window panel = probe.waitForWindow(QString(), preferencesPanel.first());
    QVERIFY(!panel.isNull());
    QVERIFY(showsAll(panel, preferencesPanel));
    QTest::qWait(500);
    QVERIFY(RunningVorenda::saveScreenshot(RunningVorenda::grabScreen(panel.rect()),
                                           QStringLiteral("translated-%1-preferences.png").arg(language)));
    QVERIFY(click(panel.rectOf(preferencesPanel.last()).center(), QStringLiteral("1")));
    QVERIFY(QTest::qWaitFor(
        [&] { return probe.window(QString(), preferencesPanel.first()).isNull(); }, 10000));

    // The Cabinet menu of the cabinet's menu bar.
    const TextProbe::Window cabinet = probe.waitForWindow(QString(), cabinetButton);
    QVERIFY(!cabinet.isNull());
    QCOMPARE(cabinet.title(), QStringLiteral("Vorenda"));
    QVERIFY(click(cabinet.rectOf(cabinetButton).center(), QStringLiteral("1")));
    const TextProbe::Window cabinetMenuWindow = probe.waitForWindow(QStringLiteral("PopupMenu"), cabinetMenu.first());
    QVERIFY(!cabinetMenuWindow.isNull());
    QVERIFY(showsAll(cabinetMenuWindow, cabinetMenu));
    QTest::qWait(300);
    QVERIFY(RunningVorenda::saveScreenshot(RunningVorenda::grabScreen(cabinetMenuWindow.rect()),
                                           QStringLiteral("translated-%1-cabinet-menu.png").arg(language)));
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));

    QVERIFY(vorenda.terminate());
}

VORENDA_TEST_MAIN(TestTranslatedUiX11)
#include "tst_translatedui_x11.moc"
