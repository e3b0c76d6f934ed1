#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A program run with a folder on a disk of its own that holds only 16 KB: a tmpfs
// mounted over the folder in a mount namespace of the program's own (unshare), so
// nothing outside the run sees it. Where the machine allows no such namespace (a
// container without the right), available() is false.
namespace FullDisk {

inline QStringList command(const QString& folder, const QString& program, const QStringList& arguments)
{
    return QStringList{QStringLiteral("unshare"),
                       QStringLiteral("--user"),
                       QStringLiteral("--map-root-user"),
                       QStringLiteral("--mount"),
                       QStringLiteral("sh"),
                       QStringLiteral("-c"),
                       QStringLiteral("mount -t tmpfs -o size=16k vorenda-full-disk \"$0\" && exec \"$@\""),
                       folder,
                       program}
        + arguments;
}

inline bool available()
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    const QStringList probe = command(folder.path(), QStringLiteral("true"), {});
    QProcess process;
    process.start(probe.first(), probe.mid(1));
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace FullDisk
