#pragma once

#include <QString>
#include <QXmlStreamWriter>

// Starts the Item element of a file job (image, video or audio) with the attributes
// every such job begins with, in job-file order; the kind appends its own.
template <typename Data>
void writeFileJobItem(QXmlStreamWriter& xml, const Data& data)
{
    xml.writeEmptyElement(QStringLiteral("Item"));
    xml.writeAttribute(QStringLiteral("filePath"), data.filePath);
    xml.writeAttribute(QStringLiteral("thumbName"), data.thumbName);
    xml.writeAttribute(QStringLiteral("thumbFormat"), data.thumbFormat);
    xml.writeAttribute(QStringLiteral("key"), data.key);
    xml.writeAttribute(QStringLiteral("thumbWidth"), QString::number(data.thumbWidth));
    xml.writeAttribute(QStringLiteral("thumbHeight"), QString::number(data.thumbHeight));
}
