#pragma once

// Cabinet items and views dressed the way a cabinet dresses them from its style.

#include "DropIndicatorItem.h"
#include "FontProperty.h"
#include "ImagePainter.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "PenProperty.h"
#include "ShelfStyle.h"
#include "VorendaGlobal.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

// A painter filling with a colour and tiling a pattern over it.
inline BackgroundPainter patternPainter(const QColor& color, const QString& pattern)
{
    BackgroundPainter painter(color);
    const QPixmap tile(pattern);
    if (!tile.isNull())
        painter.setImagePainter(ImagePainter(tile, ImagePainter::Tile));
    return painter;
}

inline void applyItemStyle(MyThumbnailItem* item, const ShelfStyle& style)
{
    const int a = style.perspectiveAngle;
    QColor info = style.toolTipColor;
    if (info.alpha() == 255)
        info.setAlpha(180);
    item->setInfoColor(info);
    item->setBaseColor(style.itemSelectionColor);
    item->setTextPen(PenProperty(QPen(style.toolTipTextColor)));
    item->setReflectionOpacity(style.reflectionLevel);
    item->setReflectionSize(a - a / 3);
    item->setBaseHeight(a / 2 - 3);
    item->setAnimHoverMaxOffset(a / 2);
    item->enableHoverAnimation(a / 2 > 5);
}

inline void applyViewStyle(MyThumbnailView& view, const ShelfStyle& style)
{
    const int a = style.perspectiveAngle;
    view.setShelfAngle(a, false);
    view.setShelfHeight(a, false);
    view.setShelfMargin(a * VorendaGlobal::SHELF_MARGIN / VorendaGlobal::SHELF_ANGLE, true);
    const int m = qMax(a - 5, 5);
    view.setMargin(MarginProperty(0.0, m, 10.0, m), false);
    view.setBackDarknessLevel(style.backDarknessLevel);
    view.setSidePanelOffset(style.sidePanelOffset);
    view.setBackPanelOffset(style.backPanelOffset);
    view.setCabinetPainter(patternPainter(style.cabinetColor, style.cabinetPattern));
    view.setShelfPainter(patternPainter(style.shelfColor, style.shelfPattern));
    QColor drop = style.dropIndicatorColor;
    if (drop.alpha() == 255)
        drop.setAlpha(230);
    view.getDropIndicator()->setColor(drop);
    const QList<AbstractThumbnailItem*> items = view.getAllItems();
    for (AbstractThumbnailItem* candidate : items) {
        if (auto* item = qobject_cast<MyThumbnailItem*>(candidate))
            applyItemStyle(item, style);
    }
    view.updateLayout();
}

// A picture like a file icon: a rounded, shaded card in one colour.
inline QPixmap cardPicture(int width, int height, const QColor& color)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0.0, 0.0, 0.0, height);
    gradient.setColorAt(0.0, color.lighter(140));
    gradient.setColorAt(1.0, color.darker(130));
    painter.setPen(QPen(color.darker(200), 2.0));
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(1.0, 1.0, width - 2.0, height - 2.0), 8.0, 8.0);
    return pixmap;
}

// A cabinet item as a cabinet makes it: shelf margins, a picture fitted into a square
// of `side`, the name tag shown.
inline MyThumbnailItem* makeCabinetItem(const QPixmap& picture, int side, const QString& name, int key = -1)
{
    auto* item = new MyThumbnailItem;
    item->setMargin(MarginProperty(10.0, 0.0, VorendaGlobal::SHELF_THICKNESS, 0.0));
    item->setImage(picture);
    item->setImageWidth(side);
    item->setText(name.isEmpty() ? QStringLiteral(" ") : name);
    item->setTextFont(FontProperty(QFont(QStringLiteral("DejaVu Sans"), 9)));
    item->setTextShadow(false);
    item->setAnimHoverCurveShape(QTimeLine::EaseOutCurve);
    item->setAnimClickCurveShape(QTimeLine::EaseInOutCurve);
    item->setCategoryKey(key);
    item->setLabelWrapAnywhere(!name.contains(QLatin1Char(':')));
    item->showItemLabel(true, false);
    item->properties.name = name;
    return item;
}

// The built-in style of that name, or the default style.
inline ShelfStyle styleNamed(const QString& name)
{
    for (const ShelfStyle& style : qAsConst(VorendaGlobal::shelfStyles)) {
        if (style.name == name)
            return style;
    }
    return VorendaGlobal::defaultShelfStyle;
}

// The light wood of the "Wood #2" style's shelf boards on the screen: orange, clearly lit.
inline bool isBoardColor(const QColor& c)
{
    return c.red() > 90 && c.red() > c.green() && c.green() > c.blue() && c.hue() >= 15 && c.hue() <= 45;
}
