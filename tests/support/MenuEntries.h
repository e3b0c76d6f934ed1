#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// The desktop's application menus as one test wants them: while it lives, the system's
// menu folder is a temporary one (XDG_DATA_DIRS), and it removes the entries it wrote
// into the user's own menu folder. Programs started meanwhile see the same menus.
class MenuEntries
{
public:
    MenuEntries();
    ~MenuEntries();
    MenuEntries(const MenuEntries&) = delete;
    MenuEntries& operator=(const MenuEntries&) = delete;

    // Writes "[Desktop Entry]", an Exec line and `lines` into the system's menu folder
    // (`user` false) or the user's, at `relativePath` ("tools/calc.desktop").
    bool add(const QString& relativePath, const QByteArray& lines, bool user = false);
    // Writes a file that is no entry ("mimeinfo.cache") into the system's menu folder.
    bool addOther(const QString& relativePath);

    QString systemFolder() const;
    QString userFolder() const;

private:
    static bool write(const QString& path, const QByteArray& bytes);

    QTemporaryDir system;
    bool wroteUserEntries = false;
};
