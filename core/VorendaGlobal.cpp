#include "VorendaGlobal.h"

#include "AutostartEntry.h"
#include "FileManagerReveal.h"
#include "PathFunctions.h"
#include "TextFunctions.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaType>
#include <QSettings>
#include <QTextStream>
#include <QTime>
#include <QUrl>

namespace {

// The platform word in the web site's paths.
const QString platformName = QStringLiteral("linux");

QString languageOfSystem(const QLocale& locale, const QString& current)
{
    switch (locale.language()) {
    case QLocale::English: return QStringLiteral("en");
    case QLocale::Spanish: return QStringLiteral("es");
    case QLocale::German: return QStringLiteral("de");
    default: return current;
    }
}

bool isKnownLanguage(const QString& language)
{
    static const QStringList known = {QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("es"),
                                      QStringLiteral("de")};
    return known.contains(language);
}

} // namespace

void VorendaGlobal::initialize()
{
    initialize(QLocale::system());
}

void VorendaGlobal::initialize(const QLocale& systemLocale)
{
    const QString defaultStore = getStorageLocation(QStandardPaths::AppDataLocation);

    QSettings settings;
    settings.beginGroup(QStringLiteral("Main"));
    storeFolder = addTrailingSeparator(settings.value(QStringLiteral("StoreFolder"), defaultStore).toString());
    if (storeFolder.isEmpty())
        storeFolder = defaultStore;
    readOnlyConfig = settings.value(QStringLiteral("ReadOnlyConfig"), false).toBool();
    logEnabled = settings.value(QStringLiteral("EnableLog"), false).toBool();

    const QString absoluteStore = QFileInfo(storeFolder).absoluteFilePath();
    if (!QDir().mkpath(absoluteStore)) {
        const QString message = QStringLiteral("VorendaGlobal: Cannot create the store folder \"%1\"").arg(absoluteStore);
        qWarning("%s", qPrintable(message));
        addToLog(message);
    }

    sysLanguage = getStringValue(systemLocale.name(), QString(), QStringLiteral("_")).toLower();
    const QString fromSystem = languageOfSystem(systemLocale, appLanguage);
    appLanguage = settings.value(QStringLiteral("Language"), fromSystem).toString();
    if (!isKnownLanguage(appLanguage))
        appLanguage = QStringLiteral("en");

    verCheckUrl = settings.value(QStringLiteral("VerCheckUrl"), verCheckUrl).toString();
    verCheckUrl = verCheckUrl.arg(platformName).arg(appLanguage);
    homepageUrl = homepageUrl.arg(platformName).arg(appLanguage);
    settings.endGroup();

    qRegisterMetaType<QFileInfo>("QFileInfo");
    qRegisterMetaType<QVariant>("QVariant");
    qRegisterMetaType<QList<uint>>("QList<uint>");
    qRegisterMetaTypeStreamOperators<QList<uint>>("QList<uint>");
    qRegisterMetaType<ShelfStyle>("ShelfStyle");
    qRegisterMetaTypeStreamOperators<ShelfStyle>("ShelfStyle");
}

void VorendaGlobal::save()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("Personalization"));
    settings.setValue(QStringLiteral("UserColors"), QVariant::fromValue(userColors));
    settings.setValue(QStringLiteral("UserPatterns"), userPatterns);
    settings.endGroup();
    settings.setValue(QStringLiteral("Main/Language"), appLanguage);
}

QString VorendaGlobal::getRootLocation()
{
    return storeFolder;
}

QString VorendaGlobal::getDataLocation()
{
    return storeFolder + QStringLiteral("Data");
}

QString VorendaGlobal::getCacheLocation()
{
    return storeFolder + QStringLiteral("Cache");
}

QString VorendaGlobal::getStylesLocation()
{
    return storeFolder + QStringLiteral("Styles");
}

QString VorendaGlobal::getKeyName(const QString& keySequence)
{
    // Callers pass the native text, already what the user reads ("Strg+F10" in German).
    return keySequence;
}

QString VorendaGlobal::getLogFileName()
{
    return getStorageLocation(QStandardPaths::DesktopLocation)
        + QStringLiteral("vorenda_%1.log").arg(QDate::currentDate().toString(Qt::ISODate));
}

bool VorendaGlobal::containsColor(uint argb)
{
    return colors.contains(argb) || userColors.contains(argb);
}

bool VorendaGlobal::containsPattern(const QString& pattern)
{
    return patterns.contains(pattern, Qt::CaseInsensitive) || userPatterns.contains(pattern, Qt::CaseInsensitive);
}

void VorendaGlobal::addToLog(const QString& message)
{
    if (!logEnabled)
        return;
    QFile file(getLogFileName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    if (!message.isEmpty())
        out << QTime::currentTime().toString(Qt::ISODate) << " > " << message;
    out << '\n';
    out.flush();
}

void VorendaGlobal::setRunAtStartup(bool on)
{
    if (!AutostartEntry::apply(on, QCoreApplication::applicationFilePath()))
        addToLog(QStringLiteral("VorendaGlobal: Could not %1 the autostart entry \"%2\"")
                     .arg(on ? QStringLiteral("write") : QStringLiteral("remove"), AutostartEntry::path()));
}

bool VorendaGlobal::locateItem(const QString& pathOrUrl, bool flag)
{
    Q_UNUSED(flag)
    if (pathOrUrl.isEmpty())
        return false;
    QUrl url(pathOrUrl, QUrl::TolerantMode);
    if (pathOrUrl.startsWith(QLatin1Char('/')) || url.scheme().isEmpty())
        url = QUrl::fromLocalFile(pathOrUrl);
    if (!url.isLocalFile())
        return false; // nothing on this machine to show
    const QString localPath = url.toLocalFile();
    if (!QFileInfo::exists(localPath))
        return false;
    return FileManagerReveal::reveal(localPath);
}
