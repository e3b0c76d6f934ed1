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
    // The bounds of a paste. The view adds many links in slices, while the program
    // stays responsive; more than these would take more memory than a cabinet
    // should. What lies beyond them is left out, and the user is told.
    static constexpr int MAX_LINK_BYTES = 8 * 1024 * 1024;
    static constexpr int MAX_PASTED_LINKS = 100000;

    struct LinkCount
    {
        int kept = 0;
        int leftOut = 0;
    };

    explicit ShelfPaste(VorendaShelf& shelf);

    // Has the view paste from the copy; one line of text that names an existing path
    // or reads as a web address becomes a link first. When links were left out, a
    // message says how many before the rest is pasted.
    void paste();
    // Paste is enabled exactly while the view can paste; the X11 selection is ignored.
    void clipboardChanged(QClipboard::Mode mode);

    // The formats a cabinet reads, each copied only when it is within its bound; a list
    // of links one per line that is longer keeps its whole lines within the bound, and
    // `leftOut` tells how many links were cut off.
    static std::unique_ptr<QMimeData> boundedCopy(const QMimeData* source, int* leftOut = nullptr);
    // Keeps the first `maxLinks` links of `data` (no items), as a URI list with the
    // program's own names, when it holds more.
    static LinkCount boundLinks(QMimeData& data, int maxLinks);
    // Adds the link of a single line of text: a file URL for an existing absolute path,
    // or file: URL ("file://localhost/" too), that is no program, else a web address
    // (given "http" when it has no scheme). Other text is left alone.
    static void addLinkForText(QMimeData& data);
    // Only files, web and FTP addresses and mail addresses become items.
    static bool acceptsUrl(const QUrl& url);

private:
    VorendaShelf& shelf;
};
