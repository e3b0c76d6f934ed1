#include "ShelfWalks.h"

#include "AddProgressWidget.h"
#include "ApplicationWalk.h"
#include "BookmarksImport.h"
#include "BookmarksWarningDialog.h"
#include "CategoryHeaderItem.h"
#include "CommandTable.h"
#include "FavoriteFolders.h"
#include "FileInfoProvider.h"
#include "ListIteratorThread.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "OverrideCursor.h"
#include "PathFunctions.h"
#include "RecurseDirThread.h"
#include "SafariBookmarksParser.h"
#include "StandardPlaces.h"
#include "SubfoldersWarningDialog.h"
#include "ShelfParts.h"
#include "ThumbType.h"
#include "VorendaShelf.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QVariantMap>

namespace {

int categoryKeyOf(const QVariant& data)
{
    bool ok = false;
    const int key = ApplicationWalk::callerData(data).toInt(&ok);
    return ok ? key : -1;
}

// The desktop entries' menu category of the utilities.
const QString UTILITY = QStringLiteral("Utility");

// A walk whose hits go into a category of their own names it and its parent.
const QString OWN_CATEGORY_PARENT = QStringLiteral("parent");
const QString OWN_CATEGORY_NAME = QStringLiteral("name");

// What a folder walk of a folder's contents reports: its folders (as the answer to the
// subfolder question decides) and the folders without files of their own.
constexpr RecurseDirThread::WalkOptions contentsWalk = RecurseDirThread::EmitDirFound | RecurseDirThread::EmitEmptyDirs;

} // namespace

ShelfWalks::ShelfWalks(VorendaShelf& shelf)
    : shelf(shelf)
{
}

void ShelfWalks::setUp()
{
    RecurseDirThread* walker = shelf.recurseDirThread;
    connect(walker, &RecurseDirThread::fileFound, &shelf, &VorendaShelf::onFileFound);
    connect(walker, &RecurseDirThread::dirFound, &shelf, &VorendaShelf::onDirFound);
    connect(walker, &RecurseDirThread::finished, &shelf, &VorendaShelf::onRecurseDirThreadFinished);
    connect(shelf.listIteratorThread, &ListIteratorThread::finished, &shelf,
            &VorendaShelf::onListIteratorThreadFinished);
    connect(shelf.view, &AbstractThumbnailView::urlPasteProgress, this, &ShelfWalks::urlPasteProgress);
    connect(shelf.view, &AbstractThumbnailView::urlPasteFinished, this, &ShelfWalks::urlPasteFinished);
    // Direct connections: the importer reads the answers to a folder back from the
    // references as soon as the slot returns.
    SafariBookmarksParser* importer = shelf.bookmarksParser;
    connect(importer, &SafariBookmarksParser::bookmarkFound, &shelf, &VorendaShelf::onBookmarkFound);
    connect(importer, &SafariBookmarksParser::folderFound, &shelf, &VorendaShelf::onFolderFound);
    connect(importer, &SafariBookmarksParser::finished, &shelf, &VorendaShelf::onBookmarksParserFinished);
    connect(importer, &SafariBookmarksParser::progress, this, &ShelfWalks::bookmarksProgress);
    // A deleted cabinet lives on until the event loop deletes it; its walks must not
    // reach it (nor save its removed data file) meanwhile.
    connect(&shelf, &VorendaShelf::shelfRemoved, this, &ShelfWalks::stop);
    // A walk under way ends with the program rather than keep its thread waiting; what
    // it has added so far is saved with the cabinet.
    if (QCoreApplication::instance()) {
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
            // The program's quit has saved what the paste made; its end needs no layout.
            disconnect(shelf.view, &AbstractThumbnailView::urlPasteFinished, this, nullptr);
            abortAll();
        });
    }
}

bool ShelfWalks::runCommand(MenuType type, int parameter)
{
    const CommandRow* row = CommandTable::find(type);
    if (!row || !row->run || !row->addsFromFileSystem())
        return false;
    row->run(CommandCall(shelf, parameter));
    // What a walk adds is counted when it ends.
    shelf.updateStatusLabel();
    return true;
}

void ShelfWalks::addChosenFiles(int categoryKey)
{
    shelf.settings.beginGroup(QStringLiteral("Cabinets"));
    const QString dirKey = QStringLiteral("ItemsDir_%1").arg(shelf.id);
    const QString startFolder =
        shelf.settings.value(dirKey, getStorageLocation(QStandardPaths::HomeLocation)).toString();
    const auto patterns = [](const char* list) {
        return QString::fromLatin1(list).replace(QLatin1Char(';'), QLatin1Char(' '));
    };
    const QString filter = VorendaShelf::tr("All Files (%1);;Images (%2);;Music (%3);;Videos (%4)")
                               .arg(QStringLiteral("*"),
                                    FileInfoProvider::imageFilePatterns().join(QLatin1Char(' ')),
                                    patterns("*.mp3;*.aac;*.wma;*.oga;*.wav"),
                                    patterns("*.mov;*.avi;*.wmv;*.3gp;*.mpg;*.mp4;*.mpeg;*.flv;*.asf;*.mpe;"
                                             "*.3g2;*.vob;*.rm;*.m4v;*.divx;*.xvid;*.3gpp"));
    shelf.dialogOpen = true;
    const QStringList files = QFileDialog::getOpenFileNames(&shelf, VorendaShelf::tr("Select File(s)"), startFolder,
                                                            filter, nullptr, QFileDialog::DontResolveSymlinks);
    shelf.dialogOpen = false;

    OverrideCursor busy(Qt::BusyCursor);
    QCoreApplication::processEvents();
    QString lastFolder;
    for (const QString& file : files) {
        const QFileInfo info(file);
        if (file.isEmpty() || !QFile::exists(file) || info.isHidden())
            continue;
        shelf.addItem(QString(), removeTrailingSeparator(info.absoluteFilePath()), QPixmap(), categoryKey, GenericPath);
        lastFolder = info.absolutePath();
    }
    if (!lastFolder.isEmpty())
        shelf.settings.setValue(dirKey, lastFolder);
    shelf.settings.endGroup();
}

void ShelfWalks::addChosenFolder(int categoryKey)
{
    shelf.settings.beginGroup(QStringLiteral("Cabinets"));
    const QString dirKey = QStringLiteral("LastDir_%1").arg(shelf.id);
    const QString startFolder =
        shelf.settings.value(dirKey, getStorageLocation(QStandardPaths::HomeLocation)).toString();
    shelf.dialogOpen = true;
    const QString folder = QFileDialog::getExistingDirectory(&shelf, VorendaShelf::tr("Select Folder"), startFolder,
                                                             QFileDialog::ShowDirsOnly
                                                                 | QFileDialog::DontResolveSymlinks);
    shelf.dialogOpen = false;
    if (!folder.isEmpty())
        shelf.settings.setValue(dirKey, folder);
    shelf.settings.endGroup();
    if (!folder.isEmpty())
        shelf.addItem(QString(), removeTrailingSeparator(folder), QPixmap(), categoryKey, GenericPath);
}

void ShelfWalks::addFavorites(int categoryKey, bool firstOnly)
{
    const QList<FavoriteFolders::Folder> favorites = FavoriteFolders::list();
    for (const FavoriteFolders::Folder& folder : favorites) {
        // Without a label of its own the item takes the folder's name.
        shelf.addItem(folder.name, folder.path, QPixmap(), categoryKey, GenericPath);
        if (firstOnly)
            break;
    }
}

void ShelfWalks::addFolderShortcut(StandardPlaces::Place place, const QString& name, int categoryKey)
{
    const QString target = StandardPlaces::folder(place);
    if (!target.isEmpty())
        shelf.addItem(name, target, QPixmap(), categoryKey, GenericPath);
}

void ShelfWalks::addPlaceContents(StandardPlaces::Place place, bool foldersAsItems, int categoryKey)
{
    if (walksStopped)
        return;
    const QString folder = StandardPlaces::folder(place);
    if (folder.isEmpty())
        return;
    const auto options = foldersAsItems ? contentsWalk | RecurseDirThread::DirAsFile : contentsWalk;
    shelf.recurseDirThread->start(addTrailingSeparator(folder), categoryKey, options);
}

void ShelfWalks::addApplications(int categoryKey)
{
    walkApplications(QString(), categoryKey, QString());
}

void ShelfWalks::addUtilities(int categoryKey, const QString& ownCategory)
{
    walkApplications(UTILITY, categoryKey, ownCategory);
}

void ShelfWalks::walkApplications(const QString& desktopCategory, int categoryKey, const QString& ownCategory)
{
    if (walksStopped)
        return;
    const auto selection = desktopCategory.isEmpty() ? ApplicationWalk::AllApplications : ApplicationWalk::InCategory;
    QVariant target = categoryKey;
    if (!ownCategory.isEmpty())
        target = QVariantMap{{OWN_CATEGORY_PARENT, categoryKey}, {OWN_CATEGORY_NAME, ownCategory}};
    shelf.recurseDirThread->start(ApplicationWalk::jobs(target, selection, desktopCategory));
}

int ShelfWalks::categoryFor(const QVariant& data)
{
    const QVariant target = ApplicationWalk::callerData(data);
    if (target.type() != QVariant::Map)
        return categoryKeyOf(data);
    // Made with the first entry that is listed, so a walk without one leaves no empty
    // category behind; later entries find it by its name.
    const QVariantMap own = target.toMap();
    const int parentKey = own.value(OWN_CATEGORY_PARENT).toInt();
    CategoryHeaderItem* category = shelf.addCategory(own.value(OWN_CATEGORY_NAME).toString(), parentKey);
    return category ? category->getKey() : parentKey;
}

void ShelfWalks::addFolder(const QString& path, int categoryKey)
{
    if (walksStopped || path.isEmpty())
        return;
    shelf.recurseDirThread->start(addTrailingSeparator(path), categoryKey, contentsWalk);
}

AddProgressWidget* ShelfWalks::progressPanel()
{
    AddProgressWidget* panel = AddProgressWidget::instance();
    if (wiredProgressPanel != panel) {
        // Continue and Abort act on this cabinet's walkers only while the window is
        // shown for this cabinet; an idle walker elsewhere is never woken.
        wiredProgressPanel = panel;
        connect(panel, &AddProgressWidget::ready, this, [this, panel] {
            if (panel->shelf != &shelf)
                return;
            shelf.recurseDirThread->next();
            shelf.listIteratorThread->next();
            shelf.view->setUrlPastePaused(false);
            shelf.bookmarksParser->setPaused(false);
        });
        connect(panel, &AddProgressWidget::aborted, this, [this, panel] {
            if (panel->shelf != &shelf)
                return;
            abortAll();
            BookmarksImport(shelf).ended();
        });
    }
    return panel;
}

bool ShelfWalks::showProgress(MyThumbnailItem* item)
{
    AddProgressWidget* panel = progressPanel();
    if (panel->shelf && panel->shelf != &shelf)
        return false;
    if (!item)
        return true;
    QPixmap picture = item->getImage();
    const QSize box = panel->thumbnail->size();
    if (picture.width() > box.width() || picture.height() > box.height())
        picture = picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    panel->thumbnail->setPixmap(picture);
    panel->nameLabel->setText(item->properties.name);
    panel->typeLabel->setText(item->properties.typeName);
    panel->repaint();
    if (panel->isHidden())
        panel->show(&shelf);
    return true;
}

void ShelfWalks::fileFound(QString name, const QString& path, const QVariant& data)
{
    if (walksStopped || shelf.recurseDirThread->aborted())
        return;

    if (ApplicationWalk::isApplicationReport(data) && !applicationWalk.take(path, data, name)) {
        shelf.recurseDirThread->next();
        return;
    }

    MyThumbnailItem* item = shelf.addItem(name, path, QPixmap(), categoryFor(data), GenericPath);
    if (!showProgress(item)) {
        shelf.recurseDirThread->next();
        return;
    }
    if (progressPanel()->paused)
        return;  // Continue on the progress window lets the walk go on
    shelf.recurseDirThread->next();
}

void ShelfWalks::dirFound(const QString& name, const QString& path, const QVariant& data)
{
    if (walksStopped || shelf.recurseDirThread->aborted())
        return;

    const QPointer<VorendaShelf> self(&shelf);
    const quint64 walk = endedWalks;
    shelf.dialogOpen = true;
    if (shelf.subfolderChoice == -1) {
        SubfoldersWarningDialog question(&shelf);
        const int answer = question.exec(path);
        if (!self)
            return;
        shelf.subfolderChoice = answer;
    }
    shelf.dialogOpen = false;
    // The walk may have been stopped or may have ended while the question was open;
    // the answer then belongs to nothing.
    if (walk != endedWalks || walksStopped || shelf.recurseDirThread->aborted())
        return;

    const int parentKey = categoryKeyOf(data);
    switch (shelf.subfolderChoice) {
    case SubfoldersWarningDialog::Subcategories:
        if (CategoryHeaderItem* category = shelf.addCategory(name, parentKey)) {
            shelf.recurseDirThread->next(QVariant(category->getKey()), RecurseDirThread::EmitDirFound);
            return;
        }
        break;
    case SubfoldersWarningDialog::Flatten:
        shelf.recurseDirThread->next(data, {});
        return;
    case SubfoldersWarningDialog::Skip:
        shelf.recurseDirThread->next(data, RecurseDirThread::SkipSubfolders);
        return;
    case SubfoldersWarningDialog::AsItems:
        showProgress(shelf.addItem(name, path, QPixmap(), parentKey, GenericPath));
        shelf.recurseDirThread->next(data, RecurseDirThread::EmitDirFound | RecurseDirThread::DirAsFile);
        return;
    default:
        break;
    }

    // Cancelled: the whole walk stops.
    AddProgressWidget* panel = progressPanel();
    if (panel->shelf == &shelf)
        panel->abort();
    shelf.recurseDirThread->abort();
    shelf.subfolderChoice = -1;
}

void ShelfWalks::folderWalkFinished()
{
    if (walksStopped)
        return;
    ++endedWalks;
    if (wiredProgressPanel && wiredProgressPanel->shelf == &shelf)
        wiredProgressPanel->close();
    shelf.subfolderChoice = -1;
    applicationWalk.clear();
    shelf.updateStatusLabel();
    shelf.save();
}

void ShelfWalks::listWalkFinished(QList<void*>* list)
{
    delete list;
    if (walksStopped)
        return;
    if (wiredProgressPanel && wiredProgressPanel->shelf == &shelf)
        wiredProgressPanel->close();
    shelf.save();
}

void ShelfWalks::urlPasteProgress(AbstractThumbnailItem* item)
{
    if (walksStopped)
        return;
    // Without a new item yet the window waits for the first one.
    auto* shown = qobject_cast<MyThumbnailItem*>(item);
    if (shown && showProgress(shown) && progressPanel()->paused)
        shelf.view->setUrlPastePaused(true);
}

void ShelfWalks::urlPasteFinished()
{
    if (walksStopped)
        return;
    if (wiredProgressPanel && wiredProgressPanel->shelf == &shelf)
        wiredProgressPanel->close();
    shelf.updateStatusLabel();
}

void ShelfWalks::bookmarkFolderFound(const QString& name, QVariant& data, bool& emitDirFound, bool& skipSubfolders,
                                     bool& abort)
{
    const QPointer<VorendaShelf> self(&shelf);
    shelf.dialogOpen = true;
    if (shelf.bookmarkFolderChoice == -1) {
        BookmarksWarningDialog question(&shelf);
        const int answer = question.exec();
        if (!self) {
            abort = true;
            return;
        }
        shelf.bookmarkFolderChoice = answer;
    }
    shelf.dialogOpen = false;

    switch (shelf.bookmarkFolderChoice) {
    case 1: {
        QString category = name;
        if (name.compare(QLatin1String("bookmarksbar"), Qt::CaseInsensitive) == 0)
            category = VorendaShelf::tr("Bookmarks Bar");
        else if (name.compare(QLatin1String("bookmarksmenu"), Qt::CaseInsensitive) == 0)
            category = VorendaShelf::tr("Bookmarks Menu");
        if (CategoryHeaderItem* header = shelf.addCategory(category, categoryKeyOf(data))) {
            data = QVariant(header->getKey());
            return;
        }
        break;
    }
    case 2:
        emitDirFound = false;
        return;
    case 3:
        skipSubfolders = true;
        return;
    default:
        break;
    }
    abort = true;
    shelf.bookmarkFolderChoice = -1;
}

void ShelfWalks::bookmarkFound(const QString& name, const QString& url, const QVariant& data)
{
    lastBookmark = shelf.addItem(name, url, QPixmap(), categoryKeyOf(data), GenericWebUrl);
}

void ShelfWalks::bookmarksProgress()
{
    // The window shows the last item of each slice of the import, and a pause holds
    // the import after it.
    if (walksStopped || !lastBookmark)
        return;
    if (showProgress(lastBookmark) && progressPanel()->paused)
        shelf.bookmarksParser->setPaused(true);
}

void ShelfWalks::bookmarksFinished(int folders, int urls, bool aborted)
{
    lastBookmark = nullptr;
    if (wiredProgressPanel && wiredProgressPanel->shelf == &shelf)
        wiredProgressPanel->close();
    BookmarksImport(shelf).finished(folders, urls, aborted);
}

void ShelfWalks::stop()
{
    if (walksStopped)
        return;
    walksStopped = true;
    disconnect(shelf.recurseDirThread, nullptr, &shelf, nullptr);
    disconnect(shelf.listIteratorThread, nullptr, &shelf, nullptr);
    disconnect(shelf.view, &AbstractThumbnailView::urlPasteProgress, this, nullptr);
    disconnect(shelf.view, &AbstractThumbnailView::urlPasteFinished, this, nullptr);
    disconnect(shelf.bookmarksParser, nullptr, &shelf, nullptr);
    disconnect(shelf.bookmarksParser, nullptr, this, nullptr);
    abortAll();
    if (wiredProgressPanel) {
        disconnect(wiredProgressPanel, nullptr, this, nullptr);
        if (wiredProgressPanel->shelf == &shelf)
            wiredProgressPanel->close();
    }
}

void ShelfWalks::abort()
{
    abortAll();
    if (wiredProgressPanel && wiredProgressPanel->shelf == &shelf)
        wiredProgressPanel->abort();
}

void ShelfWalks::abortAll()
{
    shelf.recurseDirThread->abort();
    shelf.listIteratorThread->abort();
    shelf.view->abortUrlPaste();
    shelf.bookmarksParser->abort();
}

// ---- The cabinet's entry points

void VorendaShelf::addItems(int, const QString& path, int categoryKey)
{
    ShelfParts::of(*this).walks.addFolder(path, categoryKey);
}

void VorendaShelf::onFileFound(QString name, QString path, QVariant data)
{
    ShelfParts::of(*this).walks.fileFound(name, path, data);
}

void VorendaShelf::onDirFound(QString name, QString path, QVariant data)
{
    ShelfParts::of(*this).walks.dirFound(name, path, data);
}

void VorendaShelf::onRecurseDirThreadFinished(int, int, bool)
{
    ShelfParts::of(*this).walks.folderWalkFinished();
}

void VorendaShelf::onListIteratorThreadFinished(QList<void*>* list, int, bool)
{
    ShelfParts::of(*this).walks.listWalkFinished(list);
}

void VorendaShelf::onFolderFound(QString name, QVariant& data, bool& emitDirFound, bool& skipSubfolders, bool& abort)
{
    ShelfParts::of(*this).walks.bookmarkFolderFound(name, data, emitDirFound, skipSubfolders, abort);
}

void VorendaShelf::onBookmarkFound(QString name, QString url, QVariant data)
{
    ShelfParts::of(*this).walks.bookmarkFound(name, url, data);
}

void VorendaShelf::onBookmarksParserFinished(int folders, int urls, bool aborted)
{
    ShelfParts::of(*this).walks.bookmarksFinished(folders, urls, aborted);
}
