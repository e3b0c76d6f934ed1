// Turning a cabinet style into the painters, pens, icons and geometry of the window.
#include "VorendaShelf.h"

#include "CategoryHeaderItem.h"
#include "DockableWidget.h"
#include "DropIndicatorItem.h"
#include "ColorFunctions.h"
#include "MyCustomStyle.h"
#include "MyThumbnailItem.h"
#include "ShelfParts.h"
#include "SkinWidget.h"
#include "SkinWindow.h"
#include "StylePatternPixmaps.h"
#include "TextItem.h"
#include "VorendaGlobal.h"

#include <QScrollBar>

namespace {

// Which groups each element restyles.
enum StyleGroup {
    GroupShelfGeometry = 0x001,
    GroupBackDarkness = 0x002,
    GroupSidePanel = 0x004,
    GroupBackPanel = 0x008,
    GroupCabinetBody = 0x010,
    GroupShelves = 0x020,
    GroupCategories = 0x040,
    GroupDropIndicator = 0x080,
    GroupItems = 0x100,
    GroupAll = 0x1ff
};

int groupsOf(StyleElement element)
{
    switch (element) {
    case AllElements:
        return GroupAll;
    case PerspectiveAngle:
        return GroupShelfGeometry | GroupItems;
    case BackDarkness:
        return GroupBackDarkness;
    case ReflectionLevel:
    case ItemSelectionColor:
    case ToolTipColor:
    case ToolTipTextColor:
        return GroupItems;
    case SidePanelOffset:
        return GroupSidePanel;
    case BackPanelOffset:
        return GroupBackPanel;
    case ShelfPattern:
    case ShelfColor:
        return GroupShelves;
    case CabinetPattern:
    case CabinetColor:
    case CabinetTextColor:
        return GroupCabinetBody;
    case CategoryPattern:
    case CategoryColor:
    case CategoryTextColor:
        return GroupCategories;
    case DropIndicatorColor:
        return GroupDropIndicator;
    }
    return 0;
}

ImagePainter tiled(const QString& pattern)
{
    return ImagePainter(StylePatternPixmaps::pixmap(pattern), ImagePainter::Tile);
}

BackgroundPainter patternPainter(const QColor& color, const QString& pattern)
{
    BackgroundPainter painter(color);
    painter.setImagePainter(tiled(pattern));
    return painter;
}

BorderPainter innerShadowBorder()
{
    const auto piece = [](const char* name) {
        return QPixmap(QStringLiteral(":/Resources/Images/r10InnerShadow%1.png").arg(QLatin1String(name)));
    };
    BorderPainter border(1.0, 10.0, QColor(0, 0, 0, 100));
    border.setImages(piece("TopLeft"), piece("Top"), piece("TopRight"), piece("Right"), piece("BottomRight"),
                     piece("Bottom"), piece("BottomLeft"), piece("Left"), false);
    return border;
}

// Opaque colours are softened; translucent ones are the user's choice and stay.
QColor softened(QColor color, int alpha)
{
    if (color.alpha() == 255)
        color.setAlpha(alpha);
    return color;
}

} // namespace

void VorendaShelf::onApplyStyle(const ShelfStyle& newStyle, StyleElement element, bool force)
{
    if (newStyle == style && !force)
        return;
    // Another style chosen by the user replaces the one whose file was missing.
    ShelfParts::of(*this).dataFile.settings.styleChosen(newStyle.id);
    style = newStyle;
    const int groups = groupsOf(element);
    if (groups & GroupShelfGeometry)
        applyShelfGeometry();
    if (groups & GroupBackDarkness)
        view->setBackDarknessLevel(style.backDarknessLevel);
    if (groups & GroupSidePanel)
        view->setSidePanelOffset(style.sidePanelOffset);
    if (groups & GroupBackPanel)
        view->setBackPanelOffset(style.backPanelOffset);
    if (groups & GroupCabinetBody)
        applyCabinetBody();
    if (groups & GroupShelves)
        applyShelves();
    if (groups & GroupCategories)
        applyCategoryHeaders();
    if (groups & GroupDropIndicator)
        applyDropIndicator();
    if (groups & GroupItems)
        applyItems(element == AllElements || element == PerspectiveAngle);
}

void VorendaShelf::applyShelfGeometry()
{
    const int angle = style.perspectiveAngle;
    view->setShelfAngle(angle, false);
    view->setShelfHeight(angle, false);
    // Only the margin asks for the shelf pictures to be rebuilt, once for all three.
    view->setShelfMargin(angle * VorendaGlobal::SHELF_MARGIN / VorendaGlobal::SHELF_ANGLE, true);
    const double side = qMax(angle - 5, 5);
    view->setMargin(MarginProperty(0.0, side, 10.0, side), false);
}

void VorendaShelf::applyCabinetBody()
{
    BackgroundPainter navigatorPainter = patternPainter(style.cabinetColor, style.cabinetPattern);
    navigatorPainter.setBorderPainter(innerShadowBorder());
    const BackgroundPainter bodyPainter = patternPainter(style.cabinetColor, style.cabinetPattern);
    BackgroundPainter skinPainter = patternPainter(style.cabinetColor, style.cabinetPattern);
    skinPainter.setBorderPainter(BorderPainter(0.0, frame->isMaximized() ? 0.0 : 10.0, QColor(0, 0, 0, 140)));

    setPaletteColor(this, QPalette::Window, style.cabinetColor);
    customStyle->setBackgroundPainter(bodyPainter);
    customStyle->setForegroundColor(style.cabinetTextColor);
    skin->setSkin(skinPainter, true);
    view->setCabinetPainter(bodyPainter);
    view->verticalScrollBar()->update();
    thumbSizeSlider->update();
    navigator->setBackgroundPainter(navigatorPainter);

    const PenProperty textPen{QPen(style.cabinetTextColor)};
    nameLabelSkin->setTextPen(textPen);
    matchesLabelSkin->setTextPen(textPen);
    statusLabelSkin->setTextPen(textPen);
    statusPen = statusLabelSkin->getTextPen();
    minIcon->setPixmap(getSmallThumbIcon(style.cabinetTextColor));
    maxIcon->setPixmap(getLargeThumbIcon(style.cabinetTextColor));
}

void VorendaShelf::applyShelves()
{
    view->setShelfPainter(patternPainter(style.shelfColor, style.shelfPattern));
}

void VorendaShelf::applyCategoryHeaders()
{
    const QList<CategoryHeaderItem*> headers = view->getCategoryHeaderList(-1, true);
    for (CategoryHeaderItem* header : headers)
        onApplyStyle(style, header);
}

void VorendaShelf::applyDropIndicator()
{
    if (DropIndicatorItem* indicator = view->getDropIndicator())
        indicator->setColor(softened(style.dropIndicatorColor, 230));
}

void VorendaShelf::applyItems(bool relayout)
{
    const QList<AbstractThumbnailItem*> items = view->getAllItems();
    view->setUpdatesEnabled(false);
    for (AbstractThumbnailItem* item : items)
        onApplyStyle(style, qobject_cast<MyThumbnailItem*>(item));
    view->setUpdatesEnabled(true);
    if (relayout) {
        view->hideFloatingLabel();
        view->updateLayout();
    }
}

void VorendaShelf::onApplyStyle(const ShelfStyle& headerStyle, CategoryHeaderItem* header)
{
    if (!header)
        return;
    GradientPainter gloss(Qt::black, Qt::white, Qt::Vertical, QGradient::LinearGradient);
    gloss.setColorAt(0.0, QColor(0, 0, 0, 60));
    gloss.setColorAt(0.05, QColor(255, 255, 255, 0));
    gloss.setColorAt(0.12, QColor(255, 255, 255, 60));
    gloss.setColorAt(0.17, QColor(255, 255, 255, 0));
    gloss.setColorAt(0.82, QColor(0, 0, 0, 0));
    gloss.setColorAt(1.0, QColor(0, 0, 0, 120));
    BackgroundPainter painter = patternPainter(headerStyle.categoryColor, headerStyle.categoryPattern);
    painter.setGradientPainter(gloss);
    header->setBackground(BackgroundProperty(painter));

    header->setStateButtonIcon(ImageResource(getCollapsedIcon(headerStyle.categoryTextColor)),
                               ImageResource(getExpandedIcon(headerStyle.categoryTextColor)));
    if (TextItem* text = header->getTextItem()) {
        text->setFont(VorendaGlobal::getLargeFont(textdecoration == 3, textfont));
        text->setPen(QPen(headerStyle.categoryTextColor));
        text->setShadow(textdecoration == 1 || textdecoration == 2, textdecoration == 2);
    }
    header->updateItemsPos();
}

void VorendaShelf::onApplyStyle(const ShelfStyle& itemStyle, MyThumbnailItem* item)
{
    if (!item)
        return;
    const int angle = itemStyle.perspectiveAngle;
    item->setInfoColor(softened(itemStyle.toolTipColor, 180));
    item->setBaseColor(itemStyle.itemSelectionColor);
    item->setTextPen(PenProperty(QPen(itemStyle.toolTipTextColor)));
    item->setReflectionOpacity(itemStyle.reflectionLevel);
    item->setReflectionSize(angle - angle / 3);
    item->setBaseHeight(angle / 2 - 3);
    const double hoverOffset = angle / 2;
    item->setAnimHoverMaxOffset(hoverOffset);
    item->enableHoverAnimation(hoverOffset > 5.0);
}

void VorendaShelf::onApplyStyleChange(const ShelfStyle& newStyle)
{
    style = newStyle;
    committedStyle = style;
    // A style saved under a new id reaches the data file soon, not only at the next quit.
    ShelfParts::of(*this).dataFile.scheduleSave();
}

void VorendaShelf::onIgnoreStyleChange()
{
    onApplyStyle(committedStyle, AllElements, false);
}
