#pragma once

// The real program's personalization panel, reached the way a user reaches it. Its
// controls and the cabinet's Personalize button are found where the same classes,
// built here with the same fonts and sizes, place them.

#include "RunningVorenda.h"

#include "PersonalizationWidget.h"
#include "VorendaShelf.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

// The window id of the shown panel, opened on its General page from `cabinet`'s
// Personalize button; empty when none showed.
inline QString openPersonalizationPanel(const QString& cabinet)
{
    const QRect geometry = RunningVorenda::windowGeometry(cabinet);
    VorendaShelf model;
    model.setAttribute(Qt::WA_DontShowOnScreen);
    model.resize(geometry.size());
    model.QWidget::show();
    QApplication::processEvents();
    QLabel* button = model.personalizeMenuButton;
    if (!RunningVorenda::clickAt(geometry.topLeft() + button->mapTo(&model, button->rect().center())))
        return QString();
    // The button opens the Personalize menu: "Change Style", then "General".
    QTest::qWait(500);
    if (!RunningVorenda::xdotool(
            {QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Return")}))
        return QString();
    QStringList panels;
    const auto shown = [&] {
        return !(panels = RunningVorenda::visibleWindows(QStringLiteral("^Vorenda Personalization$"))).isEmpty();
    };
    if (!QTest::qWaitFor(shown, 10000))
        qWarning("no personalization panel showed");
    return panels.value(0);
}

// Clicks the centre of `widget` of the panel, as the panel in `window` shows it; the
// model is PersonalizationWidget::instance(), shown off the screen.
inline bool clickInPanel(const QString& window, QWidget* widget)
{
    PersonalizationWidget* model = PersonalizationWidget::instance();
    if (RunningVorenda::windowGeometry(window).size() != model->size()) {
        qWarning("the panel is %dx%d here", model->width(), model->height());
        return false;
    }
    // The page the widget is on lies in view.
    for (int page = 0; page < 3; ++page) {
        QWidget* frame = QList<QWidget*>{model->generalFrame, model->appearanceFrame, model->styleFrame}.at(page);
        if (frame->isAncestorOf(widget))
            model->panelsFrame->move(-page * model->panelFrame->width(), 0);
    }
    const QPoint centre = widget->mapTo(model, widget->rect().center());
    return RunningVorenda::clickAt(RunningVorenda::windowGeometry(window).topLeft() + centre);
}
