#include "TestEnvironment.h"

#include "MyQApplication.h"
#include "StartUp.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QTranslator>

#include <csignal>

class Thrower : public QObject
{
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw "boom";
        if (event->type() == QEvent::User + 1) {
            ++delivered;
            return true;
        }
        return QObject::event(event);
    }
    int delivered = 0;
};

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void thrownTextIsLoggedAndSurvived();
    void qtPluginPathsStayAndJpegLoads();
    void bundleLayoutAddsPlugIns();
    void translationsComeFromResourcesAndQt_data();
    void translationsComeFromResourcesAndQt();
    void terminationSignalEndsTheSession();
};

void TestStartUp::thrownTextIsLoggedAndSurvived()
{
    Thrower thrower;
    QEvent throwing(QEvent::User);
    QTest::ignoreMessage(QtDebugMsg, "Exception: boom");
    QCOMPARE(QCoreApplication::sendEvent(&thrower, &throwing), false);
    QEvent next(QEvent::Type(QEvent::User + 1));
    QCOMPARE(QCoreApplication::sendEvent(&thrower, &next), true);
    QCOMPARE(thrower.delivered, 1);
}

void TestStartUp::qtPluginPathsStayAndJpegLoads()
{
    const QStringList before = QCoreApplication::libraryPaths();
    StartUp::configureLibraryPaths(QCoreApplication::applicationDirPath());
    QCOMPARE(QCoreApplication::libraryPaths(), before);

    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 30));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY2(QImageWriter(&buffer, "jpeg").write(picture), "the JPEG plug-in must be found");
    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    const QImage loaded = QImageReader(&buffer, "jpeg").read();
    QCOMPARE(loaded.size(), QSize(64, 48));
}

void TestStartUp::bundleLayoutAddsPlugIns()
{
    QTemporaryDir bundle;
    QVERIFY(QDir(bundle.path()).mkpath(QStringLiteral("Contents/MacOS")));
    QVERIFY(QDir(bundle.path()).mkpath(QStringLiteral("Contents/PlugIns")));
    const QStringList before = QCoreApplication::libraryPaths();
    StartUp::configureLibraryPaths(bundle.path() + QStringLiteral("/Contents/MacOS"));
    const QStringList after = QCoreApplication::libraryPaths();
    QVERIFY(after.contains(QDir(bundle.path() + QStringLiteral("/Contents/PlugIns")).absolutePath()));
    for (const QString& path : before)
        QVERIFY(after.contains(path));
}

void TestStartUp::translationsComeFromResourcesAndQt_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("en") << "en" << "Cancel";
    QTest::newRow("de") << "de" << "Abbrechen";
    QTest::newRow("es") << "es" << "Cancelar";
}

void TestStartUp::translationsComeFromResourcesAndQt()
{
    QFETCH(QString, language);
    QFETCH(QString, cancel);
    if (language != QLatin1String("en"))
        QVERIFY(QFile::exists(QStringLiteral(":/Translations/Vorenda_%1.qm").arg(language)));
    QTranslator qtTranslator;
    QTranslator appTranslator;
    StartUp::installTranslators(qtTranslator, appTranslator, language);
    QCOMPARE(qtTranslator.isEmpty(), language == QLatin1String("en"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    QCoreApplication::removeTranslator(&qtTranslator);
    QCoreApplication::removeTranslator(&appTranslator);
}

void TestStartUp::terminationSignalEndsTheSession()
{
    auto* app = qobject_cast<MyQApplication*>(QCoreApplication::instance());
    QVERIFY(app);
    app->installSessionEndHandlers();
    QSignalSpy ending(app, &MyQApplication::aboutToEndSession);
    QEventLoop loop; // quit() ends the running loop
    QTimer::singleShot(0, [] { ::raise(SIGTERM); });
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(2); });
    QCOMPARE(loop.exec(), 0);
    QCOMPARE(ending.count(), 1);
}

VORENDA_TEST_MAIN_APP(TestStartUp, MyQApplication)
#include "tst_startup.moc"
