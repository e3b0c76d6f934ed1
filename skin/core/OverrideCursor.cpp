#include "OverrideCursor.h"

#include <QApplication>
#include <QCursor>

OverrideCursor::OverrideCursor(Qt::CursorShape shape, bool restore)
    : restore(restore)
{
    QApplication::setOverrideCursor(QCursor(shape));
}

OverrideCursor::~OverrideCursor()
{
    if (restore)
        QApplication::restoreOverrideCursor();
}
