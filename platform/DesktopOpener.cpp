#include "DesktopOpener.h"

#include "DesktopEntry.h"
#include "FileManagerReveal.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

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
    const QUrl url(target, QUrl::TolerantMode);
    if (url.isLocalFile())
        return url.toLocalFile();
    return QString();
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
    if (info.isFile() && DesktopEntry::hasDesktopSuffix(info.fileName()))
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
    const QString host = url.host();
    if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
        return Outcome::Refused;
    return openLocalAddress(url.toLocalFile());
}

DesktopOpener::Outcome DesktopOpener::launchDesktopEntry(const QString& desktopFile)
{
    const DesktopEntry entry(desktopFile);
    // A link entry's address is only an address, whatever it names (the entry itself, say).
    if (entry.isLink())
        return openAddress(entry.url());
    if (!entry.isApplication())
        return Outcome::Failed;
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
