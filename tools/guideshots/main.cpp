// Takes the getting-started guide's screenshots in one language and writes them into
// <source>/Resources/Help/mac/<language>. Runs under an X server (xvfb-run).
// Usage: guideshots <source folder> <en|de|es>
#include "GuideSamples.h"
#include "ScreenshotSession.h"
#include "StartUp.h"
#include "VorendaGlobal.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: guideshots <source folder> <en|de|es>\n");
        return 2;
    }
    const QString language = QString::fromLocal8Bit(argv[2]);
    if (language != QLatin1String("en") && language != QLatin1String("de") && language != QLatin1String("es")) {
        std::fprintf(stderr, "no guide in the language %s\n", argv[2]);
        return 2;
    }

    // A private home: the samples, the settings and the store stay out of the user's own.
    QTemporaryDir root(QStringLiteral("/tmp/vorenda-guide-XXXXXX"));
    if (!root.isValid())
        return 1;
    const GuideSamples samples = GuideSamples::forLanguage(language);
    // The guide's pictures show paths below this home.
    const QString home = root.filePath(QStringLiteral("home/") + samples.userName);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("data"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root.filePath(QStringLiteral("cache"))));
    qputenv("QT_XCB_GL_INTEGRATION", "none");

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vorenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorenda"));
    QApplication::setQuitOnLastWindowClosed(false);
    {
        QSettings settings;
        settings.setValue(QStringLiteral("Main/StoreFolder"), root.filePath(QStringLiteral("store")));
        settings.setValue(QStringLiteral("Main/Language"), language);
    }
    VorendaGlobal::initialize();
    QTranslator qtTranslator;
    QTranslator appTranslator;
    StartUp::installTranslators(qtTranslator, appTranslator, VorendaGlobal::appLanguage);
    VorendaGlobal::load();

    const QDir output(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("Resources/Help/mac/") + language));
    if (!QDir().mkpath(output.path()))
        return 1;
    ScreenshotSession session(home, output, samples);
    return session.run() ? 0 : 1;
}
