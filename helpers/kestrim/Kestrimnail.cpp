#include "Kestrimnail.h"


Kestrimnail::Kestrimnail(QObject* parent)
    : QObject(parent)
{
}

void Kestrimnail::getThumbnail(const QUrl& url, const QSize& pageSize, const QSize& thumbSize, int delay,
                               const QVariant& data)
{
    this->url = url;
    this->pageSize = pageSize;
    this->thumbSize = thumbSize;
    this->delay = delay;
    this->data = data;
}

bool Kestrimnail::isRenderableSize(const QSize& pageSize, const QSize& thumbSize)
{
    return pageSize.width() > 0 && pageSize.height() > 0 && pageSize.width() <= MAX_PAGE_SIDE
        && pageSize.height() <= MAX_PAGE_SIDE && thumbSize.width() > 0 && thumbSize.height() > 0
        && thumbSize.width() <= MAX_THUMB_SIDE && thumbSize.height() <= MAX_THUMB_SIDE;
}
