#pragma once

#include <QCryptographicHash>
#include <QFont>
#include <QString>
#include <QUrl>

// One line of text elided to `width` pixels; line breaks become blanks.
QString getElidedText(const QString& text, const QFont& font, Qt::TextElideMode mode, int width);

// The trimmed text between `start` and `end`. With `position`, the search begins
// there and the position moves to just after the start marker, so fields of one
// line can be read in turn. An unfound start marker gives an empty string.
QString getStringValue(const QString& text, const QString& start, const QString& end,
                       Qt::CaseSensitivity cs = Qt::CaseSensitive, int* position = nullptr);

// An existing file or folder gives its file URL; other text is read as a URL,
// "http://" being assumed when it has no scheme. Unparsable text gives an empty URL.
QUrl stringToUrl(const QString& text);

// Lower-case hexadecimal digest. Text is hashed as UTF-8, so non-Latin names never collide.
QString getHash(const QByteArray& data, QCryptographicHash::Algorithm algorithm = QCryptographicHash::Md5);
QString getHash(const QString& text, QCryptographicHash::Algorithm algorithm = QCryptographicHash::Md5);
