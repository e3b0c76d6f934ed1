#include "KestrimJobReader.h"

#include "HelperJobFile.h"
#include "Kestrimnail.h"
#include "RegularFile.h"
#include "TextFunctions.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamAttributes>

// An Internet shortcut is a few lines; anything longer is not read past this.
static const qint64 MAX_SHORTCUT_BYTES = 64 * 1024;

// The longest waits a job may ask for, in milliseconds. Every number of the file is
// bounded before it is used.
static const int MAX_DELAY = 60000;
static const int MAX_TIMEOUT = 600000;

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
    HelperJobFile file(QStringLiteral("Kestrim-Data"), QStringLiteral("url"));
    file.setListReader([this](const QXmlStreamAttributes& attributes) { readList(attributes); });
    const bool ok = file.read(device, [this](const QXmlStreamAttributes& attributes) { return readItem(attributes); });
    output = file.outputFolder();
    return ok;
}

void KestrimJobReader::readList(const QXmlStreamAttributes& attributes)
{
    // A delay or page count that is missing, 0 or negative means the default.
    delayMs = HelperJobFile::intAttribute(attributes, QStringLiteral("delay"), 0, MAX_DELAY);
    pages = HelperJobFile::intAttribute(attributes, QStringLiteral("maxPages"), 0, KestrimnailCreator::MAX_PAGES_LIMIT);
    timeoutMs = HelperJobFile::intAttribute(attributes, QStringLiteral("timeout"), 0, MAX_TIMEOUT);
    if (delayMs == 0)
        delayMs = DEFAULT_DELAY;
    if (pages == 0)
        pages = KestrimnailCreator::DEFAULT_MAX_PAGES;
}

bool KestrimJobReader::readItem(const QXmlStreamAttributes& attributes)
{
    const QUrl url = pageUrl(attributes.value(QLatin1String("url")).toString());
    if (!url.isValid())
        return false;
    auto* job = new KestrimnailCreator::Data;
    job->url = url;
    job->thumbName = attributes.value(QLatin1String("thumbName")).toString();
    job->thumbFormat = attributes.value(QLatin1String("thumbFormat")).toString();
    job->key = attributes.value(QLatin1String("key")).toString();
    const int page = Kestrimnail::MAX_PAGE_SIDE;
    job->pageWidth = HelperJobFile::intAttribute(attributes, QStringLiteral("pageWidth"), 0, page);
    job->pageHeight = HelperJobFile::intAttribute(attributes, QStringLiteral("pageHeight"), 0, page);
    const int side = Kestrimnail::MAX_THUMB_SIDE;
    job->thumbWidth = HelperJobFile::intAttribute(attributes, QStringLiteral("thumbWidth"), 0, side);
    job->thumbHeight = HelperJobFile::intAttribute(attributes, QStringLiteral("thumbHeight"), 0, side);
    items.append(job);
    return true;
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
