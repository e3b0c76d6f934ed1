#pragma once

#include <QString>

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

    static bool hasDesktopSuffix(const QString& path);

private:
    bool valid = false;
    QString type;
    QString localName;
    QString icon;
};
