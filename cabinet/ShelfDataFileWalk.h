#pragma once

#include "ShelfDataFileRecords.h"

#include <QString>

class QXmlStreamReader;

// Receives the parts of a data file in the order they stand in it.
class ShelfDataSink
{
public:
    virtual ~ShelfDataSink() = default;
    // True when the rest of the file is to be left unread.
    virtual bool stopped() = 0;
    // The reader stands on a Settings element; the call reads it to its end.
    virtual void settings(QXmlStreamReader& reader) = 0;
    // A category starts; the items after it at its nesting belong to it.
    virtual void category(CategoryRecord record) = 0;
    // An item of the innermost category open at its nesting.
    virtual void item(ItemRecord record) = 0;
};

// How the walk over a whole file ended.
struct ShelfDataWalkEnd
{
    // Another kind of file: a different document type or top element.
    bool refused = false;
    bool damaged = false;
    qint64 line = 0;
    QString error;
};

// Walks a whole data file: Root, its Settings and its categories; unknown elements are
// skipped whole.
ShelfDataWalkEnd walkDataFile(QXmlStreamReader& reader, ShelfDataSink& sink);
// Walks the Category or Uncategorized element the reader stands on, to its end,
// with the category elements nested in it.
void walkCategoryElement(QXmlStreamReader& reader, ShelfDataSink& sink);
