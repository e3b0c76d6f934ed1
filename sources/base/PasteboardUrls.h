#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QUrl>

class QMimeData;

// The program's own link formats.
extern const char* const MIME_TEXTURL;                // encoded URLs, one per line
extern const char* const MIME_TEXTURLNAME;            // their names, one per line, UTF-8
extern const char* const MIME_WEBURLSWITHTITLES;      // property list: URLs and titles
extern const char* const MIME_BOOKMARKDICTIONARYLIST; // property list: bookmark dictionaries

// Link formats of X11 applications.
extern const char* const MIME_URILIST;     // "text/uri-list"
extern const char* const MIME_MOZURL;      // "text/x-moz-url": UTF-16, URL and title lines
extern const char* const MIME_NETSCAPEURL; // "_NETSCAPE_URL": URL and title lines

// The URLs of the "text/url" data, one per line; a final line feed gives a last empty URL.
QList<QUrl> getUrls(const QMimeData* mime);
// The names of the "text/url-name" data, one per line, each up to its first zero byte.
QStringList getUrlNames(const QMimeData* mime);
// Reads the property list of "text/xml-weburlswithtitles": the first inner array holds
// the URLs, the next one the titles; empty entries are skipped. True when a URL was found.
// Malformed data leaves both lists empty.
bool getWebURLsWithTitles(const QMimeData* mime, QList<QUrl>& urls, QStringList& titles);
// Stores both lists as "text/xml-weburlswithtitles" and, for other applications on X11,
// the URLs as "text/uri-list", "text/x-moz-url" (with the titles) and plain text.
void setWebURLsWithTitles(QMimeData* mime, QList<QUrl>& urls, QStringList& titles);
void setBookmarkDictionaryList(QMimeData* mime, QList<QUrl>& urls, QStringList& titles);

// The X11 link formats alone; nothing for an empty list.
void setX11Urls(QMimeData* mime, const QList<QUrl>& urls, const QStringList& titles);

// Link data from any source, in order of preference: URLs with titles, "text/url" with
// "text/url-name", "text/x-moz-url", "_NETSCAPE_URL", the standard URL list (names from
// "text/url-name"), plain text whose every line is a URL. Names pair with URLs by index
// and are filled up with empty ones. True when a URL was found.
bool getUrlsWithNames(const QMimeData* mime, QList<QUrl>& urls, QStringList& names);
// True when the data carries any of the link formats above (plain text only when it reads
// as URLs).
bool hasUrlData(const QMimeData* mime);

// Plain text as links: every non-empty line must be a URL with a scheme, a "www." host
// name or the absolute path of an existing file; otherwise the list is empty.
QList<QUrl> urlsFromText(const QString& text);

// Pairs of URL and title lines ("text/x-moz-url" after decoding, "_NETSCAPE_URL").
void parseUrlTitleLines(const QString& text, QList<QUrl>& urls, QStringList& titles);
// "text/x-moz-url" bytes: UTF-16 with or without a byte-order mark; UTF-8 where the bytes
// cannot be UTF-16.
QString decodeMozUrl(const QByteArray& bytes);
QByteArray encodeMozUrl(const QList<QUrl>& urls, const QStringList& titles);

// Byte conversions between the platform's pasteboard items and the MIME bytes.
// "text/url": each item parsed tolerantly and written encoded, each followed by a line feed.
QByteArray urlItemsToMime(const QList<QByteArray>& items);
// "text/url-name": each item followed by a line feed.
QByteArray urlNameItemsToMime(const QList<QByteArray>& items);
// Both line formats back to items: split at every line feed (a final one gives an empty item).
QList<QByteArray> lineMimeToItems(const QByteArray& bytes);
// The two property-list formats: items joined as they are, and the bytes as one item.
QByteArray joinedItemsToMime(const QList<QByteArray>& items);
QList<QByteArray> mimeToSingleItem(const QByteArray& bytes);
