// The status label of the bottom bar: counts of categories and items, or a passing
// confirmation.
#include "VorendaShelf.h"

#include "AbstractThumbnailItem.h"
#include "SkinWidget.h"

void VorendaShelf::updateStatusLabel()
{
    statusMessageShown = false;
    statusLabelSkin->setBackground(BackgroundProperty(BackgroundPainter()));
    statusLabelSkin->setTextPen(statusPen);
    if (hidecabinetinfo) {
        statusLabel->clear();
        return;
    }
    QString categories = QString::number(view->getCategoryHeaderList(-1, true).size());
    QString items = QString::number(view->getAllItems().size());
    const QList<AbstractThumbnailItem*> filter = view->getFilter();
    if (!filter.isEmpty()) {
        categories = QStringLiteral("%1/%2").arg(view->getFilteredCategoryHeaderList().size()).arg(categories);
        // A search without hits leaves one null entry in the filter.
        items = QStringLiteral("%1/%2").arg(filter.first() ? filter.size() : 0).arg(items);
    }
    statusLabel->setText(tr("%1 Categories, %2 Items").arg(categories, items));
}

void VorendaShelf::showStatusMessage(const QString& text)
{
    BackgroundPainter dark(QColor(0, 0, 0, 80));
    dark.setBorderPainter(BorderPainter(0.0, 10.0, QColor(0, 0, 0, 0)));
    statusLabelSkin->setBackground(BackgroundProperty(dark, dark, BackgroundPainter(), BackgroundPainter(), dark));
    statusLabelSkin->setTextPen(PenProperty(QPen(Qt::white)));
    statusLabel->setText(text);
    statusMessageShown = true;
}

void VorendaShelf::onFocusOutThumbSizeSlider(QEvent*)
{
    thumbSizeAnchor = nullptr;
    if (statusMessageShown)
        updateStatusLabel();
}
