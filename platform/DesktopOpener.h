#pragma once

#include <QString>
#include <QStringList>

// Opens an item's target the way the desktop does: files, folders and URLs with the
// user's default handler (xdg-open), application entries (.desktop files) by starting
// their program. Programs always get an argument list; nothing goes through a shell.
class DesktopOpener
{
public:
    // True when a program was started for `target`. A local target that does not
    // exist, an entry without a runnable program, or a program that cannot be
    // started is a failure.
    static bool open(const QString& target);

    // Starts the program of the application entry at `desktopFile`, without files.
    static bool launchDesktopEntry(const QString& desktopFile);

    // Splits an entry's Exec value into the program and its arguments, with the
    // entry's escapes undone and its field codes expanded or dropped. `name`, `icon`
    // and `desktopFile` fill %c, %i and %k. Empty for a malformed value (an open quote).
    static QStringList execArguments(const QString& exec, const QString& name, const QString& icon,
                                     const QString& desktopFile);

    // The local path `target` names (a path or a file: URL); empty when it names none.
    static QString localPath(const QString& target);
};
