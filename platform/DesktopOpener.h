#pragma once

#include <QString>
#include <QStringList>

class QUrl;

// Opens an item's target the way the desktop does: files, folders and addresses with the
// user's default handler (xdg-open), application entries (.desktop files) by starting
// their program. Programs always get an argument list; nothing goes through a shell.
//
// Only a program the user added as one is ever started, and only from a trusted entry
// (isTrustedEntry), as desktops do with launchers: any other entry is shown in the file
// manager. A target that came from a link file, a bookmark, a page or the clipboard is an
// address (openAddress), which is opened only for the schemes a web link or file item
// stands for, and never run.
class DesktopOpener
{
public:
    enum class Outcome {
        Opened,    // handed to the default handler, or the program was started
        Revealed,  // a program or desktop entry an address names, shown in the file manager instead
        Untrusted, // an application entry that is not trusted, shown in the file manager instead
        Refused,   // an address outside the schemes opened, or a local file that cannot be read
        Failed     // empty, missing, no runnable program, or the handler could not be started
    };

    // Opens the target of an item the user added as a file, folder or application: a
    // path (or file: URL) to an application entry starts its program; a link entry,
    // like any other address, opens as openAddress does.
    static Outcome open(const QString& target);

    // Opens an address: http, https, ftp and mailto with the default handler, a file:
    // URL when it names a local file or folder that exists and can be read. A file: URL
    // of a desktop entry or an executable file is shown in the file manager. Anything
    // else (javascript:, data:, smb:, a plain path ...) is refused.
    static Outcome openAddress(const QString& address);

    // Whether an address of `scheme` (any case) is opened.
    static bool isOpenedScheme(const QString& scheme);

    // Whether the file at `path` is one the default handler might run rather than show:
    // an executable, or a desktop entry by its name or its content.
    static bool isProgramFile(const QString& path);

    // Whether a file: URL names a local program file (isProgramFile), which an address
    // never stands for.
    static bool isProgramAddress(const QUrl& url);

    // Starts the program of the application entry at `desktopFile`, without files, when
    // the entry is trusted; an untrusted one is shown in the file manager (Untrusted).
    // A link entry opens its address as openAddress does.
    static Outcome launchDesktopEntry(const QString& desktopFile);

    // Whether the desktop entry at `desktopFile` may run its program: it lies in an
    // applications folder (applicationFolders) or the user made it executable. Decided
    // on the file a path leads to, past its symbolic links and "..".
    static bool isTrustedEntry(const QString& desktopFile);

    // "applications" under $XDG_DATA_HOME and under each of $XDG_DATA_DIRS, with their
    // defaults (~/.local/share; /usr/local/share and /usr/share).
    static QStringList applicationFolders();

    // Splits an entry's Exec value into the program and its arguments, with the
    // entry's escapes undone and its field codes expanded or dropped. `name`, `icon`
    // and `desktopFile` fill %c, %i and %k. Empty for a malformed value (an open quote).
    static QStringList execArguments(const QString& exec, const QString& name, const QString& icon,
                                     const QString& desktopFile);

    // The local path `target` names (a path or a file: URL); empty when it names none.
    static QString localPath(const QString& target);
    // The local path a file: URL names, "file://localhost/" included; empty for any other
    // URL, a file on another machine among them.
    static QString localFilePath(const QUrl& url);
};
