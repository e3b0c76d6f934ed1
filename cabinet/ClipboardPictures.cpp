#include "ClipboardPictures.h"

#include "MyThumbnailItem.h"
#include "VorendaGlobal.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QVariant>

namespace {

// Kept on the data object itself: it goes when the clipboard lets go of the data, and
// nothing outside this process can set it.
const char pictureProperty[] = "vorendaCachedPictures";

} // namespace

void ClipboardPictures::note(const QList<AbstractThumbnailItem*>& items, QMimeData* data)
{
    if (!data)
        return;
    const QDir cache(VorendaGlobal::getCacheLocation());
    QStringList paths;
    for (AbstractThumbnailItem* entry : items) {
        auto* item = qobject_cast<MyThumbnailItem*>(entry);
        if (item && !item->properties.thumbnail.isEmpty())
            paths.append(cache.absoluteFilePath(item->properties.thumbnail));
    }
    paths.removeDuplicates();
    data->setProperty(pictureProperty, paths);
}

QSet<QString> ClipboardPictures::held()
{
    // Data another program put on the clipboard is read lazily: its property is a local
    // look-up, no request to the other program.
    const QMimeData* data = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!data)
        return {};
    const QStringList paths = data->property(pictureProperty).toStringList();
    return QSet<QString>(paths.cbegin(), paths.cend());
}
