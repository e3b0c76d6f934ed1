#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The folders the user bookmarked in the file manager: the GTK list
// ("gtk-3.0/bookmarks" in the configuration folder) first, then KDE's places
// ("user-places.xbel" in the data folder), where either exists. Only local folders
// that exist are kept, each once, in the order the lists give them.
class FavoriteFolders
{
public:
    struct Folder
    {
        QString path;  // absolute, without trailing separator
        QString name;  // the label the user gave it; empty when none
    };

    static QList<Folder> list();

    // The entries of one list, read from its text; nothing is checked on disk.
    // GTK: one "URL [label]" per line. KDE: XBEL bookmarks, the system's own places
    // and the hidden ones left out.
    static QList<Folder> fromGtkBookmarks(const QByteArray& text);
    static QList<Folder> fromUserPlaces(const QByteArray& xml);

private:
    // The local path of a "file:" URL, without trailing separator; empty for any other.
    static QString localFolder(const QString& url);
};
