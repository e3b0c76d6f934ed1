#include "PersonalizationWidget.h"

#include <QCloseEvent>

PersonalizationWidget* PersonalizationWidget::widgetInstance = nullptr;

PersonalizationWidget::PersonalizationWidget(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(tr("Personalization"));
}

PersonalizationWidget::~PersonalizationWidget()
{
    widgetInstance = nullptr;
}

PersonalizationWidget* PersonalizationWidget::instance()
{
    if (!widgetInstance)
        widgetInstance = new PersonalizationWidget();
    return widgetInstance;
}

bool PersonalizationWidget::visible()
{
    return instance()->isVisible();
}

void PersonalizationWidget::show(VorendaShelf* cabinet, int panel)
{
    Q_UNUSED(panel)
    shelf = cabinet;
    showAndRaise();
}

void PersonalizationWidget::showAndRaise()
{
    QWidget::show();
    raise();
    activateWindow();
}

void PersonalizationWidget::closeEvent(QCloseEvent* event)
{
    hide();
    shelf = nullptr;
    event->ignore();
}
