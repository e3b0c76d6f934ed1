#include "MenuEntries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

MenuEntries::MenuEntries()
{
    qputenv("XDG_DATA_DIRS", QFile::encodeName(system.path()));
}

MenuEntries::~MenuEntries()
{
    if (wroteUserEntries)
        QDir(userFolder()).removeRecursively();
    qunsetenv("XDG_DATA_DIRS");
}

QString MenuEntries::systemFolder() const
{
    return system.filePath(QStringLiteral("applications"));
}

QString MenuEntries::userFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
}

bool MenuEntries::add(const QString& relativePath, const QByteArray& lines, bool user)
{
    wroteUserEntries = wroteUserEntries || user;
    const QString folder = user ? userFolder() : systemFolder();
    return write(folder + QLatin1Char('/') + relativePath, "[Desktop Entry]\nExec=true\n" + lines);
}

bool MenuEntries::addOther(const QString& relativePath)
{
    return write(systemFolder() + QLatin1Char('/') + relativePath, QByteArray());
}

bool MenuEntries::write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
