#include "ObjectEventFilter.h"

ObjectEventFilter::ObjectEventFilter(QEvent::Type type, bool consume)
    : QObject(nullptr)
    , type(type)
    , consume(consume)
{
}

ObjectEventFilter::ObjectEventFilter(QEvent::Type type, QObject* receiver, const char* member, bool consume)
    : ObjectEventFilter(type, consume)
{
    if (receiver && member)
        QObject::connect(this, SIGNAL(filterEvent(QEvent*)), receiver, member);
}

bool ObjectEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == type) {
        emit filterEvent(event);
        return consume;
    }
    return QObject::eventFilter(watched, event);
}
