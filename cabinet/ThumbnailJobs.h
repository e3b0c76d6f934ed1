#pragma once

#include "DovalinnailClient.h"
#include "KestrimnailClient.h"
#include "SarneknailClient.h"
#include "TulmarnailClient.h"
#include "WeblocParser.h"

#include <QString>

class MyThumbnailItem;
class QPixmap;
class VorendaShelf;

// The thumbnails a cabinet asks its helpers for: one job per item for the client of
// its kind, the pictures the clients report back, the user's own pictures, refreshing
// an item's picture and the pictures' fit to a changed largest size. Also the reading
// of web-location files, whose items become web links.
class ThumbnailJobs
{
public:
    explicit ThumbnailJobs(VorendaShelf& shelf);

    // Connects the clients and the web-location reader; once they exist.
    void setUp();
    // Stops the thumbnail helpers and the readers of web-location files and bookmarks:
    // what they hold is dropped and nothing more of it reaches the cabinet.
    void abort();

    void requestKestrimnail(MyThumbnailItem* item);
    void requestDovalinnail(MyThumbnailItem* item);
    void requestTulmarnail(MyThumbnailItem* item);
    void requestSarneknail(MyThumbnailItem* item);
    // The job of the item's kind; none for an icon.
    void requestFor(MyThumbnailItem* item);
    // A finished job: its results go to the item, then its picture, when it loads.
    void kestrimCreated(const KestrimnailClient::Data* data);
    void dovalinCreated(const DovalinnailClient::Data* data);
    void tulmarCreated(const TulmarnailClient::Data* data);
    void sarnekCreated(const SarneknailClient::Data* data);

    void parseWebloc(MyThumbnailItem* item);
    // A read web-location file: its item becomes a web link to the file's address.
    void weblocParsed(const WeblocParser::Data* data);
    void setCustomThumbnail(MyThumbnailItem* item, const QString& file);
    void refreshThumbnail(MyThumbnailItem* item);
    void fitToMaxThumbSize();

private:
    // Shows the picture a helper cached for the job `key` on the item.
    void showJobPicture(MyThumbnailItem* item, const QString& key);
    // Puts a picture on an item by the fitting rule and refreshes what shows it.
    void showItemPicture(MyThumbnailItem* item, const QPixmap& picture, int size);

    VorendaShelf& shelf;
};
