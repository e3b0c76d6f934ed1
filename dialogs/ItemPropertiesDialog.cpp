#include "ItemPropertiesDialog.h"

#include "MyThumbnailItem.h"
#include <QCloseEvent>

ItemPropertiesDialog* ItemPropertiesDialog::widgetInstance = nullptr;

ItemPropertiesDialog::ItemPropertiesDialog(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(tr("Item Properties"));
}

ItemPropertiesDialog::~ItemPropertiesDialog()
{
    widgetInstance = nullptr;
}

ItemPropertiesDialog* ItemPropertiesDialog::instance()
{
    if (!widgetInstance)
        widgetInstance = new ItemPropertiesDialog();
    return widgetInstance;
}

bool ItemPropertiesDialog::visible()
{
    return instance()->isVisible();
}

void ItemPropertiesDialog::show(MyThumbnailItem* edited)
{
    item = edited;
    showAndRaise();
}

void ItemPropertiesDialog::updateSettings()
{
}

AbstractThumbnailView* ItemPropertiesDialog::getItemView() const
{
    return item ? item->getView() : nullptr;
}

void ItemPropertiesDialog::showAndRaise()
{
    QWidget::show();
    raise();
    activateWindow();
}

void ItemPropertiesDialog::closeEvent(QCloseEvent* event)
{
    hide();
    event->ignore();
}
