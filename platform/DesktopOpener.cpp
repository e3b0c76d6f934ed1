#include "DesktopOpener.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

constexpr qint64 maxEntrySize = 1024 * 1024;

// The keys of the "[Desktop Entry]" group; other groups (actions) are skipped.
QHash<QString, QString> readEntryGroup(const QString& path)
{
    QHash<QString, QString> keys;
    QFile file(path);
    if (file.size() > maxEntrySize || !file.open(QIODevice::ReadOnly))
        return keys;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine(64 * 1024)).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!inGroup || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!keys.contains(key))
            keys.insert(key, line.mid(equals + 1).trimmed());
    }
    return keys;
}

// Undoes the escapes every string value of an entry may carry.
QString unescapeValue(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's': out += QLatin1Char(' '); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 't': out += QLatin1Char('\t'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case '\\': out += QLatin1Char('\\'); break;
        default:
            // Kept for the Exec quoting rules, which have escapes of their own.
            out += c;
            out += next;
        }
    }
    return out;
}

// A program given by path or looked up on PATH; empty when it cannot be run.
QString executablePath(const QString& program)
{
    if (!program.contains(QLatin1Char('/')))
        return QStandardPaths::findExecutable(program);
    return QFileInfo(program).isExecutable() ? program : QString();
}

bool startProgram(const QString& program, const QStringList& arguments, const QString& workingDirectory = QString())
{
    const QString executable = executablePath(program);
    if (executable.isEmpty())
        return false;
    return QProcess::startDetached(executable, arguments, workingDirectory);
}

// A URL that names no local file.
bool openWithDefaultHandler(const QString& target)
{
    const QUrl url(target, QUrl::TolerantMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return false;
    return startProgram(QStringLiteral("xdg-open"), {url.toString(QUrl::FullyEncoded)});
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

bool DesktopOpener::open(const QString& target)
{
    if (target.trimmed().isEmpty())
        return false;
    const QString path = localPath(target);
    if (path.isEmpty())
        return openWithDefaultHandler(target);
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    if (info.isFile() && info.suffix() == QLatin1String("desktop"))
        return launchDesktopEntry(info.absoluteFilePath());
    return startProgram(QStringLiteral("xdg-open"), {info.absoluteFilePath()});
}

bool DesktopOpener::launchDesktopEntry(const QString& desktopFile)
{
    const QHash<QString, QString> keys = readEntryGroup(desktopFile);
    const QString type = keys.value(QStringLiteral("Type"));
    if (type == QLatin1String("Link")) {
        // Handed straight to the default handler: a link to an entry (itself, say)
        // must not lead back here.
        const QString url = unescapeValue(keys.value(QStringLiteral("URL")));
        const QString path = localPath(url);
        if (!path.isEmpty())
            return QFileInfo::exists(path)
                && startProgram(QStringLiteral("xdg-open"), {QFileInfo(path).absoluteFilePath()});
        return openWithDefaultHandler(url);
    }
    if (type != QLatin1String("Application"))
        return false;
    const QString tryExec = unescapeValue(keys.value(QStringLiteral("TryExec")));
    if (!tryExec.isEmpty() && executablePath(tryExec).isEmpty())
        return false;
    QStringList arguments =
        execArguments(keys.value(QStringLiteral("Exec")), unescapeValue(keys.value(QStringLiteral("Name"))),
                      unescapeValue(keys.value(QStringLiteral("Icon"))), desktopFile);
    if (arguments.isEmpty())
        return false;
    if (keys.value(QStringLiteral("Terminal")) == QLatin1String("true"))
        arguments = QStringList{QStringLiteral("x-terminal-emulator"), QStringLiteral("-e")} + arguments;
    QString workingDirectory = unescapeValue(keys.value(QStringLiteral("Path")));
    if (!workingDirectory.isEmpty() && !QFileInfo(workingDirectory).isDir())
        workingDirectory.clear();
    const QString program = arguments.takeFirst();
    return startProgram(program, arguments, workingDirectory);
}

QStringList DesktopOpener::execArguments(const QString& exec, const QString& name, const QString& icon,
                                         const QString& desktopFile)
{
    const QString value = unescapeValue(exec);
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
