#include "ShelfDataFileRecords.h"

#include "DataFileText.h"
#include "ThumbnailCache.h"
#include "XmlAttributes.h"

#include <QFileInfo>
#include <QXmlStreamReader>

namespace {

enum class ItemField {
    Target, Thumbnail, TypeName, Rating, Popularity, Date, Accessed, Size, Added, Tags, Notes, Thumbsize,
    Customthumb, Width, Height, Length, Bitrate, Framerate, Samplerate, Bitdepth, Channels, None
};

// The text elements of an Item, in the order they are written.
ItemField itemField(const QStringRef& element)
{
    static const QLatin1String names[] = {
        QLatin1String("target"),     QLatin1String("thumbnail"),   QLatin1String("type"),
        QLatin1String("rating"),     QLatin1String("popularity"),  QLatin1String("date"),
        QLatin1String("accessed"),   QLatin1String("size"),        QLatin1String("added"),
        QLatin1String("tags"),       QLatin1String("notes"),       QLatin1String("thumbsize"),
        QLatin1String("customthumb"), QLatin1String("width"),      QLatin1String("height"),
        QLatin1String("length"),     QLatin1String("bitrate"),     QLatin1String("framerate"),
        QLatin1String("samplerate"), QLatin1String("bitdepth"),    QLatin1String("channels")};
    for (size_t i = 0; i < sizeof(names) / sizeof(names[0]); ++i) {
        if (element == names[i])
            return ItemField(i);
    }
    return ItemField::None;
}

// What the reader's own readElementText() says of an element inside the text, in the
// words and language of the reader.
QString unexpectedElementMessage()
{
    QXmlStreamReader probe(QStringLiteral("<a><b/></a>"));
    probe.readNextStartElement();
    probe.readElementText();
    return probe.errorString();
}

// The reader's own readElementText() with an unexpected child an error, into a buffer
// kept from element to element: most texts are numbers that need no string of their own.
void readElementText(QXmlStreamReader& reader, QString& text)
{
    text.truncate(0);
    for (;;) {
        switch (reader.readNext()) {
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            text.append(reader.text());
            break;
        case QXmlStreamReader::EndElement:
            return;
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::Comment:
            break;
        default:
            if (!reader.hasError())
                reader.raiseError(unexpectedElementMessage());
            return;
        }
    }
}

// A string of its own, as long as the text, null when it is empty.
QString copyOf(const QString& text)
{
    return text.isEmpty() ? QString() : QString(text.unicode(), text.size());
}

void readField(ItemRecord& record, ItemField field, const QString& text)
{
    switch (field) {
    case ItemField::Target: record.target = copyOf(text); break;
    case ItemField::Thumbnail: record.thumbnail = copyOf(text); break;
    case ItemField::TypeName: record.typeName = copyOf(text); break;
    case ItemField::Tags: record.tagText = copyOf(text); break;
    case ItemField::Notes: record.notes = copyOf(text); break;
    case ItemField::Rating: record.rating = text.toInt(); break;
    case ItemField::Popularity: record.popularity = text.toLongLong(); break;
    case ItemField::Date: record.date = text.toUInt(); break;
    case ItemField::Accessed: record.accessed = text.toUInt(); break;
    case ItemField::Size: record.size = text.toLongLong(); break;
    case ItemField::Added: record.added = text.toUInt(); break;
    case ItemField::Thumbsize: record.thumbsize = text.toInt(); break;
    case ItemField::Customthumb: record.customthumb = text.toInt() != 0; break;
    case ItemField::Width: record.width = text.toInt(); break;
    case ItemField::Height: record.height = text.toInt(); break;
    case ItemField::Length: record.length = text.toInt(); break;
    case ItemField::Bitrate: record.bitrate = text.toInt(); break;
    case ItemField::Framerate: record.framerate = text.toInt(); break;
    case ItemField::Samplerate: record.samplerate = text.toInt(); break;
    case ItemField::Bitdepth: record.bitdepth = text.toInt(); break;
    case ItemField::Channels: record.channels = text.toInt(); break;
    case ItemField::None: break;
    }
}

} // namespace

CategoryRecord readCategoryRecord(const QXmlStreamReader& reader)
{
    CategoryRecord record;
    if (reader.name() != QLatin1String("Category"))
        return record;
    const QXmlStreamAttributes attributes = reader.attributes();
    record.named = true;
    record.name = decodeDataText(attributes.value(QLatin1String("name")).toString());
    record.keyed = !attributes.value(QLatin1String("key")).isEmpty();
    setIntAttribute(attributes, QStringLiteral("key"), &record.key);
    setIntAttribute(attributes, QStringLiteral("parent"), &record.parentKey);
    record.expanded = attributes.value(QLatin1String("expand")).toInt() != 0;
    return record;
}

ItemRecord readItemRecord(QXmlStreamReader& reader)
{
    ItemRecord record;
    {
        const QXmlStreamAttributes attributes = reader.attributes();
        record.name = decodeDataText(attributes.value(QLatin1String("name")).toString());
        record.typeText = attributes.value(QLatin1String("type")).toString();
        record.labelText = attributes.value(QLatin1String("label")).toString();
    }
    QString text;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == QLatin1String("Item"))
            break;
        if (!reader.isStartElement())
            continue;
        const ItemField field = itemField(reader.name());
        if (field == ItemField::None) {
            readUnknownElement(reader);
            continue;
        }
        readElementText(reader, text);
        readField(record, field, text);
    }
    return record;
}

void completeItemRecord(ItemRecord& record)
{
    record.target = decodeDataText(record.target);
    record.typeName = decodeDataText(record.typeName);
    record.notes = decodeDataText(record.notes).trimmed();
    record.tags = decodeDataText(record.tagText).trimmed().toLower().split(QLatin1Char(','), Qt::SkipEmptyParts);
    record.tags.removeDuplicates();
    record.tagText.clear();

    record.standardName = ThumbnailCache::getThumbnailName(record.target.isEmpty() ? record.name : record.target);
    // Only a name inside the cache folder: the file cannot send the reader elsewhere.
    record.thumbnailName = QFileInfo(decodeDataText(record.thumbnail)).fileName();
    record.thumbnail.clear();
    if (record.thumbnailName.isEmpty())
        record.thumbnailName = record.standardName;
    record.picturePath = ThumbnailCache::getCachePath(record.thumbnailName);
    record.cached = QFileInfo(record.picturePath).isFile();
}
