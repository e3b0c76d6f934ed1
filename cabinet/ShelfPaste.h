#pragma once

#include <QClipboard>

#include <memory>

class QMimeData;
class QUrl;
class VorendaShelf;

// What a cabinet takes from the clipboard and from drops. A paste works on a private,
// bounded copy of the clipboard's data, so the system clipboard is never replaced and
// oversized data from another program is never parsed.
class ShelfPaste {
public:
    explicit ShelfPaste(VorendaShelf& shelf);

    // Has the view paste from the copy; one line of text that names an existing path
    // or reads as a web address becomes a link first.
    void paste();
    // Paste is enabled exactly while the view can paste; the X11 selection is ignored.
    void clipboardChanged(QClipboard::Mode mode);

    // The formats a cabinet reads, each copied only when it is within its bound.
    static std::unique_ptr<QMimeData> boundedCopy(const QMimeData* source);
    // Adds the link of a single line of text: a file URL for an existing absolute path,
    // else a web address (given "http" when it has no scheme). Other text is left alone.
    static void addLinkForText(QMimeData& data);
    // Only files, web and FTP addresses and mail addresses become items.
    static bool acceptsUrl(const QUrl& url);

private:
    VorendaShelf& shelf;
};
