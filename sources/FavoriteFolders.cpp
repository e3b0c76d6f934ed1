#include "FavoriteFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

// A list of bookmarks is a few kilobytes; a larger file is no such list.
constexpr qint64 MAX_LIST_SIZE = 1024 * 1024;

QByteArray readList(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Favorites: cannot read \"%s\"", qPrintable(path));
        return QByteArray();
    }
    if (file.size() > MAX_LIST_SIZE) {
        qWarning("Favorites: \"%s\" is too large for a list of bookmarks; left out", qPrintable(path));
        return QByteArray();
    }
    return file.read(MAX_LIST_SIZE);
}

QString configFile(const QString& relativePath)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + relativePath;
}

QString dataFile(const QString& relativePath)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') + relativePath;
}

// Reads the text of the current element and of the elements below it; unknown ones
// are skipped whole.
QString elementText(QXmlStreamReader& xml)
{
    return xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
}

// KDE's own places (home, trash, network...) and the ones the user hid.
void readPlaceInfo(QXmlStreamReader& xml, bool& systemPlace, bool& hidden)
{
    // <info><metadata owner="..."><isSystemItem>true</isSystemItem><IsHidden>true</IsHidden>...
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token == QXmlStreamReader::StartElement) {
            const QStringRef name = xml.name();
            if (name == QLatin1String("isSystemItem"))
                systemPlace = elementText(xml) == QLatin1String("true");
            else if (name == QLatin1String("IsHidden"))
                hidden = elementText(xml) == QLatin1String("true");
            else if (name == QLatin1String("metadata"))
                ++depth;
            else
                xml.skipCurrentElement();
        }
    }
}

} // namespace

QString FavoriteFolders::localFolder(const QString& url)
{
    QUrl parsed(url);
    // Folders on other machines ("sftp:", "smb:", "file://server/") are no local folders.
    const QString host = parsed.host();
    if (!parsed.isValid() || !parsed.isLocalFile() || !(host.isEmpty() || host == QLatin1String("localhost")))
        return QString();
    parsed.setHost(QString());
    const QString path = QDir::cleanPath(parsed.toLocalFile());
    return QDir::isAbsolutePath(path) ? path : QString();
}

QList<FavoriteFolders::Folder> FavoriteFolders::fromGtkBookmarks(const QByteArray& text)
{
    QList<Folder> folders;
    const QList<QByteArray> lines = text.split('\n');
    for (const QByteArray& rawLine : lines) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty())
            continue;
        // The URL is percent-encoded, so the first blank ends it; the rest is the label.
        const int blank = line.indexOf(QLatin1Char(' '));
        const QString path = localFolder(blank < 0 ? line : line.left(blank));
        if (path.isEmpty())
            continue;
        folders.append({path, blank < 0 ? QString() : line.mid(blank + 1).trimmed()});
    }
    return folders;
}

QList<FavoriteFolders::Folder> FavoriteFolders::fromUserPlaces(const QByteArray& xml)
{
    QList<Folder> folders;
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("xbel"))
        return folders;
    // Places lie directly below the root; folders of bookmarks, if any, are walked too.
    int depth = 1;
    while (depth > 0 && !reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("folder")) {
            ++depth;
            continue;
        }
        if (reader.name() != QLatin1String("bookmark")) {
            reader.skipCurrentElement();
            continue;
        }
        const QString path = localFolder(reader.attributes().value(QLatin1String("href")).toString());
        QString title;
        bool systemPlace = false;
        bool hidden = false;
        while (reader.readNextStartElement()) {
            if (reader.name() == QLatin1String("title"))
                title = elementText(reader);
            else if (reader.name() == QLatin1String("info"))
                readPlaceInfo(reader, systemPlace, hidden);
            else
                reader.skipCurrentElement();
        }
        if (!reader.hasError() && !path.isEmpty() && !systemPlace && !hidden)
            folders.append({path, title});
    }
    if (reader.hasError())
        qWarning("Favorites: KDE's places list is damaged (%s); the places before the fault are kept",
                 qPrintable(reader.errorString()));
    return folders;
}

QList<FavoriteFolders::Folder> FavoriteFolders::list()
{
    const QList<Folder> candidates = fromGtkBookmarks(readList(configFile(QStringLiteral("gtk-3.0/bookmarks"))))
        + fromUserPlaces(readList(dataFile(QStringLiteral("user-places.xbel"))));
    QList<Folder> folders;
    QSet<QString> met;
    for (const Folder& folder : candidates) {
        if (met.contains(folder.path) || !QFileInfo(folder.path).isDir())
            continue;
        met.insert(folder.path);
        folders.append(folder);
    }
    return folders;
}
