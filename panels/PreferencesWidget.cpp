#include "PreferencesWidget.h"

#include <QCloseEvent>

PreferencesWidget* PreferencesWidget::widgetInstance = nullptr;

PreferencesWidget::PreferencesWidget(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(tr("Preferences"));
}

PreferencesWidget::~PreferencesWidget()
{
    widgetInstance = nullptr;
}

PreferencesWidget* PreferencesWidget::instance()
{
    if (!widgetInstance)
        widgetInstance = new PreferencesWidget();
    return widgetInstance;
}

bool PreferencesWidget::visible()
{
    return instance()->isVisible();
}

void PreferencesWidget::show(VorendaMain* main, int index)
{
    Q_UNUSED(main)
    Q_UNUSED(index)
    showAndRaise();
}

void PreferencesWidget::showAndRaise()
{
    QWidget::show();
    raise();
    activateWindow();
}

void PreferencesWidget::closeEvent(QCloseEvent* event)
{
    hide();
    event->ignore();
}
