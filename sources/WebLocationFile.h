#pragma once

#include <QByteArray>
#include <QString>

// Reads the address (and, where the file keeps one, the name) of a web-location file,
// whatever its form: a ".webloc" property list (XML or binary), a classic one whose
// address lives in the resource fork (an AppleDouble "._name" file beside it, or the
// file itself in AppleSingle form), an Internet shortcut (".url") or a ".desktop" entry
// of type Link. The form is told by the content, not by the suffix.
class WebLocationFile
{
public:
    // Files larger than this are no web-location files and are not read.
    static constexpr qint64 MAX_BYTES = 4 * 1024 * 1024;

    // False when the file cannot be read (missing, not a regular file, too large); a
    // file that was read but names no address gives true and an empty url().
    bool read(const QString& path);

    QString url() const { return address; }
    QString name() const { return title; }
    // Why the file was not read, or why it gave no address.
    QString error() const { return why; }

    // "._name" beside the file "name".
    static QString appleDoublePath(const QString& path);

private:
    void readContents(const QByteArray& contents);
    void readResourceFork(const QByteArray& appleDouble);

    QString address;
    QString title;
    QString why;
};
