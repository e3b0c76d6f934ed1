#include "AutostartEntry.h"

#include "SaveFileCommit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString configHome()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

// Exec values are quoted whole and the characters the desktop entry format reserves escaped.
QString quotedExec(const QString& executable)
{
    QString escaped;
    for (const QChar c : executable) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    escaped.replace(QLatin1String("%"), QLatin1String("%%"));
    // The desktop entry parser unescapes backslashes once more for string values.
    escaped.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

namespace AutostartEntry {

QString path()
{
    return configHome() + QStringLiteral("/autostart/vorenda.desktop");
}

QByteArray contents(const QString& executable)
{
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Name=Vorenda\n");
    text += QStringLiteral("Comment=Desktop organiser\n");
    text += QStringLiteral("Exec=%1\n").arg(quotedExec(executable));
    text += QStringLiteral("Icon=vorenda\n");
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("X-GNOME-Autostart-enabled=true\n");
    return text.toUtf8();
}

bool apply(bool on, const QString& executable)
{
    const QString file = path();
    if (!on)
        return !QFile::exists(file) || QFile::remove(file);

    const QByteArray wanted = contents(executable);
    QFile current(file);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == wanted)
        return true;
    current.close();

    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(wanted) != wanted.size()) {
        out.cancelWriting();
        return false;
    }
    return commitSaveFile(out);
}

} // namespace AutostartEntry
