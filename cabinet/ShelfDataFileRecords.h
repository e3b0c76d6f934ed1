#pragma once

#include <QString>
#include <QStringList>

class QXmlStreamReader;

// What one Category or Uncategorized element of a data file says about itself.
struct CategoryRecord
{
    // False for Uncategorized, whose items have no category.
    bool named = false;
    QString name;
    int key = 0;
    // False when the element names no key: the category gets a free one.
    bool keyed = false;
    int parentKey = -1;
    bool expanded = false;
    // How many category elements enclose this one inside the element walked; the
    // innermost of them is its parent, whatever its parent attribute says.
    int nesting = 0;
    // True when the name was longer than a category keeps and is cut.
    bool nameCut = false;
};

// One Item element as read, with what follows from it alone: the part of loading an
// item that needs neither the cabinet nor the GUI thread, so it can run ahead of it.
struct ItemRecord
{
    // The attributes; the name decoded, the others as written.
    QString name, typeText, labelText;

    // The text elements: numbers as their decimal text reads, 0 when missing; texts
    // decoded once the record is completed.
    QString target;
    QString thumbnail;
    QString typeName;
    QString notes;
    QString tagText;
    QStringList tags;
    int rating = 0, thumbsize = 0, width = 0, height = 0, length = 0, bitrate = 0, framerate = 0, samplerate = 0,
        bitdepth = 0, channels = 0;
    uint date = 0, accessed = 0, added = 0;
    qlonglong size = 0, popularity = 0;
    bool customthumb = false;

    // The cache name the target's thumbnail has by default, the one the file names,
    // its full path, and whether that file was there when the record was read.
    QString standardName;
    QString thumbnailName;
    QString picturePath;
    bool cached = false;

    // How many category elements inside the one walked enclose the item: it belongs to
    // the innermost.
    int nesting = 0;

    // The names of the texts ("name", "notes" ...) that were longer than an item keeps
    // (ItemTextLimits) and are cut.
    QStringList cutTexts;
};

// Reads the attributes of the Category or Uncategorized element the reader stands on.
CategoryRecord readCategoryRecord(const QXmlStreamReader& reader);
// Reads the Item element the reader stands on up to its end, or up to an error.
ItemRecord readItemRecord(QXmlStreamReader& reader);
// Decodes the texts and works out what follows from them, touching nothing else, so
// records can be completed on any thread.
void completeItemRecord(ItemRecord& record);
