#include "ShelfStatusBar.h"

#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "SkinWidget.h"
#include "VorendaShelf.h"

#include <QSlider>

ShelfStatusBar::ShelfStatusBar(VorendaShelf& shelf)
    : shelf(shelf)
{
}

void ShelfStatusBar::update()
{
    shelf.statusMessageShown = false;
    shelf.statusLabelSkin->setBackground(BackgroundProperty(BackgroundPainter()));
    shelf.statusLabelSkin->setTextPen(shelf.statusPen);
    if (shelf.hidecabinetinfo) {
        shelf.statusLabel->clear();
        return;
    }
    QString categories = QString::number(shelf.view->getCategoryHeaderList(-1, true).size());
    QString items = QString::number(shelf.view->getAllItems().size());
    const QList<AbstractThumbnailItem*> filter = shelf.view->getFilter();
    if (!filter.isEmpty()) {
        categories = QStringLiteral("%1/%2").arg(shelf.view->getFilteredCategoryHeaderList().size()).arg(categories);
        // A search without hits leaves one null entry in the filter.
        items = QStringLiteral("%1/%2").arg(filter.first() ? filter.size() : 0).arg(items);
    }
    shelf.statusLabel->setText(VorendaShelf::tr("%1 Categories, %2 Items").arg(categories, items));
}

void ShelfStatusBar::showMessage(const QString& text)
{
    BackgroundPainter dark(QColor(0, 0, 0, 80));
    dark.setBorderPainter(BorderPainter(0.0, 10.0, QColor(0, 0, 0, 0)));
    shelf.statusLabelSkin->setBackground(
        BackgroundProperty(dark, dark, BackgroundPainter(), BackgroundPainter(), dark));
    shelf.statusLabelSkin->setTextPen(PenProperty(QPen(Qt::white)));
    shelf.statusLabel->setText(text);
    shelf.statusMessageShown = true;
}

void ShelfStatusBar::sliderLeft()
{
    shelf.thumbSizeAnchor = nullptr;
    if (shelf.statusMessageShown)
        update();
}

void ShelfStatusBar::resizeSelection()
{
    // Values the program sets, as at loading, resize nothing; nor does a locked cabinet
    // take a value its slider was moved to before the lock.
    if (!shelf.thumbSizeSlider->hasFocus() || shelf.kiosk)
        return;
    const QList<AbstractThumbnailItem*> selected = shelf.view->getSelectedItems();
    if (selected.isEmpty()) {
        shelf.thumbSizeAnchor = nullptr;
        showMessage(VorendaShelf::tr("No item is selected!"));
        return;
    }
    // The anchor may have left the cabinet since the last step.
    if (shelf.thumbSizeAnchor && !shelf.view->getAllItems().contains(shelf.thumbSizeAnchor))
        shelf.thumbSizeAnchor = nullptr;
    if (!shelf.thumbSizeAnchor)
        shelf.thumbSizeAnchor = shelf.view->itemAtCenter();
    shelf.view->setUpdatesEnabled(false);
    for (AbstractThumbnailItem* entry : selected) {
        auto* item = qobject_cast<MyThumbnailItem*>(entry);
        if (!item)
            continue;
        const int size = VorendaShelf::getThumbnailSize(item->properties.type, item->properties.customthumb,
                                                        shelf.thumbSizeSlider->value());
        item->properties.thumbsize = size;
        if (size != item->getImageSize().width())
            item->setImageSize(VorendaShelf::normalizeSize(item->getImage().size(), size));
        if (!shelf.thumbSizeAnchor && item->isVisibleToView())
            shelf.thumbSizeAnchor = item;
    }
    shelf.view->setUpdatesEnabled(true);
    shelf.view->hideFloatingLabel();
    shelf.view->updateLayout();
    if (shelf.thumbSizeAnchor)
        shelf.view->centerOn(shelf.thumbSizeAnchor);
}

void ShelfStatusBar::refuseMoveWhileLocked()
{
    // Called before the move reaches the value: setting the position back cancels it.
    if (shelf.kiosk)
        shelf.thumbSizeSlider->setSliderPosition(shelf.thumbSizeSlider->value());
}

// ---- The cabinet's entry points

void VorendaShelf::updateStatusLabel()
{
    ShelfStatusBar(*this).update();
}

void VorendaShelf::showStatusMessage(const QString& text)
{
    ShelfStatusBar(*this).showMessage(text);
}

void VorendaShelf::onFocusOutThumbSizeSlider(QEvent*)
{
    ShelfStatusBar(*this).sliderLeft();
}

void VorendaShelf::onThumbSizeChanged(int)
{
    ShelfStatusBar(*this).resizeSelection();
}
