#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

class TextProbe;

// The real `vorenda` program on a real X server, for the tests that drive it from
// outside: a private store folder in the test's configuration, the program's
// process, its visible "Vorenda" windows found with xdotool, a URI list held on the
// CLIPBOARD by xclip, and the cabinet data the program saved. Nothing it starts
// outlives it.
//
// The functions that can fail return false and say why with a warning, so a test
// checks them with QVERIFY.
class RunningVorenda
{
public:
    // An item as the cabinet's data file keeps it.
    struct SavedItem
    {
        QString category; // the name of its category, empty for none
        QString name;
        QString tags;     // as written: comma-separated
        int type = -1;
        QString target;
        QString thumbnail;
        QString popularity;
        // The media facts as written: "length", "width", "bitrate", "channels" ...
        QHash<QString, QString> facts;
    };

    RunningVorenda();
    ~RunningVorenda();
    RunningVorenda(const RunningVorenda&) = delete;
    RunningVorenda& operator=(const RunningVorenda&) = delete;

    // Writes the program's own settings file: the store folder below, and an update
    // server that is a closed local port; `withLog` switches the program's log on.
    bool configure(bool withLog = false) const;
    // Sets the program's interface language ("en", "de", "es") for its next start.
    bool setLanguage(const QString& language) const;
    // Makes the next start load `probe` into the program, so that the test can read its
    // texts; null for none.
    void useTextProbe(const TextProbe* probe) { textProbe = probe; }
    // The lines of today's log, without their times.
    static QStringList logLines();
    // The store folder, ending in '/'.
    QString store() const { return storeFolder; }

    // Starts the program from the build's bin folder.
    bool start();
    // SIGTERM, then a normal exit with code 0 within `timeout` milliseconds.
    bool terminate(int timeout = 30000);
    // The names of the program's child processes: the thumbnail helpers it runs.
    QStringList helpersRunning() const;
    // Waits until the program runs no helper, within `timeout` milliseconds.
    bool waitForHelpersToEnd(int timeout = 60000) const;
    // Kills whatever is still running: the program and the clipboard holder.
    void stop();
    // Stops, removes the store folder and forgets that the welcome was shown: the next
    // start is a first start again.
    void resetToFirstStart();

    // The ids of the mapped top-level windows whose name matches `name`.
    static QStringList visibleWindows(const QString& name);
    // The visible cabinet windows: those titled exactly "Vorenda".
    static QStringList cabinetWindows();
    // Waits until exactly one cabinet window is visible and returns its id; empty
    // if none shows within `timeout` milliseconds.
    static QString waitForCabinet(int timeout = 30000);
    // Waits until exactly one visible window's name matches `name` and returns its id;
    // empty if none shows within `timeout` milliseconds.
    static QString waitForWindow(const QString& name, int timeout = 30000);
    // The titles of the first start's windows that stand over the cabinet: the welcome
    // wizard and the quick-start panel, in English.
    static QStringList firstRunTitles();
    // Those windows (titled `titles`) are taken off the screen; the program goes on as if
    // they were there.
    static void unmapFirstRunWindows(const QStringList& titles = firstRunTitles());
    // Runs xdotool with `arguments`; true when it succeeded.
    static bool xdotool(const QStringList& arguments);
    // Presses the keys named (xdotool's names) one after another.
    static bool pressKeys(const QStringList& names);
    // Where `window` lies on the screen; empty when xdotool cannot say.
    static QRect windowGeometry(const QString& window);
    // Moves the pointer to `screenPoint` and clicks the left button there.
    static bool clickAt(const QPoint& screenPoint);
    // What the screen shows of `window` now.
    static QImage grabWindow(const QString& window);
    // What the screen shows in `area`.
    static QImage grabScreen(const QRect& area);
    // The bounding box of the pixels that differ between two grabs of a cabinet,
    // between its bars and off the shelf boards that span its width.
    static QRect changedArea(const QImage& before, const QImage& after);
    // Waits for the windows a first start shows beside its new cabinet (the welcome
    // wizard, the quick-start panel; titled `titles`) and unmaps them, so that they
    // neither cover the cabinet nor take its keys.
    static bool dismissFirstRunWindows(int timeout = 10000, const QStringList& titles = firstRunTitles());
    // Presses the show-hotkey until the program has bound it and one cabinet shows.
    static bool showCabinetByHotkey(int timeout = 30000);

    // Puts `uris` on the CLIPBOARD as text/uri-list, held by xclip until stop().
    bool holdOnClipboard(const QList<QUrl>& uris);
    // Puts `data` on the CLIPBOARD as `mimeType`, held by xclip until stop().
    bool holdOnClipboard(const QByteArray& data, const QString& mimeType);
    // Focuses `window` and presses ctrl+v.
    static bool pasteInto(const QString& window);
    // Runs "Browser Bookmarks" from the menu of the empty shelf of the cabinet `window`
    // and keeps the folders, the first answer to the folder question.
    static bool importBookmarks(const QString& window);

    // The cabinet ids the main data file lists.
    QStringList listedIds() const;
    // The cabinet ids the main data file at `path` lists; `unreadable` when it cannot be read.
    static QStringList cabinetIdsIn(const QString& path, const QStringList& unreadable = {});
    // The values of `attribute` of every `element` in the XML file at `path`, in file
    // order; `unreadable` when the file cannot be read.
    static QStringList attributeValues(const QString& path, const QString& element, const QString& attribute,
                                       const QStringList& unreadable = {});
    // The data file of the cabinet `id`.
    QString dataFile(const QString& id) const;
    // The items of the data file at `path`, in its order.
    static QList<SavedItem> itemsOf(const QString& path);
    // The items of the store's one cabinet data file; none unless there is exactly one.
    QList<SavedItem> savedItems() const;
    // Where the picture of `target` is cached.
    QString thumbnailPath(const QString& target) const;
    // The cached picture of `target` when it is a complete PNG file, else a null image.
    QImage cachedThumbnail(const QString& target) const;

    // Keeps `image` as build/screenshots/<name> of the source tree.
    static bool saveScreenshot(const QImage& image, const QString& name);

private:
    QString storeFolder;
    std::unique_ptr<QProcess> vorenda;
    std::unique_ptr<QProcess> clipboard;
    const TextProbe* textProbe = nullptr;
};
