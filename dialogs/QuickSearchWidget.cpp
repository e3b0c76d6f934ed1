#include "QuickSearchWidget.h"

#include <QCloseEvent>

QuickSearchWidget* QuickSearchWidget::widgetInstance = nullptr;

QuickSearchWidget::QuickSearchWidget(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(tr("Quick Search"));
}

QuickSearchWidget::~QuickSearchWidget()
{
    widgetInstance = nullptr;
}

QuickSearchWidget* QuickSearchWidget::instance()
{
    if (!widgetInstance)
        widgetInstance = new QuickSearchWidget();
    return widgetInstance;
}

bool QuickSearchWidget::visible()
{
    return instance()->isVisible();
}

void QuickSearchWidget::show()
{
    showAndRaise();
}

void QuickSearchWidget::quit()
{
}

void QuickSearchWidget::showAndRaise()
{
    QWidget::show();
    raise();
    activateWindow();
}

void QuickSearchWidget::closeEvent(QCloseEvent* event)
{
    hide();
    event->ignore();
}
