#include "AnswerKeys.h"

#include <QKeyEvent>

bool handleAnswerKey(QKeyEvent* event, const std::function<void()>& accept, const std::function<void()>& reject)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        break;
    default:
        return false;
    }
    event->accept();
    return true;
}
