#include "BrowserBookmarkFiles.h"

#include "IniGroup.h"
#include "RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr qint64 MAX_PROFILES_INI_BYTES = 1024 * 1024;

void addExisting(QStringList& files, const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty() && isRegularFile(canonical) && !files.contains(canonical))
        files << canonical;
}

QString configFolder()
{
    // As the browsers do: XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    return QDir::isAbsolutePath(config) ? config : QDir::homePath() + QStringLiteral("/.config");
}

} // namespace

QStringList BrowserBookmarkFiles::find()
{
    QStringList files;
    const QStringList firefox = firefoxProfiles();
    for (const QString& profile : firefox)
        addExisting(files, profile + QStringLiteral("/places.sqlite"));
    for (const char* browser : {"chromium", "google-chrome"}) {
        const QStringList profiles = chromiumProfiles(configFolder() + QLatin1Char('/') + QLatin1String(browser));
        for (const QString& profile : profiles)
            addExisting(files, profile + QStringLiteral("/Bookmarks"));
    }
    return files;
}

QStringList BrowserBookmarkFiles::firefoxProfiles()
{
    const QDir firefox(QDir::homePath() + QStringLiteral("/.mozilla/firefox"));
    QByteArray ini;
    if (!readRegularFile(firefox.filePath(QStringLiteral("profiles.ini")), MAX_PROFILES_INI_BYTES, ini))
        return QStringList();
    // Profiles are the groups "[Profile0]", "[Profile1]" ..., in the file's order.
    QStringList profiles;
    const QRegularExpression header(QStringLiteral("^\\s*\\[(Profile[^\\]]*)\\]\\s*$"),
                                    QRegularExpression::MultilineOption);
    auto match = header.globalMatch(QString::fromUtf8(ini));
    while (match.hasNext()) {
        const auto group = readIniGroup(ini, match.next().captured(1));
        const QString path = group ? group->value(QStringLiteral("Path")) : QString();
        if (path.isEmpty())
            continue;
        // Relative paths lie below the Firefox folder; absolute ones stand as they are.
        const bool relative = group->value(QStringLiteral("IsRelative"), QStringLiteral("1")) != QLatin1String("0");
        profiles << (relative ? firefox.filePath(path) : path);
    }
    return profiles;
}

QStringList BrowserBookmarkFiles::chromiumProfiles(const QString& browserFolder)
{
    QStringList profiles;
    const QStringList names = QDir(browserFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names)
        profiles << browserFolder + QLatin1Char('/') + name;
    return profiles;
}
