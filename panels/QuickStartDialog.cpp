#include "QuickStartDialog.h"

#include <QCloseEvent>

QuickStartDialog* QuickStartDialog::widgetInstance = nullptr;

QuickStartDialog::QuickStartDialog(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(tr("Quick Start"));
}

QuickStartDialog::~QuickStartDialog()
{
    widgetInstance = nullptr;
}

QuickStartDialog* QuickStartDialog::instance()
{
    if (!widgetInstance)
        widgetInstance = new QuickStartDialog();
    return widgetInstance;
}

bool QuickStartDialog::visible()
{
    return instance()->isVisible();
}

void QuickStartDialog::show(VorendaShelf* chosen)
{
    shelf = chosen;
    showAndRaise();
}

void QuickStartDialog::onShelvesChanged()
{
}

void QuickStartDialog::showAndRaise()
{
    QWidget::show();
    raise();
    activateWindow();
}

void QuickStartDialog::closeEvent(QCloseEvent* event)
{
    hide();
    event->ignore();
}
