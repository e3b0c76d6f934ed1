#pragma once

#include <QString>
#include <QStringList>

// What a program's ".desktop" entry tells about itself: its name in the user's
// language and its icon. Only the "[Desktop Entry]" group is read.
class DesktopEntry
{
public:
    // Reads the file; an entry that is not a desktop entry reads as invalid.
    explicit DesktopEntry(const QString& path);

    bool isValid() const { return valid; }
    bool isApplication() const { return valid && type == QLatin1String("Application"); }
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
    bool valid = false;
    QString type;
    QString localName;
    QString icon;
    bool hidden = false;
    QStringList menuCategories;
};
