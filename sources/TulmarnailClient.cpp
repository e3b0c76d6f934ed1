#include "TulmarnailClient.h"

#include "BracketedFields.h"
#include "FileJobItem.h"

namespace {

// A colour as one 32-bit value, alpha in the top byte, in upper-case hexadecimal.
QString colorText(const QColor& color)
{
    return QString::number(color.rgba(), 16).toUpper();
}

} // namespace

TulmarnailClient::TulmarnailClient(QObject* parent)
    : ThumbnailClient(QStringLiteral("tulmar"), QStringLiteral("tulmar"), QStringLiteral("Tulmar-Data"), parent,
                      HelperSource::BesideProgramOrPath)
{
}

TulmarnailClient::~TulmarnailClient() = default;

void TulmarnailClient::start(const QHash<QString, Data*>& items, const QString& outputPath)
{
    if (items.isEmpty())
        return;
    jobs.addWaiting(items);
    startWaiting(outputPath);
}

void TulmarnailClient::writeItems(QXmlStreamWriter& xml) const
{
    const auto& records = jobs.runningRecords();
    for (const Data* data : records) {
        writeFileJobItem(xml, *data);
        xml.writeAttribute(QStringLiteral("thumbAlpha"), QString::number(data->thumbAlpha));
        xml.writeAttribute(QStringLiteral("thumbTime"), QString::number(data->thumbTime));
        xml.writeAttribute(QStringLiteral("filmBorderSize"), QString::number(data->filmBorderSize));
        xml.writeAttribute(QStringLiteral("filmBorderSpacing"), QString::number(data->filmBorderSpacing));
        xml.writeAttribute(QStringLiteral("filmBorderColor"), colorText(data->filmBorderColor));
        xml.writeAttribute(QStringLiteral("filmBackColor"), colorText(data->filmBackColor));
    }
}

void TulmarnailClient::readLine(const QString& line)
{
    // (key)(length)(width)(height)(flag)(bit rate)(frame rate)
    const QStringList fields = readBracketedFields(line, 7);
    Data* data = jobs.takeRunning(fields.at(0));
    if (!data)
        return;
    data->length = bracketedNumber(fields.at(1));
    data->imageSize = QSize(bracketedNumber(fields.at(2)), bracketedNumber(fields.at(3)));
    data->flag = bracketedNumber(fields.at(4)) != 0;
    data->bitrate = bracketedNumber(fields.at(5));
    data->framerate = bracketedNumber(fields.at(6));
    emit thumbCreated(data);
    delete data;
}
