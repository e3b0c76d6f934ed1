#pragma once

#include <QByteArray>
#include <QHash>
#include <QPixmap>
#include <QString>

// Writes pictures into the cache folder as PNG files. Items of one kind show the same
// icon under thousands of names: the picture is encoded once and written once through
// QSaveFile, and every further new name it is stored under becomes a hard link to that
// file where the file system allows. A name already there is replaced by a full write,
// which gives that name a file of its own and leaves the other names alone; every
// writer of the cache replaces whole files, so linked names never change together.
class CachedPictureStore
{
public:
    // Stores `pixmap` at `path`; false when it cannot.
    bool store(const QString& path, const QPixmap& pixmap);

private:
    // What identifies a file as the one written: a link shares it, a new write does not.
    struct FileIdentity
    {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = -1;
        qint64 modified = 0;
        bool operator==(const FileIdentity& other) const;
    };
    struct WrittenFile
    {
        QString path;
        FileIdentity identity;
    };

    static bool identify(const QString& path, FileIdentity* identity);
    QByteArray pngBytes(const QPixmap& pixmap);
    bool write(const QString& path, const QPixmap& pixmap);

    // Bounded tables by the picture's cache key: only repetition is worth remembering.
    static constexpr int maxEntries = 64;
    QHash<qint64, WrittenFile> written;
    QHash<qint64, QByteArray> encoded;
};
