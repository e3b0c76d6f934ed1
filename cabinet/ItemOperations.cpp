#include "ItemOperations.h"

#include "CabinetPanels.h"
#include "DesktopOpener.h"
#include "DockableWidget.h"
#include "FileInfoProvider.h"
#include "ItemPropertiesDialog.h"
#include "MessageDialog.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "ShelfLog.h"
#include "ShelfParts.h"
#include "ThumbType.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

// Shift reveals the item, else it opens; Alt asks for a maximized window.
void openOrLocate(VorendaShelf& shelf, AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers)
{
    auto* thumbnail = qobject_cast<MyThumbnailItem*>(item);
    if (!thumbnail)
        return;
    if (modifiers & Qt::ShiftModifier)
        shelf.onLocateItem(thumbnail, modifiers & Qt::AltModifier);
    else
        shelf.onOpenItem(thumbnail, modifiers & Qt::AltModifier);
}

// An address may be megabytes long (a data: URL); messages show its ends.
QString shortened(const QString& address)
{
    constexpr int shown = 120;
    if (address.size() <= shown)
        return address;
    return address.left(shown / 2) + QChar(0x2026) + address.right(shown / 2);
}

} // namespace

bool ItemOperations::isAddress(const MyThumbnailItem::Properties& properties) const
{
    // Web links hold addresses; a web page file the user added keeps its plain path.
    if (properties.type != ThumbWebPage)
        return false;
    const QString& target = properties.target;
    return !QDir::isAbsolutePath(target) || !shelf.fileInfoProvider->isWebPage(QFileInfo(target));
}

void ItemOperations::refuse(const QString& address)
{
    ShelfLog::write(shelf, QStringLiteral("Not opened: '%1' is no web, mail or file address").arg(shortened(address)));
    shelf.dialogOpen = true;
    MessageDialog dialog;
    dialog.exec(&shelf,
                VorendaShelf::tr("'%1' was not opened: only web addresses (http, https, ftp), mail addresses "
                                 "(mailto) and local files and folders are opened.")
                    .arg(shortened(address)),
                MessageDialog::Warning, MessageDialog::OkButton);
    shelf.dialogOpen = false;
}

void ItemOperations::distrust(const QString& target)
{
    ShelfLog::write(shelf, QStringLiteral("Not started: the entry '%1' is not trusted; shown in the file manager")
                               .arg(shortened(target)));
    shelf.dialogOpen = true;
    MessageDialog dialog;
    dialog.exec(&shelf,
                VorendaShelf::tr("'%1' was not started because it is not trusted: it is shown in the file manager "
                                 "instead. A program starts from an entry in an applications folder, or from one "
                                 "you made executable: to trust this one, make it executable (in its properties in "
                                 "the file manager, or with \"chmod +x\") and open it again.")
                    .arg(shortened(target)),
                MessageDialog::Warning, MessageDialog::OkButton);
    shelf.dialogOpen = false;
}

ItemOperations::ItemOperations(VorendaShelf& shelf)
    : shelf(shelf)
{
}

void ItemOperations::clicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers)
{
    shelf.thumbSizeAnchor = nullptr;
    if (shelf.statusMessageShown)
        shelf.updateStatusLabel();
    if (VorendaGlobal::singleClickOpen)
        openOrLocate(shelf, item, modifiers);
}

void ItemOperations::doubleClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers)
{
    shelf.thumbSizeAnchor = nullptr;
    if (!VorendaGlobal::singleClickOpen)
        openOrLocate(shelf, item, modifiers);
}

void ItemOperations::open(MyThumbnailItem* item)
{
    if (!item)
        return;
    const QString& target = item->properties.target;
    const bool address = isAddress(item->properties);
    switch (address ? DesktopOpener::openAddress(target) : DesktopOpener::open(target)) {
    case DesktopOpener::Outcome::Opened:
        break;
    case DesktopOpener::Outcome::Revealed:
        ShelfLog::write(shelf, QStringLiteral("'%1' names a program: shown in the file manager, not opened")
                                   .arg(shortened(target)));
        hideAfterOpening();
        return;
    case DesktopOpener::Outcome::Untrusted:
        distrust(target);
        hideAfterOpening();
        return;
    case DesktopOpener::Outcome::Refused:
        refuse(target);
        return;
    case DesktopOpener::Outcome::Failed:
        ShelfLog::write(shelf, QStringLiteral("Could not open '%1'").arg(shortened(target)));
        return;
    }
    item->properties.accessed = quint32(QDateTime::currentSecsSinceEpoch());
    item->properties.popularity += 1;
    item->animateClick();
    ShelfParts::of(shelf).dataFile.scheduleSave();
    hideAfterOpening();
}

void ItemOperations::locate(MyThumbnailItem* item, bool maximized)
{
    if (shelf.kiosk || !item)
        return;
    const QString target = item->properties.target;
    if (!target.isEmpty() && !VorendaGlobal::locateItem(target, maximized)) {
        shelf.dialogOpen = true;
        MessageDialog dialog;
        dialog.exec(&shelf,
                    VorendaShelf::tr("Could not locate '%1', make sure the file that this item refers to has not been "
                                     "deleted or moved!")
                        .arg(target),
                    MessageDialog::Critical, MessageDialog::OkButton);
        shelf.dialogOpen = false;
    }
    hideAfterOpening();
}

bool ItemOperations::keepsShownAfterOpening() const
{
    if (shelf.kiosk || !shelf.frame->isAutoHide())
        return true;
    return CabinetPanels::workOn(shelf);
}

void ItemOperations::hideAfterOpening()
{
    if (!keepsShownAfterOpening())
        shelf.frame->hide();
}

void ItemOperations::renameSelected()
{
    if (shelf.kiosk)
        return;
    auto* item = qobject_cast<MyThumbnailItem*>(shelf.view->getFirstSelectedItem());
    if (!item)
        return;
    item->editLabel();
    shelf.view->hideFloatingLabel();
    shelf.view->ensureVisible(item, 50, 50);
}

void ItemOperations::showSelectedProperties()
{
    if (shelf.kiosk)
        return;
    auto* item = qobject_cast<MyThumbnailItem*>(shelf.view->getFirstSelectedItem());
    if (!item)
        return;
    shelf.view->hideFloatingLabel();
    shelf.view->ensureVisible(item, 50, 50);
    if (ItemPropertiesDialog* dialog = ItemPropertiesDialog::instance())
        dialog->show(item);
}

void ItemOperations::toggleSelectedInfo()
{
    if (shelf.kiosk)
        return;
    for (AbstractThumbnailItem* selected : shelf.view->getSelectedItems()) {
        if (auto* item = qobject_cast<MyThumbnailItem*>(selected))
            item->showItemInfo(!item->isInfoShown(), false);
    }
    shelf.view->hideFloatingLabel();
    shelf.view->updateLayout();
}

void ItemOperations::toggleSelectedLabels()
{
    if (shelf.kiosk)
        return;
    for (AbstractThumbnailItem* selected : shelf.view->getSelectedItems()) {
        auto* item = qobject_cast<MyThumbnailItem*>(selected);
        if (!item)
            continue;
        item->showItemLabel(!item->isLabelShown(), false);
        if (ItemPropertiesDialog::visible() && ItemPropertiesDialog::instance()->item == item)
            ItemPropertiesDialog::instance()->updateSettings();
    }
    shelf.view->hideFloatingLabel();
    shelf.view->updateLayout();
}

void ItemOperations::moveIn(AbstractThumbnailItem* item, bool* ok)
{
    if (ok)
        *ok = !shelf.kiosk;
    auto* thumbnail = qobject_cast<MyThumbnailItem*>(item);
    if (shelf.kiosk || !thumbnail)
        return;
    shelf.onApplyStyle(shelf.style, thumbnail);
    const int size = VorendaShelf::getThumbnailSize(thumbnail->properties.type, thumbnail->properties.customthumb,
                                                    thumbnail->properties.thumbsize);
    if (size != thumbnail->getImageSize().width())
        thumbnail->setImageSize(VorendaShelf::normalizeSize(thumbnail->getImage().size(), size));
}

void ItemOperations::selected(AbstractThumbnailItem* item, bool on)
{
    auto* thumbnail = qobject_cast<MyThumbnailItem*>(item);
    // The slider's value is saved as the cabinet's size for new items: a locked
    // cabinet keeps it.
    if (!on || !thumbnail || shelf.kiosk)
        return;
    const int size = thumbnail->properties.thumbsize ? thumbnail->properties.thumbsize
                                                     : VorendaGlobal::SHELF_THUMBSIZE / 2;
    QSlider* slider = shelf.thumbSizeSlider;
    slider->setValue(qBound(slider->minimum(), size, slider->maximum()));
}

void ItemOperations::selectAll()
{
    shelf.view->setFocus(Qt::OtherFocusReason);
    shelf.view->selectAll();
}

void ItemOperations::showShelfAt(int offset)
{
    const QList<VorendaShelf*>& shelves = VorendaGlobal::shelves;
    const int index = shelves.indexOf(&shelf);
    if (shelves.size() < 2 || index < 0)
        return;
    const int next = (index + offset + shelves.size()) % shelves.size();
    shelves.at(next)->frame->show();
}


// ---- The cabinet's entry points

void VorendaShelf::onItemClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers)
{
    ItemOperations(*this).clicked(item, modifiers);
}

void VorendaShelf::onItemDoubleClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers)
{
    ItemOperations(*this).doubleClicked(item, modifiers);
}

// Linux has no "open maximized" request for another program, so the flag goes unused.
void VorendaShelf::onOpenItem(MyThumbnailItem* item, bool)
{
    ItemOperations(*this).open(item);
}

void VorendaShelf::onLocateItem(MyThumbnailItem* item, bool maximized)
{
    ItemOperations(*this).locate(item, maximized);
}

void VorendaShelf::onShowItemInfo()
{
    ItemOperations(*this).toggleSelectedInfo();
}

void VorendaShelf::onShowItemLabel()
{
    ItemOperations(*this).toggleSelectedLabels();
}

void VorendaShelf::onRenameItem()
{
    ItemOperations(*this).renameSelected();
}

void VorendaShelf::onSetItemProperties()
{
    ItemOperations(*this).showSelectedProperties();
}

void VorendaShelf::onMoveItem(AbstractThumbnailItem* item, int, AbstractThumbnailView*, bool* ok)
{
    ItemOperations(*this).moveIn(item, ok);
}

void VorendaShelf::onItemSelected(AbstractThumbnailItem* item, bool on)
{
    ItemOperations(*this).selected(item, on);
}

void VorendaShelf::onSelectAll()
{
    ItemOperations(*this).selectAll();
}

void VorendaShelf::onNextShelf()
{
    ItemOperations(*this).showShelfAt(1);
}

void VorendaShelf::onPreviousShelf()
{
    ItemOperations(*this).showShelfAt(-1);
}

void VorendaShelf::onNavigatorItemClicked(AbstractThumbnailItem*, Qt::KeyboardModifiers)
{
}

void VorendaShelf::onNavigatorItemDoubleClicked(AbstractThumbnailItem*, Qt::KeyboardModifiers)
{
}
