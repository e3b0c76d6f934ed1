#include "OverrideCursor.h"

#include <QCursor>
#include <QGuiApplication>

OverrideCursor::OverrideCursor(Qt::CursorShape shape, bool restore)
    : restore(restore)
{
    QGuiApplication::setOverrideCursor(QCursor(shape));
}

OverrideCursor::~OverrideCursor()
{
    if (restore)
        QGuiApplication::restoreOverrideCursor();
}
