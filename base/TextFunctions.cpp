#include "TextFunctions.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>

QString getElidedText(const QString& text, const QFont& font, Qt::TextElideMode mode, int width)
{
    QString line = text.trimmed();
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QFontMetrics(font).elidedText(line, mode, width);
}

QString getStringValue(const QString& text, const QString& start, const QString& end,
                       Qt::CaseSensitivity cs, int* position)
{
    const int from = position ? *position : 0;
    int startIndex = from;
    if (!start.isEmpty())
        startIndex = text.indexOf(start, from, cs);
    if ((!start.isEmpty() || position) && startIndex == -1)
        return QString();

    const int valueStart = startIndex + start.length();
    int valueEnd = -1;
    if (!end.isEmpty())
        valueEnd = text.indexOf(end, valueStart, cs);
    if (valueEnd == -1)
        valueEnd = text.length();
    if (position)
        *position = valueStart;
    return text.mid(valueStart, valueEnd - valueStart).trimmed();
}

namespace {

// "example.com:8080/x" reads as the scheme "example.com": a "scheme" followed by a
// port number and then nothing, a path, a query or a fragment is a host.
bool startsWithHostAndPort(const QByteArray& text)
{
    const int colon = text.indexOf(':');
    if (colon <= 0)
        return false;
    int end = colon + 1;
    while (end < text.size() && text.at(end) >= '0' && text.at(end) <= '9')
        ++end;
    const int digits = end - colon - 1;
    if (digits == 0 || digits > 5 || (end < text.size() && !QByteArray("/?#").contains(text.at(end))))
        return false;
    const int port = text.mid(colon + 1, digits).toInt();
    return port > 0 && port <= 65535;
}

} // namespace

QUrl stringToUrl(const QString& text)
{
    if (text.trimmed().isEmpty())
        return QUrl();
    if (QFile::exists(text))
        return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());

    const QByteArray utf8 = text.toUtf8();
    const QString latin1 = QString::fromLatin1(utf8);
    if (QFile::exists(latin1))
        return QUrl::fromLocalFile(QFileInfo(latin1).absoluteFilePath());

    QUrl url = QUrl::fromEncoded(utf8, QUrl::TolerantMode);
    if (url.scheme().isEmpty() || startsWithHostAndPort(utf8))
        url = QUrl::fromEncoded("http://" + utf8, QUrl::TolerantMode);
    return url.isValid() ? url : QUrl();
}

QString getHash(const QByteArray& data, QCryptographicHash::Algorithm algorithm)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, algorithm).toHex());
}

QString getHash(const QString& text, QCryptographicHash::Algorithm algorithm)
{
    return getHash(text.toUtf8(), algorithm);
}
