#include "PasteboardUrls.h"

#include "DesktopOpener.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUuid>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

const char* const MIME_TEXTURL = "text/url";
const char* const MIME_TEXTURLNAME = "text/url-name";
const char* const MIME_WEBURLSWITHTITLES = "text/xml-weburlswithtitles";
const char* const MIME_BOOKMARKDICTIONARYLIST = "text/xml-bookmarkdictionarylist";
const char* const MIME_URILIST = "text/uri-list";
const char* const MIME_MOZURL = "text/x-moz-url";
const char* const MIME_NETSCAPEURL = "_NETSCAPE_URL";

namespace {

QString format(const char* name)
{
    return QString::fromLatin1(name);
}

// Moves the reader to the next child element of the current one named `name`,
// skipping the others; false at the end of the current element.
bool findChildElement(QXmlStreamReader& reader, const QString& name)
{
    while (reader.readNextStartElement()) {
        if (reader.name() == name)
            return true;
        reader.skipCurrentElement();
    }
    return false;
}

// The text of every "string" child of the current element, in order.
QStringList readStrings(QXmlStreamReader& reader)
{
    QStringList result;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("string"))
            result.append(reader.readElementText(QXmlStreamReader::IncludeChildElements));
        else
            reader.skipCurrentElement();
    }
    return result;
}

// plist > array > (array of URLs, array of titles). False for malformed XML.
bool parseWebUrlList(const QByteArray& bytes, QList<QUrl>& urls, QStringList& titles)
{
    QXmlStreamReader reader(bytes);
    const QString array = QStringLiteral("array");
    if (reader.readNextStartElement() && reader.name().toString().toLower() == QLatin1String("plist")
        && findChildElement(reader, array) && findChildElement(reader, array)) {
        const QStringList urlTexts = readStrings(reader);
        for (const QString& text : urlTexts) {
            const QUrl url(text, QUrl::TolerantMode);
            if (!url.isEmpty())
                urls.append(url);
        }
        if (findChildElement(reader, array)) {
            const QStringList titleTexts = readStrings(reader);
            for (const QString& text : titleTexts) {
                if (!text.isEmpty())
                    titles.append(text);
            }
        }
    }
    // The whole document must be sound, as a document parser would require.
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

QXmlStreamWriter* startPlist(QByteArray& bytes)
{
    auto* writer = new QXmlStreamWriter(&bytes);
    writer->setAutoFormatting(true);
    writer->writeStartDocument(QStringLiteral("1.0"));
    writer->writeDTD(QStringLiteral("<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                    "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">"));
    writer->writeStartElement(QStringLiteral("plist"));
    writer->writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    writer->writeStartElement(QStringLiteral("array"));
    return writer;
}

void endPlist(QXmlStreamWriter* writer)
{
    writer->writeEndElement();
    writer->writeEndElement();
    writer->writeEndDocument();
    delete writer;
}

QString decodeUtf16(const QByteArray& bytes, int start, bool littleEndian)
{
    QString text;
    text.reserve((bytes.size() - start) / 2);
    for (int i = start; i + 1 < bytes.size(); i += 2) {
        const auto lo = uchar(bytes.at(littleEndian ? i : i + 1));
        const auto hi = uchar(bytes.at(littleEndian ? i + 1 : i));
        text.append(QChar(ushort(lo | (hi << 8))));
    }
    return text;
}

// Drops empty URLs with their names and pairs the rest with a name each.
void tidyPairs(QList<QUrl>& urls, QStringList& names)
{
    QList<QUrl> keptUrls;
    QStringList keptNames;
    for (int i = 0; i < urls.size(); ++i) {
        if (urls.at(i).isEmpty())
            continue;
        keptUrls.append(urls.at(i));
        keptNames.append(i < names.size() ? names.at(i) : QString());
    }
    urls = keptUrls;
    names = keptNames;
}

bool isWhiteSpaceFree(const QString& text)
{
    for (const QChar c : text) {
        if (c.isSpace())
            return false;
    }
    return true;
}

QUrl urlFromLine(const QString& line)
{
    // What a text says is never run: a program it names is no link.
    if (line.startsWith(QLatin1Char('/')))
        return QFileInfo::exists(line) && !DesktopOpener::isProgramFile(line) ? QUrl::fromLocalFile(line) : QUrl();
    if (line.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        const QUrl url(QStringLiteral("http://") + line, QUrl::StrictMode);
        return url.isValid() && !url.host().isEmpty() ? url : QUrl();
    }
    const QUrl url(line, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return QUrl();
    const QString scheme = url.scheme().toLower();
    const bool known = scheme == QLatin1String("file") || scheme == QLatin1String("mailto");
    if (!known && !line.contains(QLatin1String("://")))
        return QUrl();
    if (scheme != QLatin1String("file") && scheme != QLatin1String("mailto") && url.host().isEmpty())
        return QUrl();
    if (DesktopOpener::isProgramAddress(url))
        return QUrl();
    return url;
}

// A link format carries addresses, and an address never names a program: one is added
// from the file manager, as a file. The links to programs are left out, with their names.
// False when every link named one, so that no later format of the same data brings them
// in after all.
bool leaveOutProgramLinks(QList<QUrl>& urls, QStringList& names)
{
    const int found = urls.size();
    QList<QUrl> keptUrls;
    QStringList keptNames;
    for (int i = 0; i < urls.size(); ++i) {
        if (DesktopOpener::isProgramAddress(urls.at(i))) {
            qInfo("PasteboardUrls: a link to a program is no address, left out: %s",
                  qPrintable(urls.at(i).toString()));
            continue;
        }
        keptUrls.append(urls.at(i));
        keptNames.append(names.value(i));
    }
    urls = keptUrls;
    names = keptNames;
    return found == 0 || !urls.isEmpty();
}

} // namespace

QList<QUrl> getUrls(const QMimeData* mime)
{
    QList<QUrl> urls;
    if (!mime || !mime->hasFormat(format(MIME_TEXTURL)))
        return urls;
    const QList<QByteArray> pieces = mime->data(format(MIME_TEXTURL)).split('\n');
    for (const QByteArray& piece : pieces)
        urls.append(QUrl::fromEncoded(piece, QUrl::TolerantMode));
    return urls;
}

QStringList getUrlNames(const QMimeData* mime)
{
    QStringList names;
    if (!mime || !mime->hasFormat(format(MIME_TEXTURLNAME)))
        return names;
    const QList<QByteArray> pieces = mime->data(format(MIME_TEXTURLNAME)).split('\n');
    for (const QByteArray& piece : pieces) {
        // A name ends at its first zero byte.
        names.append(QString::fromUtf8(piece.constData(), int(qstrnlen(piece.constData(), uint(piece.size())))));
    }
    return names;
}

bool getWebURLsWithTitles(const QMimeData* mime, QList<QUrl>& urls, QStringList& titles)
{
    if (!mime)
        return false;
    urls.clear();
    titles.clear();
    if (mime->hasFormat(format(MIME_WEBURLSWITHTITLES))
        && !parseWebUrlList(mime->data(format(MIME_WEBURLSWITHTITLES)), urls, titles)) {
        urls.clear();
        titles.clear();
    }
    return !urls.isEmpty();
}

void setWebURLsWithTitles(QMimeData* mime, QList<QUrl>& urls, QStringList& titles)
{
    if (!mime)
        return;
    QByteArray bytes;
    QXmlStreamWriter* writer = startPlist(bytes);
    if (!urls.isEmpty()) {
        writer->writeStartElement(QStringLiteral("array"));
        for (const QUrl& url : qAsConst(urls))
            writer->writeTextElement(QStringLiteral("string"), url.toString());
        writer->writeEndElement();
    }
    if (!titles.isEmpty()) {
        writer->writeStartElement(QStringLiteral("array"));
        for (const QString& title : qAsConst(titles))
            writer->writeTextElement(QStringLiteral("string"), title);
        writer->writeEndElement();
    }
    endPlist(writer);
    mime->setData(format(MIME_WEBURLSWITHTITLES), bytes);
    setX11Urls(mime, urls, titles);
}

void setBookmarkDictionaryList(QMimeData* mime, QList<QUrl>& urls, QStringList& titles)
{
    if (!mime)
        return;
    QByteArray bytes;
    QXmlStreamWriter* writer = startPlist(bytes);
    const QString key = QStringLiteral("key");
    const QString string = QStringLiteral("string");
    for (int i = 0; i < urls.size(); ++i) {
        writer->writeStartElement(QStringLiteral("dict"));
        writer->writeTextElement(key, QStringLiteral("URIDictionary"));
        writer->writeStartElement(QStringLiteral("dict"));
        writer->writeTextElement(key, QStringLiteral("title"));
        writer->writeTextElement(string, titles.value(i));
        writer->writeEndElement();
        writer->writeTextElement(key, QStringLiteral("URLString"));
        writer->writeTextElement(string, urls.at(i).toString());
        writer->writeTextElement(key, QStringLiteral("WebBookmarkType"));
        writer->writeTextElement(string, QStringLiteral("WebBookmarkTypeLeaf"));
        writer->writeTextElement(key, QStringLiteral("WebBookmarkUUID"));
        writer->writeTextElement(string, QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
        writer->writeEndElement();
    }
    endPlist(writer);
    mime->setData(format(MIME_BOOKMARKDICTIONARYLIST), bytes);
}

void setX11Urls(QMimeData* mime, const QList<QUrl>& urls, const QStringList& titles)
{
    if (!mime || urls.isEmpty())
        return;
    mime->setUrls(urls);
    mime->setData(format(MIME_MOZURL), encodeMozUrl(urls, titles));
    QStringList lines;
    for (const QUrl& url : urls)
        lines.append(url.isLocalFile() ? url.toLocalFile() : url.toString());
    mime->setText(lines.join(QLatin1Char('\n')));
}

bool getUrlsWithNames(const QMimeData* mime, QList<QUrl>& urls, QStringList& names)
{
    urls.clear();
    names.clear();
    if (!mime)
        return false;
    // Each source in turn; one that yields no URL gives way to the next. A link format
    // that named programs alone ends the search.
    if (getWebURLsWithTitles(mime, urls, names)) {
        tidyPairs(urls, names);
        if (!leaveOutProgramLinks(urls, names))
            return false;
        if (!urls.isEmpty())
            return true;
    }
    urls.clear();
    names.clear();
    if (mime->hasFormat(format(MIME_TEXTURL))) {
        urls = getUrls(mime);
        names = getUrlNames(mime);
        tidyPairs(urls, names);
        if (!leaveOutProgramLinks(urls, names))
            return false;
        if (!urls.isEmpty())
            return true;
    }
    if (mime->hasFormat(format(MIME_MOZURL))) {
        parseUrlTitleLines(decodeMozUrl(mime->data(format(MIME_MOZURL))), urls, names);
        if (!leaveOutProgramLinks(urls, names))
            return false;
        if (!urls.isEmpty())
            return true;
    }
    if (mime->hasFormat(format(MIME_NETSCAPEURL))) {
        parseUrlTitleLines(QString::fromUtf8(mime->data(format(MIME_NETSCAPEURL))), urls, names);
        if (!leaveOutProgramLinks(urls, names))
            return false;
        if (!urls.isEmpty())
            return true;
    }
    // The list of files a file manager gives: a program among them is one the user adds.
    if (mime->hasUrls()) {
        urls = mime->urls();
        names = getUrlNames(mime);
        tidyPairs(urls, names);
        if (!urls.isEmpty())
            return true;
    }
    names.clear();
    if (mime->hasText()) {
        urls = urlsFromText(mime->text());
        for (int i = 0; i < urls.size(); ++i)
            names.append(QString());
    }
    return !urls.isEmpty();
}

bool hasUrlData(const QMimeData* mime)
{
    if (!mime)
        return false;
    if (mime->hasUrls() || mime->hasFormat(format(MIME_WEBURLSWITHTITLES)) || mime->hasFormat(format(MIME_TEXTURL))
        || mime->hasFormat(format(MIME_MOZURL)) || mime->hasFormat(format(MIME_NETSCAPEURL)))
        return true;
    return mime->hasText() && !urlsFromText(mime->text()).isEmpty();
}

QList<QUrl> urlsFromText(const QString& text)
{
    QList<QUrl> urls;
    const QVector<QStringRef> lines = text.splitRef(QLatin1Char('\n'));
    for (const QStringRef& rawLine : lines) {
        const QString line = rawLine.trimmed().toString();
        if (line.isEmpty())
            continue;
        if (!isWhiteSpaceFree(line))
            return {};
        const QUrl url = urlFromLine(line);
        if (!url.isValid())
            return {};
        urls.append(url);
    }
    return urls;
}

void parseUrlTitleLines(const QString& text, QList<QUrl>& urls, QStringList& titles)
{
    const QVector<QStringRef> lines = text.splitRef(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); i += 2) {
        const QUrl url(lines.at(i).trimmed().toString(), QUrl::TolerantMode);
        if (url.isEmpty() || !url.isValid())
            continue;
        urls.append(url);
        titles.append(i + 1 < lines.size() ? lines.at(i + 1).trimmed().toString() : QString());
    }
}

QString decodeMozUrl(const QByteArray& bytes)
{
    QString text;
    if (bytes.size() >= 2 && uchar(bytes.at(0)) == 0xFF && uchar(bytes.at(1)) == 0xFE) {
        text = decodeUtf16(bytes, 2, true);
    } else if (bytes.size() >= 2 && uchar(bytes.at(0)) == 0xFE && uchar(bytes.at(1)) == 0xFF) {
        text = decodeUtf16(bytes, 2, false);
    } else if (bytes.size() % 2 == 0 && bytes.contains('\0')) {
        // Without a mark, the high bytes of ASCII text show the byte order.
        int evenZeros = 0;
        int oddZeros = 0;
        for (int i = 0; i < bytes.size(); ++i) {
            if (bytes.at(i) == '\0')
                ++(i % 2 ? oddZeros : evenZeros);
        }
        text = decodeUtf16(bytes, 0, oddZeros >= evenZeros);
    } else {
        text = QString::fromUtf8(bytes);
    }
    const int end = text.indexOf(QChar(0));
    if (end >= 0)
        text.truncate(end);
    return text;
}

QByteArray encodeMozUrl(const QList<QUrl>& urls, const QStringList& titles)
{
    QStringList lines;
    for (int i = 0; i < urls.size(); ++i) {
        lines.append(urls.at(i).toString(QUrl::FullyEncoded));
        lines.append(titles.value(i));
    }
    const QString text = lines.join(QLatin1Char('\n'));
    // Little-endian UTF-16 without a mark, as browsers write it.
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QByteArray urlItemsToMime(const QList<QByteArray>& items)
{
    QByteArray bytes;
    for (const QByteArray& item : items) {
        bytes.append(QUrl::fromEncoded(item, QUrl::TolerantMode).toEncoded());
        bytes.append('\n');
    }
    return bytes;
}

QByteArray urlNameItemsToMime(const QList<QByteArray>& items)
{
    QByteArray bytes;
    for (const QByteArray& item : items) {
        bytes.append(item);
        bytes.append('\n');
    }
    return bytes;
}

QList<QByteArray> lineMimeToItems(const QByteArray& bytes)
{
    return bytes.split('\n');
}

QByteArray joinedItemsToMime(const QList<QByteArray>& items)
{
    QByteArray bytes;
    for (const QByteArray& item : items)
        bytes.append(item);
    return bytes;
}

QList<QByteArray> mimeToSingleItem(const QByteArray& bytes)
{
    return {bytes};
}
