#include "ShelfDataFileWalk.h"

#include "ShelfDataWriter.h"
#include "XmlAttributes.h"

#include <QXmlStreamReader>

ShelfDataWalkEnd walkDataFile(QXmlStreamReader& reader, ShelfDataSink& sink)
{
    ShelfDataWalkEnd end;
    bool inRoot = false;
    while (!reader.atEnd() && !sink.stopped()) {
        reader.readNext();
        if (reader.isDTD()) {
            if (reader.dtdName() != ShelfDataWriter::documentType()) {
                end.refused = true;
                break;
            }
            continue;
        }
        if (!reader.isStartElement())
            continue;
        const QStringRef element = reader.name();
        if (!inRoot) {
            // Another top element is another kind of file, not an empty cabinet.
            if (element != QLatin1String("Root")) {
                end.refused = true;
                break;
            }
            inRoot = true;
            continue;
        }
        if (element == QLatin1String("Root"))
            continue;
        if (element == QLatin1String("Settings"))
            sink.settings(reader);
        else if (element == QLatin1String("Category") || element == QLatin1String("Uncategorized"))
            walkCategoryElement(reader, sink);
        else
            readUnknownElement(reader);
    }
    end.damaged = reader.hasError();
    end.line = reader.lineNumber();
    end.error = reader.errorString();
    return end;
}

void walkCategoryElement(QXmlStreamReader& reader, ShelfDataSink& sink)
{
    // Categories may also be nested as elements, as hand-made files do: each one
    // inside is read where it stands, without recursion, however deep the nesting.
    int nesting = 0;
    sink.category(readCategoryRecord(reader));
    while (!reader.atEnd() && !sink.stopped()) {
        reader.readNext();
        if (reader.isEndElement()) {
            if (nesting == 0)
                return;
            --nesting;
            continue;
        }
        if (!reader.isStartElement())
            continue;
        const QStringRef element = reader.name();
        if (element == QLatin1String("Item")) {
            ItemRecord record = readItemRecord(reader);
            record.nesting = nesting;
            sink.item(std::move(record));
        } else if (element == QLatin1String("Category") || element == QLatin1String("Uncategorized")) {
            CategoryRecord record = readCategoryRecord(reader);
            record.nesting = ++nesting;
            sink.category(std::move(record));
        } else {
            readUnknownElement(reader);
        }
    }
}
