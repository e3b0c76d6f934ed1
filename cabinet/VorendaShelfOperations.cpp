#include "VorendaShelf.h"

#include "AddProgressWidget.h"
#include "DesktopOpener.h"
#include "DockableWidget.h"
#include "FilterScan.h"
#include "ItemPropertiesDialog.h"
#include "ListIteratorThread.h"
#include "MessageDialog.h"
#include "MyThumbnailItem.h"
#include "ObjectEventFilter.h"
#include "PersonalizationHook.h"
#include "QuickSearchWidget.h"
#include "QuickStartHook.h"
#include "SearchBox.h"
#include "ThumbnailItemModel.h"
#include "VorendaGlobal.h"

#include <QDateTime>

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

} // namespace

void VorendaShelf::setUpSearchAndOperations()
{
    connect(searchBox, &QLineEdit::textChanged, this, &VorendaShelf::onSearchBoxTextChanged);
    connect(searchBox, &SearchBox::searchButtonClicked, this, &VorendaShelf::onSearchButtonClicked);
    connect(searchBoxFocusFilter.get(), &ObjectEventFilter::filterEvent, this, &VorendaShelf::onFocusOutSearchBox);
    // A search box taken out of reach would leave its filter on with no way to clear it.
    searchHideFilter = std::make_unique<ObjectEventFilter>(QEvent::HideToParent, false);
    searchBox->installEventFilter(searchHideFilter.get());
    topFrame->installEventFilter(searchHideFilter.get());
    connect(searchHideFilter.get(), &ObjectEventFilter::filterEvent, this,
            [this](QEvent*) { dropSearchWhenUnreachable(); });

    connect(view, &AbstractThumbnailView::itemSelected, this, &VorendaShelf::onItemSelected);
    connect(view, &AbstractThumbnailView::itemClicked, this, &VorendaShelf::onItemClicked);
    connect(view, &AbstractThumbnailView::itemDoubleClicked, this, &VorendaShelf::onItemDoubleClicked);
    connect(view, &AbstractThumbnailView::moveItem, this, &VorendaShelf::onMoveItem);
    connect(view->model(), &QAbstractItemModel::modelReset, this, &VorendaShelf::onViewModelReset);
    filterScan = new FilterScan(this);
    filterScan->setObjectName(QStringLiteral("cabinetSearch"));
    connect(filterScan, &FilterScan::finished, this, &VorendaShelf::showFoundRows);
    connect(listIteratorThread, &ListIteratorThread::itemFound, this, &VorendaShelf::onItemFound);
}

void VorendaShelf::onItemClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers)
{
    thumbSizeAnchor = nullptr;
    if (statusMessageShown)
        updateStatusLabel();
    if (VorendaGlobal::singleClickOpen)
        openOrLocate(*this, item, modifiers);
}

void VorendaShelf::onItemDoubleClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers)
{
    thumbSizeAnchor = nullptr;
    if (!VorendaGlobal::singleClickOpen)
        openOrLocate(*this, item, modifiers);
}

// Linux has no "open maximized" request for another program, so the flag goes unused.
void VorendaShelf::onOpenItem(MyThumbnailItem* item, bool)
{
    if (!item)
        return;
    if (!DesktopOpener::open(item->properties.target)) {
        VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Could not open '%1'").arg(item->properties.target));
        return;
    }
    item->properties.accessed = quint32(QDateTime::currentSecsSinceEpoch());
    item->properties.popularity += 1;
    item->animateClick();
    scheduleSave();
    hideAfterOpening();
}

void VorendaShelf::onLocateItem(MyThumbnailItem* item, bool maximized)
{
    if (kiosk || !item)
        return;
    const QString target = item->properties.target;
    if (!target.isEmpty() && !VorendaGlobal::locateItem(target, maximized)) {
        dialogOpen = true;
        MessageDialog dialog;
        dialog.exec(this,
                    tr("Could not locate '%1', make sure the file that this item refers to has not been deleted or "
                       "moved!")
                        .arg(target),
                    MessageDialog::Critical, MessageDialog::OkButton);
        dialogOpen = false;
    }
    hideAfterOpening();
}

bool VorendaShelf::keepsShownAfterOpening() const
{
    if (kiosk || !frame->isAutoHide())
        return true;
    if (QuickSearchWidget::visible() && QuickSearchWidget::instance()->searchingVorenda())
        return true;
    if (PersonalizationHook::isEditing(this))
        return true;
    if (QuickStartHook::isServing(this))
        return true;
    if (ItemPropertiesDialog::visible() && ItemPropertiesDialog::instance()->getItemView() == view)
        return true;
    if (AddProgressWidget::visible() && AddProgressWidget::instance()->shelf == this)
        return true;
    return false;
}

void VorendaShelf::hideAfterOpening()
{
    if (!keepsShownAfterOpening())
        frame->hide();
}

void VorendaShelf::onRenameItem()
{
    if (kiosk)
        return;
    auto* item = qobject_cast<MyThumbnailItem*>(view->getFirstSelectedItem());
    if (!item)
        return;
    item->editLabel();
    view->hideFloatingLabel();
    view->ensureVisible(item, 50, 50);
}

void VorendaShelf::onSetItemProperties()
{
    if (kiosk)
        return;
    auto* item = qobject_cast<MyThumbnailItem*>(view->getFirstSelectedItem());
    if (!item)
        return;
    view->hideFloatingLabel();
    view->ensureVisible(item, 50, 50);
    if (ItemPropertiesDialog* dialog = ItemPropertiesDialog::instance())
        dialog->show(item);
}

void VorendaShelf::onShowItemInfo()
{
    if (kiosk)
        return;
    for (AbstractThumbnailItem* selected : view->getSelectedItems()) {
        if (auto* item = qobject_cast<MyThumbnailItem*>(selected))
            item->showItemInfo(!item->isInfoShown(), false);
    }
    view->hideFloatingLabel();
    view->updateLayout();
}

void VorendaShelf::onShowItemLabel()
{
    if (kiosk)
        return;
    for (AbstractThumbnailItem* selected : view->getSelectedItems()) {
        auto* item = qobject_cast<MyThumbnailItem*>(selected);
        if (!item)
            continue;
        item->showItemLabel(!item->isLabelShown(), false);
        if (ItemPropertiesDialog::visible() && ItemPropertiesDialog::instance()->item == item)
            ItemPropertiesDialog::instance()->updateSettings();
    }
    view->hideFloatingLabel();
    view->updateLayout();
}

void VorendaShelf::onMoveItem(AbstractThumbnailItem* item, int, AbstractThumbnailView*, bool* ok)
{
    if (ok)
        *ok = !kiosk;
    auto* thumbnail = qobject_cast<MyThumbnailItem*>(item);
    if (kiosk || !thumbnail)
        return;
    onApplyStyle(style, thumbnail);
    const int size = getThumbnailSize(thumbnail->properties.type, thumbnail->properties.customthumb,
                                      thumbnail->properties.thumbsize);
    if (size != thumbnail->getImageSize().width())
        thumbnail->setImageSize(normalizeSize(thumbnail->getImage().size(), size));
}

void VorendaShelf::onItemSelected(AbstractThumbnailItem* item, bool on)
{
    auto* thumbnail = qobject_cast<MyThumbnailItem*>(item);
    if (!on || !thumbnail)
        return;
    const int size = thumbnail->properties.thumbsize ? thumbnail->properties.thumbsize
                                                     : VorendaGlobal::SHELF_THUMBSIZE / 2;
    thumbSizeSlider->setValue(qBound(thumbSizeSlider->minimum(), size, thumbSizeSlider->maximum()));
}

void VorendaShelf::onSelectAll()
{
    view->setFocus(Qt::OtherFocusReason);
    view->selectAll();
}

void VorendaShelf::showShelfAt(int offset)
{
    const QList<VorendaShelf*>& shelves = VorendaGlobal::shelves;
    const int index = shelves.indexOf(this);
    if (shelves.size() < 2 || index < 0)
        return;
    const int next = (index + offset + shelves.size()) % shelves.size();
    shelves.at(next)->frame->show();
}

void VorendaShelf::onNextShelf()
{
    showShelfAt(1);
}

void VorendaShelf::onPreviousShelf()
{
    showShelfAt(-1);
}

void VorendaShelf::onNavigatorItemClicked(AbstractThumbnailItem*, Qt::KeyboardModifiers)
{
}

void VorendaShelf::onNavigatorItemDoubleClicked(AbstractThumbnailItem*, Qt::KeyboardModifiers)
{
}
