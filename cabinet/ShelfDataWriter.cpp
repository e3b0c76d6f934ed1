#include "ShelfDataWriter.h"

#include "DataFileText.h"
#include "SaveFileCommit.h"

ShelfDataWriter::ShelfDataWriter(const QString& path)
    : file(path)
{
}

bool ShelfDataWriter::begin()
{
    if (!file.open(QIODevice::WriteOnly)) {
        error = saveFileOpenError(file);
        return false;
    }
    writer.setDevice(&file);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE %1>").arg(documentType()));
    writer.writeStartElement(QStringLiteral("Root"));
    return true;
}

void ShelfDataWriter::writeTextAttribute(const QString& name, const QString& text)
{
    writer.writeAttribute(name, encodeDataText(text));
}

void ShelfDataWriter::writeNumberAttribute(const QString& name, qint64 value)
{
    writer.writeAttribute(name, QString::number(value, 10));
}

void ShelfDataWriter::writeSwitchAttribute(const QString& name, bool on)
{
    writer.writeAttribute(name, on ? QStringLiteral("1") : QStringLiteral("0"));
}

void ShelfDataWriter::writeTextElement(const QString& name, const QString& text)
{
    writer.writeTextElement(name, encodeDataText(text));
}

void ShelfDataWriter::writeNumberElement(const QString& name, qint64 value)
{
    writer.writeTextElement(name, QString::number(value, 10));
}

bool ShelfDataWriter::commit()
{
    if (!file.isOpen())
        return false;
    writer.writeEndDocument();
    // The stream writer stops at the first failed write and only flags it.
    if (writer.hasError()) {
        error = file.error() == QFileDevice::NoError ? QStringLiteral("the XML could not be written")
                                                     : saveFileError(file);
        // Not committed: the temporary file is discarded and the target stays.
        file.cancelWriting();
        return false;
    }
    return commitSaveFile(file, &error);
}
