#include "HelpWidget.h"

#include <QCloseEvent>

HelpWidget* HelpWidget::widgetInstance = nullptr;

HelpWidget::HelpWidget(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(tr("Help"));
}

HelpWidget::~HelpWidget()
{
    widgetInstance = nullptr;
}

HelpWidget* HelpWidget::instance()
{
    if (!widgetInstance)
        widgetInstance = new HelpWidget();
    return widgetInstance;
}

bool HelpWidget::visible()
{
    return instance()->isVisible();
}

void HelpWidget::show()
{
    showAndRaise();
}

void HelpWidget::showAndRaise()
{
    QWidget::show();
    raise();
    activateWindow();
}

void HelpWidget::closeEvent(QCloseEvent* event)
{
    hide();
    event->ignore();
}
