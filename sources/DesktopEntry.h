#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a ".desktop" entry tells about itself: its name in the user's language, its icon
// and, for a link, its address. Only the "[Desktop Entry]" group is read.
class DesktopEntry
{
public:
    // Reads the file; an entry that is not a desktop entry, or a file that is not a
    // regular one, reads as invalid.
    explicit DesktopEntry(const QString& path);
    // Reads an entry from its text.
    static DesktopEntry fromContents(const QByteArray& contents);

    bool isValid() const { return valid; }
    bool isApplication() const { return valid && type == QLatin1String("Application"); }
    bool isLink() const { return valid && type == QLatin1String("Link"); }
    // The "URL" of a link entry; may be empty.
    QString url() const { return link; }
    // The "Name" for the current locale ("Name[de_DE]", "Name[de]", then "Name").
    QString name() const { return localName; }
    // A theme icon name or an absolute file path; may be empty.
    QString iconName() const { return icon; }
    // Entries that ask not to be listed in menus ("NoDisplay" or "Hidden" true).
    bool isHidden() const { return hidden; }
    // The menu categories ("Categories"), e.g. "Utility".
    QStringList categories() const { return menuCategories; }

    static bool hasDesktopSuffix(const QString& path);

private:
    DesktopEntry() = default;
    void read(const QByteArray& contents);

    bool valid = false;
    QString type;
    QString link;
    QString localName;
    QString icon;
    bool hidden = false;
    QStringList menuCategories;
};
