#pragma once

#include "KestrimnailCreator.h"

#include <QList>
#include <QString>

class QIODevice;
class QXmlStreamAttributes;

// Reads a job file ("Kestrim-Data") through the helpers' job file reader: the output
// folder, the delay, the page limit, the deadline and the accepted page items, in
// document order.
class KestrimJobReader
{
public:
    static constexpr int DEFAULT_DELAY = 1000;

    ~KestrimJobReader();

    // False when the DOCTYPE is wrong or no item was accepted; items read
    // before an output folder failed or a read error still count.
    bool read(QIODevice* device);

    // Hands the accepted records over to the caller.
    QList<KestrimnailCreator::Data*> takeItems();

    QString outputFolder() const { return output; }
    int delay() const { return delayMs; }
    int maxPages() const { return pages; }
    // The page deadline in ms; 0 when the file names none.
    int timeout() const { return timeoutMs; }

    // The item's page: a web URL, a local HTML file, or the web address of an
    // Internet shortcut; an empty URL when the item is not renderable.
    static QUrl pageUrl(const QString& text);

private:
    void readList(const QXmlStreamAttributes& attributes);
    bool readItem(const QXmlStreamAttributes& attributes);

    QList<KestrimnailCreator::Data*> items;
    QString output;
    int delayMs = DEFAULT_DELAY;
    int pages = KestrimnailCreator::DEFAULT_MAX_PAGES;
    int timeoutMs = 0;
};
