#include "KestrimJobReader.h"

#include "PathFunctions.h"
#include "TextFunctions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

// An Internet shortcut is a few lines; anything longer is not read past this.
static const qint64 MAX_SHORTCUT_BYTES = 64 * 1024;

static int intAttribute(const QXmlStreamAttributes& attributes, const char* name)
{
    bool ok = false;
    const int value = attributes.value(QLatin1String(name)).toInt(&ok);
    return ok ? value : 0;
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
    delayMs = intAttribute(attributes, "delay");
    pages = intAttribute(attributes, "maxPages");
    timeoutMs = intAttribute(attributes, "timeout");
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
    // A plain file name: the thumbnail stays inside the output folder.
    const bool plainName = !thumbName.isEmpty() && !thumbName.contains(QLatin1Char('/'))
        && thumbName != QLatin1String(".") && thumbName != QLatin1String("..");
    if (!url.isValid() || !plainName)
        return;

    auto* job = new KestrimnailCreator::Data;
    job->url = url;
    job->thumbName = thumbName;
    job->thumbFormat = attributes.value(QLatin1String("thumbFormat")).toString();
    job->key = attributes.value(QLatin1String("key")).toString();
    job->pageWidth = intAttribute(attributes, "pageWidth");
    job->pageHeight = intAttribute(attributes, "pageHeight");
    job->thumbWidth = intAttribute(attributes, "thumbWidth");
    job->thumbHeight = intAttribute(attributes, "thumbHeight");
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
    if (shortcut.open(QIODevice::ReadOnly)) {
        const QString content = QString::fromUtf8(shortcut.read(MAX_SHORTCUT_BYTES));
        url = stringToUrl(getStringValue(content, QStringLiteral("URL="), QStringLiteral("\n"), Qt::CaseInsensitive));
    }
    // Only a shortcut to the web is rendered.
    if (url.scheme().compare(QLatin1String("file"), Qt::CaseInsensitive) == 0)
        return QUrl();
    return url;
}
