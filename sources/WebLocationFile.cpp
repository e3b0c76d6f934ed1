#include "WebLocationFile.h"

#include "AppleResourceFork.h"
#include "DesktopEntry.h"
#include "IniGroup.h"
#include "PropertyList.h"
#include "RegularFile.h"

#include <QFileInfo>

namespace {

QByteArray withoutByteOrderMark(const QByteArray& contents)
{
    return contents.startsWith("\xEF\xBB\xBF") ? contents.mid(3) : contents;
}

bool looksLikeXml(const QByteArray& contents)
{
    return contents.trimmed().startsWith('<');
}

// Resource texts are UTF-8; a C string's terminator and surrounding blanks are no part of them.
QString resourceText(const QByteArray& bytes)
{
    QString text = QString::fromUtf8(bytes);
    while (text.endsWith(QChar(0)))
        text.chop(1);
    return text.trimmed();
}

} // namespace

QString WebLocationFile::appleDoublePath(const QString& path)
{
    const QFileInfo info(path);
    return info.path() + QStringLiteral("/._") + info.fileName();
}

bool WebLocationFile::read(const QString& path)
{
    address.clear();
    title.clear();
    why.clear();
    QByteArray contents;
    if (!readRegularFile(path, MAX_BYTES, contents, &why))
        return false;
    readContents(withoutByteOrderMark(contents));
    if (!address.isEmpty())
        return true;
    // A classic web location keeps its address only in the resource fork, which other
    // file systems hold in a companion file.
    const QString companion = appleDoublePath(path);
    if (QFileInfo::exists(companion)) {
        QByteArray fork;
        if (readRegularFile(companion, MAX_BYTES, fork, &why))
            readResourceFork(fork);
        else
            why = QStringLiteral("%1: %2").arg(companion, why);
    }
    return true;
}

void WebLocationFile::readContents(const QByteArray& contents)
{
    if (PropertyList::isBinary(contents) || looksLikeXml(contents)) {
        const PropertyList list(contents);
        address = list.topString(QStringLiteral("URL"));
        why = list.isValid() ? QStringLiteral("no URL in the property list") : list.error();
        return;
    }
    if (AppleResourceFork::isAppleDouble(contents)) {
        readResourceFork(contents);
        return;
    }
    const auto shortcut = readIniGroup(contents, QStringLiteral("InternetShortcut"), Qt::CaseInsensitive);
    if (shortcut) {
        address = shortcut->value(QStringLiteral("URL"));
        for (auto value = shortcut->cbegin(); address.isEmpty() && value != shortcut->cend(); ++value) {
            if (value.key().compare(QLatin1String("URL"), Qt::CaseInsensitive) == 0)
                address = value.value();
        }
        why = QStringLiteral("no URL in the Internet shortcut");
        return;
    }
    const DesktopEntry entry = DesktopEntry::fromContents(contents);
    if (entry.isLink()) {
        address = entry.url();
        title = entry.name();
        why = QStringLiteral("no URL in the link entry");
        return;
    }
    why = QStringLiteral("no web address found");
}

void WebLocationFile::readResourceFork(const QByteArray& appleDouble)
{
    const AppleResourceFork fork = AppleResourceFork::fromAppleDouble(appleDouble);
    if (!fork.isValid()) {
        why = fork.error();
        return;
    }
    address = resourceText(fork.resource("url ").value_or(QByteArray()));
    title = resourceText(fork.resource("urln").value_or(QByteArray()));
    why = QStringLiteral("no 'url ' resource");
}
