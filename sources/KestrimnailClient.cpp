#include "KestrimnailClient.h"

#include <QXmlStreamWriter>

#include <limits>

KestrimnailClient::KestrimnailClient(QObject* parent)
    : ThumbnailClient(QStringLiteral("kestrim"), QStringLiteral("kestrim"), QStringLiteral("Kestrim-Data"), parent)
{
}

KestrimnailClient::~KestrimnailClient() = default;

void KestrimnailClient::start(const QHash<QString, Data*>& items, const QString& outputPath)
{
    if (items.isEmpty())
        return;
    jobs.addWaiting(items);
    startWaiting(outputPath);
}

void KestrimnailClient::writeListAttributes(QXmlStreamWriter& xml) const
{
    xml.writeAttribute(QStringLiteral("delay"), QString::number(RENDER_DELAY));
    xml.writeAttribute(QStringLiteral("maxPages"), QString::number(MAX_PAGES));
}

void KestrimnailClient::writeItems(QXmlStreamWriter& xml) const
{
    const auto& records = jobs.runningRecords();
    for (const Data* data : records) {
        xml.writeEmptyElement(QStringLiteral("Item"));
        xml.writeAttribute(QStringLiteral("url"), data->url);
        xml.writeAttribute(QStringLiteral("thumbName"), data->thumbName);
        xml.writeAttribute(QStringLiteral("thumbFormat"), data->thumbFormat);
        xml.writeAttribute(QStringLiteral("key"), data->key);
        xml.writeAttribute(QStringLiteral("pageWidth"), QString::number(data->pageWidth));
        xml.writeAttribute(QStringLiteral("pageHeight"), QString::number(data->pageHeight));
        xml.writeAttribute(QStringLiteral("thumbWidth"), QString::number(data->thumbWidth));
        xml.writeAttribute(QStringLiteral("thumbHeight"), QString::number(data->thumbHeight));
    }
}

void KestrimnailClient::readLine(const QString& line)
{
    // The whole line is the key: a web helper's line carries nothing else.
    Data* data = jobs.takeRunning(line);
    if (!data)
        return;
    emit thumbCreated(data);
    delete data;
}

int KestrimnailClient::silenceAllowance() const
{
    const int pages = jobs.runningRecords().size();
    const qint64 waves = (pages + MAX_PAGES - 1) / MAX_PAGES;
    // Within a timer's range however large the batch.
    return int(qMin(waves * PAGE_TIME, qint64(std::numeric_limits<int>::max() / 2)));
}
