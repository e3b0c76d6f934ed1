#pragma once

// The shown cabinet the search benchmarks type into: `count` items in 20 categories,
// names, targets and tags as a user's files would have them; `finish` adds what a
// benchmark needs beyond that (descriptions, dates) before each item is filed.

#include "CabinetTestFixtures.h"
#include "BenchSupport.h"

#include <QApplication>

#include <functional>

inline void fillSearchCabinet(VorendaShelf& shelf, int count, const std::function<void(MyThumbnailItem&, int)>& finish)
{
    shelf.resize(1920, 1080);
    for (int key = 0; key < 20; ++key)
        addCabinetCategory(shelf, key, QStringLiteral("Category %1").arg(key));
    const QPixmap picture = cardPicture(96, 96, QColor(70, 130, 200));
    for (int i = 0; i < count; ++i) {
        auto* item = new MyThumbnailItem;
        item->setImage(picture);
        item->setImageWidth(96);
        item->setText(QStringLiteral("Item %1 of the cabinet").arg(i));
        item->setCategoryKey(i % 20);
        item->properties.name = item->getText();
        item->properties.target = QStringLiteral("/home/user/files/item-%1.odt").arg(i);
        item->properties.tags = QStringList{QStringLiteral("work"), QStringLiteral("tag%1").arg(i % 50)};
        finish(*item, i);
        shelf.view->addItem(item, false);
    }
    shelf.view->resetModel();
    shelf.show();
    QApplication::processEvents();
    shelf.view->updateLayout();
}
