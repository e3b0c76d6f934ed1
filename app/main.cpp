#include "MyQApplication.h"
#include "StartUp.h"
#include "TerminationSignals.h"
#include "VorendaGlobal.h"
#include "VorendaMain.h"

#include <QPixmapCache>
#include <QTranslator>

int main(int argc, char** argv)
{
    // Termination requests from the first moment on end the program the orderly way.
    TerminationSignals::install();
    if (!MyQApplication::oneInstance(QStringLiteral("vorenda.mutex")))
        return 0;
    StartUp::preferX11();
    MyQApplication app(argc, argv);
    app.installSessionEndHandlers();

    StartUp::configureLibraryPaths(QCoreApplication::applicationDirPath());
    QCoreApplication::setOrganizationName(QStringLiteral("Vorenda"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("vorenda.org"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorenda"));
    QApplication::setQuitOnLastWindowClosed(false);
    QPixmapCache::setCacheLimit(512);

    VorendaGlobal::initialize();
    QTranslator qtTranslator;
    QTranslator appTranslator;
    StartUp::installTranslators(qtTranslator, appTranslator, VorendaGlobal::appLanguage);
    VorendaGlobal::load();

    VorendaMain controller(&app);
    return app.exec();
}
