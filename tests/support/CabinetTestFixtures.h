#pragma once

// Cabinets with a few categories and items, built the way item creation builds them.

#include "ButtonItem.h"
#include "CabinetStyleFixtures.h"
#include "CategoryHeaderItem.h"
#include "MyThumbnailItem.h"
#include "TextItem.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QFile>
#include <QXmlStreamReader>

// The built-in style of that name, or the default style.
inline ShelfStyle builtInStyle(const QString& name)
{
    return styleNamed(name);
}

inline MyThumbnailItem* addCabinetItem(VorendaShelf& shelf, int key, const QString& name,
                                       const QColor& color = QColor(70, 130, 200))
{
    auto* item = new MyThumbnailItem;
    item->setMargin(MarginProperty(10.0, 0.0, VorendaGlobal::SHELF_THICKNESS, 0.0));
    item->setImage(cardPicture(96, 96, color));
    item->setImageWidth(96);
    item->setText(name);
    item->setCategoryKey(key);
    item->showItemLabel(true, false);
    item->properties.name = name;
    shelf.view->addItem(item, false);
    shelf.onApplyStyle(shelf.style, item);
    return item;
}

inline CategoryHeaderItem* addCabinetCategory(VorendaShelf& shelf, int key, const QString& name, int parentKey = -1)
{
    auto* header = new CategoryHeaderItem;
    header->setTextItem(new TextItem(true, true), MarginProperty(2.0));
    header->setStateButton(new ButtonItem, ImageResource(), ImageResource(), MarginProperty(2.0), Qt::AlignLeft);
    header->setText(name);
    shelf.view->setCategoryHeader(key, header, parentKey, -1, false);
    shelf.onApplyStyle(shelf.style, header);
    return header;
}

// Three categories (one nested) holding ten items, three of them uncategorised.
inline void fillCabinet(VorendaShelf& shelf)
{
    addCabinetCategory(shelf, 0, QStringLiteral("Documents"));
    addCabinetCategory(shelf, 1, QStringLiteral("Letters"), 0);
    addCabinetCategory(shelf, 2, QStringLiteral("Music"));
    const int keys[] = {-1, -1, -1, 0, 0, 0, 1, 1, 2, 2};
    for (int i = 0; i < 10; ++i)
        addCabinetItem(shelf, keys[i], QStringLiteral("Item %1").arg(i));
    shelf.view->resetModel();
    shelf.view->updateLayout();
}

// The keys of the jobs in the batch that the client's helper holds, in job-file order.
inline QStringList jobKeys(ThumbnailClient* client)
{
    QFile file(client->getDataFilePath());
    QStringList keys;
    if (!file.open(QIODevice::ReadOnly))
        return keys;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("Item"))
            keys << xml.attributes().value(QLatin1String("key")).toString();
    }
    return keys;
}
