#include "DesktopOpener.h"

#include "DesktopEntry.h"
#include "FileManagerReveal.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

namespace {

// A program given by path or looked up on PATH; empty when it cannot be run.
QString executablePath(const QString& program)
{
    if (!program.contains(QLatin1Char('/')))
        return QStandardPaths::findExecutable(program);
    return QFileInfo(program).isExecutable() ? program : QString();
}

DesktopOpener::Outcome startProgram(const QString& program, const QStringList& arguments,
                                    const QString& workingDirectory = QString())
{
    const QString executable = executablePath(program);
    if (executable.isEmpty() || !QProcess::startDetached(executable, arguments, workingDirectory))
        return DesktopOpener::Outcome::Failed;
    return DesktopOpener::Outcome::Opened;
}

DesktopOpener::Outcome openWithDefaultHandler(const QString& argument)
{
    return startProgram(QStringLiteral("xdg-open"), {argument});
}

// A local file or folder an address names.
DesktopOpener::Outcome openLocalAddress(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isReadable())
        return DesktopOpener::Outcome::Failed;
    if (DesktopOpener::isProgramFile(info.absoluteFilePath())) {
        return FileManagerReveal::reveal(info.absoluteFilePath()) ? DesktopOpener::Outcome::Revealed
                                                                  : DesktopOpener::Outcome::Failed;
    }
    return openWithDefaultHandler(info.absoluteFilePath());
}

} // namespace

QString DesktopOpener::localPath(const QString& target)
{
    if (target.startsWith(QLatin1Char('/')))
        return target;
    return localFilePath(QUrl(target, QUrl::TolerantMode));
}

QString DesktopOpener::localFilePath(const QUrl& url)
{
    if (!url.isLocalFile())
        return QString();
    const QString host = url.host();
    if (host.isEmpty())
        return url.toLocalFile();
    // toLocalFile() makes "//localhost/..." of it, a path on no disk.
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return url.path(QUrl::FullyDecoded);
    return QString();
}

bool DesktopOpener::isProgramAddress(const QUrl& url)
{
    const QString path = localFilePath(url);
    return !path.isEmpty() && isProgramFile(path);
}

QStringList DesktopOpener::applicationFolders()
{
    // Relative paths in these variables are to be ignored, like unset ones.
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    QStringList dataDirs = qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    dataDirs.erase(std::remove_if(dataDirs.begin(), dataDirs.end(),
                                  [](const QString& dir) { return !QDir::isAbsolutePath(dir); }),
                   dataDirs.end());
    if (dataDirs.isEmpty())
        dataDirs = QStringList{QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    QStringList folders{dataHome + QStringLiteral("/applications")};
    for (const QString& dir : qAsConst(dataDirs))
        folders << dir + QStringLiteral("/applications");
    return folders;
}

bool DesktopOpener::isTrustedEntry(const QString& desktopFile)
{
    // Where a path seems to lie says nothing: a link in an applications folder may lead
    // to a download, "applications/../" out of it.
    const QString canonical = QFileInfo(desktopFile).canonicalFilePath();
    if (canonical.isEmpty())
        return false;
    const QFileInfo entry(canonical);
    if (!entry.isFile())
        return false;
    if (entry.isExecutable())
        return true;
    const QStringList folders = applicationFolders();
    for (const QString& folder : folders) {
        const QString root = QFileInfo(folder).canonicalFilePath();
        if (!root.isEmpty() && canonical.startsWith(root + QLatin1Char('/')))
            return true;
    }
    return false;
}

bool DesktopOpener::isOpenedScheme(const QString& scheme)
{
    static const QStringList schemes = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp"),
                                        QStringLiteral("mailto"), QStringLiteral("file")};
    return schemes.contains(scheme, Qt::CaseInsensitive);
}

DesktopOpener::Outcome DesktopOpener::open(const QString& target)
{
    if (target.trimmed().isEmpty())
        return Outcome::Failed;
    const QString path = localPath(target);
    if (path.isEmpty())
        return openAddress(target);
    const QFileInfo info(path);
    if (!info.exists())
        return Outcome::Failed;
    // An entry by another name (no suffix, or a link to one) is an entry all the same:
    // the default handler might run it, past the trust it needs.
    const bool entry = info.isFile()
        && (DesktopEntry::hasDesktopSuffix(info.fileName()) || (!info.isExecutable() && isProgramFile(path)));
    if (entry)
        return launchDesktopEntry(info.absoluteFilePath());
    return openWithDefaultHandler(info.absoluteFilePath());
}

DesktopOpener::Outcome DesktopOpener::openAddress(const QString& address)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return Outcome::Failed;
    const QUrl url(text, QUrl::TolerantMode);
    if (!url.isValid() || !isOpenedScheme(url.scheme()))
        return Outcome::Refused;
    if (url.scheme().compare(QLatin1String("file"), Qt::CaseInsensitive) != 0)
        return openWithDefaultHandler(url.toString(QUrl::FullyEncoded));
    // A file on another machine is no local file.
    const QString path = localFilePath(url);
    if (path.isEmpty())
        return Outcome::Refused;
    return openLocalAddress(path);
}

DesktopOpener::Outcome DesktopOpener::launchDesktopEntry(const QString& desktopFile)
{
    const DesktopEntry entry(desktopFile);
    // A link entry's address is only an address, whatever it names (the entry itself, say).
    if (entry.isLink())
        return openAddress(entry.url());
    if (!entry.isApplication())
        return Outcome::Failed;
    if (!isTrustedEntry(desktopFile)) {
        FileManagerReveal::reveal(QFileInfo(desktopFile).absoluteFilePath());
        return Outcome::Untrusted;
    }
    const QString tryExec = entry.tryExec();
    if (!tryExec.isEmpty() && executablePath(tryExec).isEmpty())
        return Outcome::Failed;
    QStringList arguments = execArguments(entry.execLine(), entry.name(), entry.iconName(), desktopFile);
    if (arguments.isEmpty())
        return Outcome::Failed;
    if (entry.runsInTerminal())
        arguments = QStringList{QStringLiteral("x-terminal-emulator"), QStringLiteral("-e")} + arguments;
    QString workingDirectory = entry.workingDirectory();
    if (!workingDirectory.isEmpty() && !QFileInfo(workingDirectory).isDir())
        workingDirectory.clear();
    const QString program = arguments.takeFirst();
    return startProgram(program, arguments, workingDirectory);
}

QStringList DesktopOpener::execArguments(const QString& exec, const QString& name, const QString& icon,
                                         const QString& desktopFile)
{
    const QString value = DesktopEntry::unescape(exec, true);
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;

    const auto finish = [&]() {
        if (inArgument)
            arguments << current;
        current.clear();
        inArgument = false;
    };

    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('\\') && i + 1 < value.size()) {
                current += value.at(++i);
            } else {
                current += c;
            }
            continue;
        }
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            finish();
            continue;
        }
        inArgument = true;
        if (c == QLatin1Char('"')) {
            quoted = true;
            continue;
        }
        if (c != QLatin1Char('%') || i + 1 >= value.size()) {
            current += c;
            continue;
        }
        // Field codes stand outside quotes; the entry is opened without files, so the
        // file and URL codes vanish, an argument made of one of them included.
        const QChar code = value.at(++i);
        const bool wholeArgument = current.isEmpty()
            && (i + 1 >= value.size() || value.at(i + 1) == QLatin1Char(' ') || value.at(i + 1) == QLatin1Char('\t'));
        switch (code.unicode()) {
        case '%': current += QLatin1Char('%'); break;
        case 'c': current += name; break;
        case 'k': current += desktopFile; break;
        case 'i':
            if (wholeArgument && !icon.isEmpty()) {
                arguments << QStringLiteral("--icon") << icon;
            }
            if (wholeArgument)
                inArgument = false;
            break;
        default:
            if (wholeArgument)
                inArgument = false;
            break;
        }
    }
    if (quoted)
        return QStringList();
    finish();
    return arguments;
}

bool DesktopOpener::isProgramFile(const QString& path)
{
    // A handler may go by the name or by the content.
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    if (info.isExecutable() || DesktopEntry::hasDesktopSuffix(info.fileName()))
        return true;
    const QString canonical = info.canonicalFilePath();
    return DesktopEntry::hasDesktopSuffix(canonical) || DesktopEntry(canonical).isValid();
}
