#include "VorendaShelf.h"

#include "AddProgressWidget.h"
#include "ApplicationWalk.h"
#include "BookmarksImport.h"
#include "BookmarksWarningDialog.h"
#include "CategoryHeaderItem.h"
#include "ListIteratorThread.h"
#include "MyThumbnailItem.h"
#include "OverrideCursor.h"
#include "PathFunctions.h"
#include "RecurseDirThread.h"
#include "SafariBookmarksParser.h"
#include "StandardPlaces.h"
#include "SubfoldersWarningDialog.h"
#include "ThumbType.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace {

int categoryKeyOf(const QVariant& data)
{
    bool ok = false;
    const int key = ApplicationWalk::callerData(data).toInt(&ok);
    return ok ? key : -1;
}

// The folder shortcuts that "All Above" adds, in menu order.
const MenuType ALL_SHORTCUTS[] = {HomeShortcut,     DesktopShortcut,   ApplicationsShortcut, UtilitiesShortcut,
                                  FavoritesShortcut, DiskShortcut,      DocumentsShortcut,    PicturesShortcut,
                                  MusicShortcut,     VideosShortcut,    DownloadsShortcut,    TrashShortcut,
                                  TemporaryShortcut};

} // namespace

void VorendaShelf::setUpWalks()
{
    connect(recurseDirThread, &RecurseDirThread::fileFound, this, &VorendaShelf::onFileFound);
    connect(recurseDirThread, &RecurseDirThread::dirFound, this, &VorendaShelf::onDirFound);
    connect(recurseDirThread, &RecurseDirThread::finished, this, &VorendaShelf::onRecurseDirThreadFinished);
    connect(listIteratorThread, &ListIteratorThread::finished, this, &VorendaShelf::onListIteratorThreadFinished);
    connect(view, &AbstractThumbnailView::urlPasteProgress, this, &VorendaShelf::onUrlPasteProgress);
    connect(view, &AbstractThumbnailView::urlPasteFinished, this, &VorendaShelf::onUrlPasteFinished);
    // Direct connections: the importer reads the answers to a folder back from the
    // references as soon as the slot returns.
    connect(bookmarksParser, &SafariBookmarksParser::bookmarkFound, this, &VorendaShelf::onBookmarkFound);
    connect(bookmarksParser, &SafariBookmarksParser::folderFound, this, &VorendaShelf::onFolderFound);
    connect(bookmarksParser, &SafariBookmarksParser::finished, this, &VorendaShelf::onBookmarksParserFinished);
    // A deleted cabinet lives on until the event loop deletes it; its walks must not
    // reach it (nor save its removed data file) meanwhile.
    connect(this, &VorendaShelf::shelfRemoved, this, &VorendaShelf::stopWalks);
    // A walk under way ends with the program rather than keep its thread waiting; what
    // it has added so far is saved with the cabinet.
    if (QCoreApplication::instance()) {
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
            recurseDirThread->abort();
            listIteratorThread->abort();
            // The program's quit has saved what the paste made; its end needs no layout.
            disconnect(view, &AbstractThumbnailView::urlPasteFinished, this, nullptr);
            view->abortUrlPaste();
        });
    }
}

bool VorendaShelf::doPlacesAction(MenuType type, int parameter)
{
    if (!runPlacesAction(type, parameter))
        return false;
    // What a walk adds is counted when it ends.
    updateStatusLabel();
    return true;
}

bool VorendaShelf::runPlacesAction(MenuType type, int parameter)
{
    switch (type) {
    case AddFiles:
        addChosenFiles(parameter);
        return true;
    case AddFolderShortcut:
        addChosenFolder(parameter);
        return true;
    case HomeShortcut:
    case DesktopShortcut:
    case ApplicationsShortcut:
    case UtilitiesShortcut:
    case FavoritesShortcut:
    case DiskShortcut:
    case DocumentsShortcut:
    case PicturesShortcut:
    case MusicShortcut:
    case VideosShortcut:
    case DownloadsShortcut:
    case TrashShortcut:
    case TemporaryShortcut:
        addFolderShortcut(type, parameter);
        return true;
    case AllShortcuts:
        for (MenuType shortcut : ALL_SHORTCUTS)
            addFolderShortcut(shortcut, parameter);
        return true;
    case AddDesktopItems:
    case AddFavorites:
    case AddDocuments:
    case AddMusic:
    case AddPictures:
    case AddVideos:
        addPlaceContents(type, parameter);
        return true;
    case AddApplications:
        addApplications(QString(), parameter);
        return true;
    case AddUtilities:
        addApplications(QStringLiteral("Utility"), parameter);
        return true;
    case AddSafariBookmarks:
        BookmarksImport(*this).start(parameter);
        return true;
    default:
        return false;
    }
}

void VorendaShelf::addChosenFiles(int categoryKey)
{
    settings.beginGroup(QStringLiteral("Cabinets"));
    const QString dirKey = QStringLiteral("ItemsDir_%1").arg(id);
    const QString startFolder =
        settings.value(dirKey, getStorageLocation(QStandardPaths::HomeLocation)).toString();
    const auto patterns = [](const char* list) { return QString::fromLatin1(list).replace(QLatin1Char(';'), QLatin1Char(' ')); };
    const QString filter = tr("All Files (%1);;Images (%2);;Music (%3);;Videos (%4)")
                               .arg(QStringLiteral("*"),
                                    patterns("*.jpg;*.jpeg;*.gif;*.tif;*.bmp;*.png;*.xpm;*.pbm;*.pgm;*.ppm"),
                                    patterns("*.mp3;*.aac;*.wma;*.oga;*.wav"),
                                    patterns("*.mov;*.avi;*.wmv;*.3gp;*.mpg;*.mp4;*.mpeg;*.flv;*.asf;*.mpe;"
                                             "*.3g2;*.vob;*.rm;*.m4v;*.divx;*.xvid;*.3gpp"));
    dialogOpen = true;
    const QStringList files = QFileDialog::getOpenFileNames(this, tr("Select File(s)"), startFolder, filter, nullptr,
                                                            QFileDialog::DontResolveSymlinks);
    dialogOpen = false;

    OverrideCursor busy(Qt::BusyCursor);
    QCoreApplication::processEvents();
    QString lastFolder;
    for (const QString& file : files) {
        const QFileInfo info(file);
        if (file.isEmpty() || !QFile::exists(file) || info.isHidden())
            continue;
        addItem(QString(), removeTrailingSeparator(info.absoluteFilePath()), QPixmap(), categoryKey, GenericPath);
        lastFolder = info.absolutePath();
    }
    if (!lastFolder.isEmpty())
        settings.setValue(dirKey, lastFolder);
    settings.endGroup();
}

void VorendaShelf::addChosenFolder(int categoryKey)
{
    settings.beginGroup(QStringLiteral("Cabinets"));
    const QString dirKey = QStringLiteral("LastDir_%1").arg(id);
    const QString startFolder =
        settings.value(dirKey, getStorageLocation(QStandardPaths::HomeLocation)).toString();
    dialogOpen = true;
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Select Folder"), startFolder, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    dialogOpen = false;
    if (!folder.isEmpty())
        settings.setValue(dirKey, folder);
    settings.endGroup();
    if (!folder.isEmpty())
        addItem(QString(), removeTrailingSeparator(folder), QPixmap(), categoryKey, GenericPath);
}

void VorendaShelf::addFolderShortcut(MenuType type, int categoryKey)
{
    const QString target = StandardPlaces::folder(type);
    if (target.isEmpty())
        return;
    QString name;
    switch (type) {
    case DiskShortcut:
        name = tr("File System");
        break;
    case TrashShortcut:
        name = tr("Trash");
        break;
    case TemporaryShortcut:
        name = tr("System's Temporary Directory");
        break;
    default:
        break;
    }
    addItem(name, target, QPixmap(), categoryKey, GenericPath);
}

void VorendaShelf::addPlaceContents(MenuType type, int categoryKey)
{
    if (walksStopped)
        return;
    const QString folder = StandardPlaces::folder(type);
    if (folder.isEmpty())
        return;
    // The desktop may hold whole folders the user keeps there; they become items.
    const bool dirAsFile = type == AddDesktopItems;
    recurseDirThread->start(addTrailingSeparator(folder), categoryKey, true, true, false, dirAsFile,
                            QThread::InheritPriority);
}

void VorendaShelf::addApplications(const QString& desktopCategory, int categoryKey)
{
    if (walksStopped)
        return;
    const auto selection = desktopCategory.isEmpty() ? ApplicationWalk::AllApplications : ApplicationWalk::InCategory;
    recurseDirThread->start(ApplicationWalk::jobs(categoryKey, selection, desktopCategory), QThread::InheritPriority);
}

void VorendaShelf::addItems(int, const QString& path, int categoryKey)
{
    if (walksStopped || path.isEmpty())
        return;
    recurseDirThread->start(addTrailingSeparator(path), categoryKey, true, true, false, false, QThread::InheritPriority);
}

AddProgressWidget* VorendaShelf::progressPanel()
{
    AddProgressWidget* panel = AddProgressWidget::instance();
    if (wiredProgressPanel != panel) {
        // Continue and Abort act on this cabinet's walkers only while the window is
        // shown for this cabinet; an idle walker elsewhere is never woken.
        wiredProgressPanel = panel;
        connect(panel, &AddProgressWidget::ready, this, [this, panel] {
            if (panel->shelf != this)
                return;
            recurseDirThread->next();
            listIteratorThread->next();
            view->setUrlPastePaused(false);
        });
        connect(panel, &AddProgressWidget::aborted, this, [this, panel] {
            if (panel->shelf != this)
                return;
            recurseDirThread->abort();
            listIteratorThread->abort();
            view->abortUrlPaste();
        });
    }
    return panel;
}

bool VorendaShelf::showProgress(MyThumbnailItem* item)
{
    AddProgressWidget* panel = progressPanel();
    if (panel->shelf && panel->shelf != this)
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
        panel->show(this);
    return true;
}

void VorendaShelf::onFileFound(QString name, QString path, QVariant data)
{
    if (walksStopped || recurseDirThread->aborted())
        return;

    if (ApplicationWalk::isApplicationReport(data) && !applicationWalk.take(path, data, name)) {
        recurseDirThread->next();
        return;
    }

    MyThumbnailItem* item = addItem(name, path, QPixmap(), categoryKeyOf(data), GenericPath);
    if (!showProgress(item)) {
        recurseDirThread->next();
        return;
    }
    if (progressPanel()->paused)
        return;  // Continue on the progress window lets the walk go on
    recurseDirThread->next();
}

void VorendaShelf::onDirFound(QString name, QString path, QVariant data)
{
    if (walksStopped || recurseDirThread->aborted())
        return;

    const QPointer<VorendaShelf> self(this);
    const quint64 walk = endedWalks;
    dialogOpen = true;
    if (subfolderChoice == -1) {
        SubfoldersWarningDialog question(this);
        const int answer = question.exec(path);
        if (!self)
            return;
        subfolderChoice = answer;
    }
    dialogOpen = false;
    // The walk may have been stopped or may have ended while the question was open;
    // the answer then belongs to nothing.
    if (walk != endedWalks || walksStopped || recurseDirThread->aborted())
        return;

    const int parentKey = categoryKeyOf(data);
    switch (subfolderChoice) {
    case SubfoldersWarningDialog::Subcategories:
        if (CategoryHeaderItem* category = addCategory(name, parentKey)) {
            recurseDirThread->next(QVariant(category->getKey()), true, false, false);
            return;
        }
        break;
    case SubfoldersWarningDialog::Flatten:
        recurseDirThread->next(data, false, false, false);
        return;
    case SubfoldersWarningDialog::Skip:
        recurseDirThread->next(data, false, true, false);
        return;
    case SubfoldersWarningDialog::AsItems:
        showProgress(addItem(name, path, QPixmap(), parentKey, GenericPath));
        recurseDirThread->next(data, true, false, true);
        return;
    default:
        break;
    }

    // Cancelled: the whole walk stops.
    AddProgressWidget* panel = progressPanel();
    if (panel->shelf == this)
        panel->abort();
    recurseDirThread->abort();
    subfolderChoice = -1;
}

void VorendaShelf::onRecurseDirThreadFinished(int, int, bool)
{
    if (walksStopped)
        return;
    ++endedWalks;
    if (wiredProgressPanel && wiredProgressPanel->shelf == this)
        wiredProgressPanel->close();
    subfolderChoice = -1;
    applicationWalk.clear();
    updateStatusLabel();
    save();
}

void VorendaShelf::onListIteratorThreadFinished(QList<void*>* list, int, bool)
{
    delete list;
    if (walksStopped)
        return;
    if (wiredProgressPanel && wiredProgressPanel->shelf == this)
        wiredProgressPanel->close();
    save();
}

void VorendaShelf::onUrlPasteProgress(AbstractThumbnailItem* item, int, int)
{
    if (walksStopped)
        return;
    // Without a new item yet the window waits for the first one.
    auto* shown = qobject_cast<MyThumbnailItem*>(item);
    if (shown && showProgress(shown) && progressPanel()->paused)
        view->setUrlPastePaused(true);
}

void VorendaShelf::onUrlPasteFinished(int, bool)
{
    if (walksStopped)
        return;
    if (wiredProgressPanel && wiredProgressPanel->shelf == this)
        wiredProgressPanel->close();
    updateStatusLabel();
}

void VorendaShelf::onFolderFound(QString name, QVariant& data, bool& emitDirFound, bool& skipSubfolders, bool& abort)
{
    const QPointer<VorendaShelf> self(this);
    dialogOpen = true;
    if (bookmarkFolderChoice == -1) {
        BookmarksWarningDialog question(this);
        const int answer = question.exec();
        if (!self) {
            abort = true;
            return;
        }
        bookmarkFolderChoice = answer;
    }
    dialogOpen = false;

    switch (bookmarkFolderChoice) {
    case 1: {
        QString category = name;
        if (name.compare(QLatin1String("bookmarksbar"), Qt::CaseInsensitive) == 0)
            category = tr("Bookmarks Bar");
        else if (name.compare(QLatin1String("bookmarksmenu"), Qt::CaseInsensitive) == 0)
            category = tr("Bookmarks Menu");
        if (CategoryHeaderItem* header = addCategory(category, categoryKeyOf(data))) {
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
    bookmarkFolderChoice = -1;
}

void VorendaShelf::onBookmarkFound(QString name, QString url, QVariant data)
{
    addItem(name, url, QPixmap(), categoryKeyOf(data), GenericWebUrl);
}

void VorendaShelf::onBookmarksParserFinished(int folders, int urls, bool aborted)
{
    BookmarksImport(*this).finished(folders, urls, aborted);
}

void VorendaShelf::stopWalks()
{
    if (walksStopped)
        return;
    walksStopped = true;
    disconnect(recurseDirThread, nullptr, this, nullptr);
    disconnect(listIteratorThread, nullptr, this, nullptr);
    disconnect(view, &AbstractThumbnailView::urlPasteProgress, this, nullptr);
    disconnect(view, &AbstractThumbnailView::urlPasteFinished, this, nullptr);
    disconnect(bookmarksParser, nullptr, this, nullptr);
    recurseDirThread->abort();
    listIteratorThread->abort();
    view->abortUrlPaste();
    bookmarksParser->abort();
    if (wiredProgressPanel) {
        disconnect(wiredProgressPanel, nullptr, this, nullptr);
        if (wiredProgressPanel->shelf == this)
            wiredProgressPanel->close();
    }
}
