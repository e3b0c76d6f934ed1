#include "KestrimJobReader.h"

#include "HelperJobText.h"
#include "Kestrimnail.h"
#include "PathFunctions.h"
#include "RegularFile.h"
#include "TextFunctions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

// An Internet shortcut is a few lines; anything longer is not read past this.
static const qint64 MAX_SHORTCUT_BYTES = 64 * 1024;

// The longest waits a job may ask for, in milliseconds. Every number of the file is
// bounded before it is used.
static const int MAX_DELAY = 60000;
static const int MAX_TIMEOUT = 600000;

static int intAttribute(const QXmlStreamAttributes& attributes, const char* name, int minimum, int maximum)
{
    bool ok = false;
    const int value = attributes.value(QLatin1String(name)).toInt(&ok);
    return qBound(minimum, ok ? value : 0, maximum);
}

KestrimJobReader::~KestrimJobReader()
{
    qDeleteAll(items);
}

QList<KestrimnailCreator::Data*> KestrimJobReader::takeItems()
{
    QList<KestrimnailCreator::Data*> taken;
    taken.swap(items);
    return taken;
}

bool KestrimJobReader::read(QIODevice* device)
{
    QXmlStreamReader xml(device);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.hasError())
            break;
        if (xml.isDTD() && xml.dtdName() != QLatin1String("Kestrim-Data"))
            return false;
        if (xml.isStartElement() && xml.name() == QLatin1String("List") && !readList(xml))
            break;
    }
    return !items.isEmpty();
}

bool KestrimJobReader::readList(QXmlStreamReader& xml)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    const QString outputPath = attributes.value(QLatin1String("outputPath")).toString();
    delayMs = intAttribute(attributes, "delay", 0, MAX_DELAY);
    pages = intAttribute(attributes, "maxPages", 0, KestrimnailCreator::MAX_PAGES_LIMIT);
    timeoutMs = intAttribute(attributes, "timeout", 0, MAX_TIMEOUT);
    if (delayMs == 0)
        delayMs = DEFAULT_DELAY;
    if (pages == 0)
        pages = KestrimnailCreator::DEFAULT_MAX_PAGES;
    if (outputPath.isEmpty())
        return false;
    const QString folder = QFileInfo(addTrailingSeparator(outputPath)).absolutePath();
    if (!QDir().mkpath(folder))
        return false;
    output = folder;

    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("Item"))
            readItem(xml);
        xml.skipCurrentElement();
    }
    return true;
}

void KestrimJobReader::readItem(QXmlStreamReader& xml)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    const QUrl url = pageUrl(attributes.value(QLatin1String("url")).toString());
    const QString thumbName = attributes.value(QLatin1String("thumbName")).toString();
    const QString key = attributes.value(QLatin1String("key")).toString();
    // The thumbnail stays inside the output folder, and the line printed for it (the
    // key, else the picture's path) is one line.
    const QString lineText = key.isEmpty() ? addTrailingSeparator(output) + thumbName : key;
    if (!url.isValid() || !isPlainFileName(thumbName) || !isOutputLineText(thumbName) || !isOutputLineText(lineText))
        return;

    auto* job = new KestrimnailCreator::Data;
    job->url = url;
    job->thumbName = thumbName;
    job->thumbFormat = attributes.value(QLatin1String("thumbFormat")).toString();
    job->key = key;
    job->pageWidth = intAttribute(attributes, "pageWidth", 0, Kestrimnail::MAX_PAGE_SIDE);
    job->pageHeight = intAttribute(attributes, "pageHeight", 0, Kestrimnail::MAX_PAGE_SIDE);
    job->thumbWidth = intAttribute(attributes, "thumbWidth", 0, Kestrimnail::MAX_THUMB_SIDE);
    job->thumbHeight = intAttribute(attributes, "thumbHeight", 0, Kestrimnail::MAX_THUMB_SIDE);
    items.append(job);
}

QUrl KestrimJobReader::pageUrl(const QString& text)
{
    QUrl url = stringToUrl(text);
    if (url.scheme().compare(QLatin1String("file"), Qt::CaseInsensitive) != 0)
        return url;
    const QString suffix = QFileInfo(url.toLocalFile()).suffix().toLower();
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return url;
    if (suffix != QLatin1String("url"))
        return QUrl();

    QFile shortcut(url.toLocalFile());
    if (openRegularFile(shortcut)) {
        const QString content = QString::fromUtf8(shortcut.read(MAX_SHORTCUT_BYTES));
        url = stringToUrl(getStringValue(content, QStringLiteral("URL="), QStringLiteral("\n"), Qt::CaseInsensitive));
    }
    // Only a shortcut to the web is rendered.
    if (url.scheme().compare(QLatin1String("file"), Qt::CaseInsensitive) == 0)
        return QUrl();
    return url;
}
