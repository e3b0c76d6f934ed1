#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// What a ".desktop" entry tells about itself: its type, its name in the user's language,
// its icon, for a link its address, for an application its program. Only the
// "[Desktop Entry]" group is read. Every part of the program that reads desktop
// entries reads them here, so all of it agrees on what a file is.
class DesktopEntry
{
public:
    // Files larger than this are no desktop entries.
    static constexpr qint64 MAX_ENTRY_BYTES = 1024 * 1024;

    // Reads the file; a file that is not a regular one, is too large, holds no
    // "[Desktop Entry]" group or a line longer than MAX_INI_LINE_BYTES reads as invalid.
    explicit DesktopEntry(const QString& path);
    // Reads an entry from its text.
    static DesktopEntry fromContents(const QByteArray& contents);

    bool isValid() const { return valid; }
    bool isApplication() const { return valid && type == QLatin1String("Application"); }
    bool isLink() const { return valid && type == QLatin1String("Link"); }
    // The "URL" of a link entry; may be empty.
    QString url() const { return value(QStringLiteral("URL")); }
    // The "Name" for the current locale ("Name[de_DE]", "Name[de]", then "Name").
    QString name() const;
    // The "Name" for the interface language `language` ("de"): the current locale's
    // variants of it first when the locale speaks it, then "Name[de]", then "Name".
    QString name(const QString& language) const;
    // A theme icon name or an absolute file path; may be empty.
    QString iconName() const { return value(QStringLiteral("Icon")); }
    // Entries that ask not to be listed in menus ("NoDisplay" or "Hidden" true).
    bool isHidden() const;
    // The menu categories ("Categories"), e.g. "Utility".
    QStringList categories() const;

    // An application's command line ("Exec") as written: its quoting has escapes of its
    // own, so it is not unescaped here.
    QString execLine() const { return group.value(QStringLiteral("Exec")); }
    // The program whose absence hides the entry ("TryExec"); may be empty.
    QString tryExec() const { return value(QStringLiteral("TryExec")); }
    // The folder the program runs in ("Path"); may be empty.
    QString workingDirectory() const { return value(QStringLiteral("Path")); }
    // Whether the program runs in a terminal ("Terminal").
    bool runsInTerminal() const { return value(QStringLiteral("Terminal")) == QLatin1String("true"); }

    static bool hasDesktopSuffix(const QString& path);
    // Undoes the escapes of a string value (\s, \n, \t, \r and \\); any other
    // escape loses its backslash, or with `keepOthers` stays as written (an Exec line's
    // quoting has escapes of its own).
    static QString unescape(const QString& value, bool keepOthers = false);

private:
    DesktopEntry() = default;
    void read(const QByteArray& contents);
    // The value of `key` with the escapes of string values undone; empty when missing.
    QString value(const QString& key) const;
    QString firstName(const QStringList& locales) const;

    bool valid = false;
    QString type;
    QHash<QString, QString> group;
};
