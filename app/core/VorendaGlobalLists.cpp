#include "VorendaGlobal.h"

#include <QApplication>
#include <QPalette>
#include <QSettings>

void VorendaGlobal::load()
{
    systemColor = QApplication::palette().color(QPalette::Window);
    toolTipColor = QColor(32, 32, 32, 180);

    QSettings settings;
    settings.beginGroup(QStringLiteral("Personalization"));
    userColors = settings.value(QStringLiteral("UserColors")).value<QList<uint>>();
    userPatterns = settings.value(QStringLiteral("UserPatterns")).toStringList();
    settings.endGroup();
}
