#include "DovalinnailClient.h"

#include "BracketedFields.h"
#include "FileJobItem.h"

DovalinnailClient::DovalinnailClient(QObject* parent)
    : ThumbnailClient(QStringLiteral("dovalin"), QStringLiteral("dovalin"), QStringLiteral("Dovalin-Data"), parent)
{
}

DovalinnailClient::~DovalinnailClient() = default;

void DovalinnailClient::start(const QHash<QString, Data*>& items, const QString& outputPath)
{
    if (items.isEmpty())
        return;
    jobs.addWaiting(items);
    startWaiting(outputPath);
}

void DovalinnailClient::writeItems(QXmlStreamWriter& xml) const
{
    const auto& records = jobs.runningRecords();
    for (const Data* data : records) {
        writeFileJobItem(xml, *data);
        xml.writeAttribute(QStringLiteral("photoBorder"), QString::number(data->photoBorder));
    }
}

void DovalinnailClient::readLine(const QString& line)
{
    const QStringList fields = readBracketedFields(line, 4);
    Data* data = jobs.takeRunning(fields.at(0));
    if (!data)
        return;
    data->isPhoto = bracketedNumber(fields.at(1)) != 0;
    data->imageSize = QSize(bracketedNumber(fields.at(2)), bracketedNumber(fields.at(3)));
    emit thumbCreated(data);
    delete data;
}
