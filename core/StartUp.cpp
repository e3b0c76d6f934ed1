#include "StartUp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace StartUp {

void preferX11()
{
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void configureLibraryPaths(const QString& executableFolder)
{
    QDir folder(executableFolder);
    if (folder.dirName() != QLatin1String("MacOS"))
        return;
    if (folder.cdUp() && folder.cd(QStringLiteral("PlugIns")))
        QCoreApplication::addLibraryPath(folder.absolutePath());
}

void installTranslators(QTranslator& qtTranslator, QTranslator& appTranslator, const QString& language)
{
    if (language != QLatin1String("en")) {
        if (!qtTranslator.load(QStringLiteral("qtbase_") + language, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
            qtTranslator.load(QStringLiteral(":/Translations/qt_") + language);
        QCoreApplication::installTranslator(&qtTranslator);
    }
    appTranslator.load(QStringLiteral(":/Translations/Vorenda_") + language);
    QCoreApplication::installTranslator(&appTranslator);
}

} // namespace StartUp
