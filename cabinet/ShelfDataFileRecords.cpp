#include "ShelfDataFileRecords.h"

#include "DataFileText.h"
#include "ItemTextLimits.h"
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

// Each escape takes five characters of a file's text for one of the text itself: this
// much of a text as written holds at least `limit` characters of it.
int writtenLimit(int limit)
{
    return 5 * limit;
}

// What `limit` characters of a text as written decode to, at most `limit` of them;
// `cut` is set when the text was longer. The longest texts are cut before they are
// copied at all.
QString decodedUpTo(const QStringRef& written, int limit, bool& cut)
{
    QString text = decodeDataText(written.left(writtenLimit(limit)).toString());
    if (text.size() > limit) {
        text.truncate(limit);
        cut = true;
    }
    cut = cut || written.size() > writtenLimit(limit);
    return text;
}

// The longest text of a field an item keeps; numbers are short.
int fieldLimit(ItemField field)
{
    switch (field) {
    case ItemField::Target: return ItemTextLimits::target;
    case ItemField::Thumbnail: return ItemTextLimits::thumbnail;
    case ItemField::TypeName: return ItemTextLimits::typeName;
    case ItemField::Tags: return ItemTextLimits::tags;
    case ItemField::Notes: return ItemTextLimits::notes;
    default: return 64;
    }
}

// The reader's own readElementText() with an unexpected child an error, into a buffer
// kept from element to element: most texts are numbers that need no string of their own.
// No more than `limit` characters are kept; `cut` tells whether there were more.
void readElementText(QXmlStreamReader& reader, QString& text, int limit, bool& cut)
{
    text.truncate(0);
    cut = false;
    for (;;) {
        switch (reader.readNext()) {
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference: {
            const QStringRef part = reader.text();
            const int room = limit - text.size();
            if (part.size() > room)
                cut = true;
            if (room > 0)
                text.append(part.left(room));
            break;
        }
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
    record.name = decodedUpTo(attributes.value(QLatin1String("name")), ItemTextLimits::categoryName, record.nameCut);
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
        bool cut = false;
        record.name = decodedUpTo(attributes.value(QLatin1String("name")), ItemTextLimits::name, cut);
        if (cut)
            record.cutTexts << QStringLiteral("name");
        record.typeText = attributes.value(QLatin1String("type")).left(16).toString();
        record.labelText = attributes.value(QLatin1String("label")).left(16).toString();
    }
    QString text;
    bool cut = false;
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
        readElementText(reader, text, writtenLimit(fieldLimit(field)), cut);
        if (cut)
            record.cutTexts << reader.name().toString();
        readField(record, field, text);
    }
    return record;
}

namespace {

// A text as written decoded, and cut to `limit` characters; `name` joins the cut
// texts when it was longer.
QString decodedField(const QString& written, int limit, const QString& name, QStringList& cutTexts)
{
    QString text = decodeDataText(written);
    if (text.size() > limit) {
        text.truncate(limit);
        if (!cutTexts.contains(name))
            cutTexts << name;
    }
    return text;
}

} // namespace

void completeItemRecord(ItemRecord& record)
{
    QStringList& cut = record.cutTexts;
    record.target = decodedField(record.target, ItemTextLimits::target, QStringLiteral("target"), cut);
    record.typeName = decodedField(record.typeName, ItemTextLimits::typeName, QStringLiteral("type"), cut);
    record.notes = decodedField(record.notes, ItemTextLimits::notes, QStringLiteral("notes"), cut).trimmed();
    record.tags = decodedField(record.tagText, ItemTextLimits::tags, QStringLiteral("tags"), cut)
                      .trimmed()
                      .toLower()
                      .split(QLatin1Char(','), Qt::SkipEmptyParts);
    record.tags.removeDuplicates();
    record.tagText.clear();

    record.standardName = ThumbnailCache::getThumbnailName(record.target.isEmpty() ? record.name : record.target);
    // Only a name inside the cache folder: the file cannot send the reader elsewhere.
    record.thumbnailName =
        QFileInfo(decodedField(record.thumbnail, ItemTextLimits::thumbnail, QStringLiteral("thumbnail"), cut))
            .fileName();
    record.thumbnail.clear();
    if (record.thumbnailName.isEmpty())
        record.thumbnailName = record.standardName;
    record.picturePath = ThumbnailCache::getCachePath(record.thumbnailName);
    record.cached = QFileInfo(record.picturePath).isFile();
}
