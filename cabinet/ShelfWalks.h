#pragma once

#include "ApplicationWalk.h"
#include "MenuType.h"
#include "StandardPlaces.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariant>

class AbstractThumbnailItem;
class AddProgressWidget;
class MyThumbnailItem;
class VorendaShelf;

// What a cabinet adds from the file system and the browsers: files or a folder chosen
// in a dialog, standard places as items, the contents of places and dropped folders
// walked on the cabinet's folder walker, and browser bookmarks. Each hit of a walk is
// shown on the progress window, whose Continue and Abort reach this cabinet's walkers
// only while it is shown for this cabinet.
class ShelfWalks : public QObject
{
    Q_OBJECT

public:
    explicit ShelfWalks(VorendaShelf& shelf);

    // Connects the walkers, the importer and the view's link pastes; once they exist.
    void setUp();
    // Runs a command of the command table that adds items from the file system, as the
    // dispatcher does but without its frame (search, kiosk mode), then counts what is
    // there. Returns false, doing nothing, for every other command.
    bool runCommand(MenuType type, int parameter);

    // The commands that add from the file system, each into the category `categoryKey`
    // (-1 for none). Files, or one folder, chosen in a dialog:
    void addChosenFiles(int categoryKey);
    void addChosenFolder(int categoryKey);
    // A place as one item, under `name` or, when it is empty, the folder's own.
    void addFolderShortcut(StandardPlaces::Place place, const QString& name, int categoryKey);
    // The file manager's bookmarked folders as items; only the first when `firstOnly`.
    void addFavorites(int categoryKey, bool firstOnly);
    // The contents of a place, walked; its folders become items when `foldersAsItems`.
    void addPlaceContents(StandardPlaces::Place place, bool foldersAsItems, int categoryKey);
    // Every application entry, or the utilities only, into the category or into its
    // subcategory `ownCategory` when one is named.
    void addApplications(int categoryKey);
    void addUtilities(int categoryKey, const QString& ownCategory);
    // Queues a walk of a dropped folder into the category `categoryKey` (-1 for none).
    void addFolder(const QString& path, int categoryKey);
    // Ends this cabinet's walks and bookmark imports for good, before the cabinet goes
    // away: nothing of them reaches the cabinet afterwards and the progress window lets
    // go of it.
    void stop();
    // Stops the walks, bookmark imports and link pastes under way, as the progress
    // window's Abort does; what they added stays. Later ones run as before.
    void abort();

    // `name` as the walker reports it; an application entry gives its own.
    void fileFound(QString name, const QString& path, const QVariant& data);
    void dirFound(const QString& name, const QString& path, const QVariant& data);
    void folderWalkFinished();
    void listWalkFinished(QList<void*>* list);
    void bookmarkFolderFound(const QString& name, QVariant& data, bool& emitDirFound, bool& skipSubfolders,
                             bool& abort);
    void bookmarkFound(const QString& name, const QString& url, const QVariant& data);
    void bookmarksFinished(int folders, int urls, bool aborted);

private:
    // A slice of a bookmark import has ended.
    void bookmarksProgress();
    // A paste of many links shows on the progress window like a walk.
    void urlPasteProgress(AbstractThumbnailItem* item);
    void urlPasteFinished();
    // Aborts the folder walks, the list walk, the link paste and the bookmark import.
    void abortAll();
    AddProgressWidget* progressPanel();
    // Puts the item on the progress window and shows it for this cabinet; false when
    // the window is busy with another cabinet.
    bool showProgress(MyThumbnailItem* item);
    // The application entries of `desktopCategory` (all when empty) into the category,
    // or into its subcategory `ownCategory` when one is named.
    void walkApplications(const QString& desktopCategory, int categoryKey, const QString& ownCategory);
    // The category a found file goes into, made first when the walk names one of its own.
    int categoryFor(const QVariant& data);

    VorendaShelf& shelf;
    QPointer<AddProgressWidget> wiredProgressPanel;
    // The item the bookmark import made last, shown on the progress window.
    QPointer<MyThumbnailItem> lastBookmark;
    // Decides which application entries of the walk under way are listed.
    ApplicationWalk applicationWalk;
    // Counts the folder walks that have ended, so an answer given after its walk ended
    // is recognised as late.
    quint64 endedWalks = 0;
    bool walksStopped = false;
};
