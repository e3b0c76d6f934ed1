#include "SarneknailClient.h"

#include "BracketedFields.h"
#include "FileJobItem.h"

SarneknailClient::SarneknailClient(QObject* parent)
    : ThumbnailClient(QStringLiteral("sarnek"), QStringLiteral("sarnek"), QStringLiteral("Sarnek-Data"), parent,
                      HelperSource::BesideProgramOrPath)
{
}

SarneknailClient::~SarneknailClient() = default;

void SarneknailClient::start(const QHash<QString, Data*>& items, const QString& outputPath)
{
    if (items.isEmpty())
        return;
    jobs.addWaiting(items);
    startWaiting(outputPath);
}

void SarneknailClient::writeItems(QXmlStreamWriter& xml) const
{
    const auto& records = jobs.runningRecords();
    for (const Data* data : records)
        writeFileJobItem(xml, *data);
}

void SarneknailClient::readLine(const QString& line)
{
    // (key)(length)(bit rate)(channels)(sample rate)(bit depth): the line gives the
    // sample rate before the bit depth.
    const QStringList fields = readBracketedFields(line, 6);
    Data* data = jobs.takeRunning(fields.at(0));
    if (!data)
        return;
    data->length = bracketedNumber(fields.at(1));
    data->bitrate = bracketedNumber(fields.at(2));
    data->channels = bracketedNumber(fields.at(3));
    data->samplerate = bracketedNumber(fields.at(4));
    data->bitdepth = bracketedNumber(fields.at(5));
    emit thumbCreated(data);
    delete data;
}
