#include "ShelfStyling.h"

#include "CategoryHeaderItem.h"
#include "DockableWidget.h"
#include "DropIndicatorItem.h"
#include "ColorFunctions.h"
#include "MyCustomStyle.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "ShelfParts.h"
#include "SkinWidget.h"
#include "SkinWindow.h"
#include "StylePatternPixmaps.h"
#include "TextItem.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QCoreApplication>
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

// The headers' latest background, shared by every header painted alike: one each was
// much of what thousands of headers held.
BackgroundProperty sharedHeaderBackground(const BackgroundPainter& painter)
{
    struct Latest
    {
        bool made = false;
        BackgroundPainter painter;
        BackgroundProperty background;
    };
    static Latest latest;
    if (!latest.made || !(painter == latest.painter)) {
        if (!latest.made)
            // Pictures go before the application object does, not after it.
            qAddPostRoutine([] { latest = Latest(); });
        latest = Latest{true, painter, BackgroundProperty(painter)};
    }
    return latest.background;
}

// Opaque colours are softened; translucent ones are the user's choice and stay.
QColor softened(QColor color, int alpha)
{
    if (color.alpha() == 255)
        color.setAlpha(alpha);
    return color;
}

} // namespace

ShelfStyling::ShelfStyling(VorendaShelf& shelf)
    : shelf(shelf)
{
}

void ShelfStyling::apply(const ShelfStyle& newStyle, StyleElement element, bool force)
{
    if (newStyle == shelf.style && !force)
        return;
    // Another style chosen by the user replaces the one whose file was missing.
    ShelfParts::of(shelf).dataFile.settings.styleChosen(newStyle.id);
    shelf.style = newStyle;
    const int groups = groupsOf(element);
    if (groups & GroupShelfGeometry)
        applyShelfGeometry();
    if (groups & GroupBackDarkness)
        shelf.view->setBackDarknessLevel(shelf.style.backDarknessLevel);
    if (groups & GroupSidePanel)
        shelf.view->setSidePanelOffset(shelf.style.sidePanelOffset);
    if (groups & GroupBackPanel)
        shelf.view->setBackPanelOffset(shelf.style.backPanelOffset);
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

void ShelfStyling::applyShelfGeometry()
{
    const int angle = shelf.style.perspectiveAngle;
    shelf.view->setShelfAngle(angle, false);
    shelf.view->setShelfHeight(angle, false);
    // Only the margin asks for the shelf pictures to be rebuilt, once for all three.
    shelf.view->setShelfMargin(angle * VorendaGlobal::SHELF_MARGIN / VorendaGlobal::SHELF_ANGLE, true);
    const double side = qMax(angle - 5, 5);
    shelf.view->setMargin(MarginProperty(0.0, side, 10.0, side), false);
}

void ShelfStyling::applyCabinetBody()
{
    BackgroundPainter navigatorPainter = patternPainter(shelf.style.cabinetColor, shelf.style.cabinetPattern);
    navigatorPainter.setBorderPainter(innerShadowBorder());
    const BackgroundPainter bodyPainter = patternPainter(shelf.style.cabinetColor, shelf.style.cabinetPattern);
    BackgroundPainter skinPainter = patternPainter(shelf.style.cabinetColor, shelf.style.cabinetPattern);
    skinPainter.setBorderPainter(BorderPainter(0.0, shelf.frame->isMaximized() ? 0.0 : 10.0, QColor(0, 0, 0, 140)));

    setPaletteColor(&shelf, QPalette::Window, shelf.style.cabinetColor);
    shelf.customStyle->setBackgroundPainter(bodyPainter);
    shelf.customStyle->setForegroundColor(shelf.style.cabinetTextColor);
    shelf.skin->setSkin(skinPainter, true);
    shelf.view->setCabinetPainter(bodyPainter);
    shelf.view->verticalScrollBar()->update();
    shelf.thumbSizeSlider->update();
    shelf.navigator->setBackgroundPainter(navigatorPainter);

    const PenProperty textPen{QPen(shelf.style.cabinetTextColor)};
    shelf.nameLabelSkin->setTextPen(textPen);
    shelf.matchesLabelSkin->setTextPen(textPen);
    shelf.statusLabelSkin->setTextPen(textPen);
    shelf.statusPen = shelf.statusLabelSkin->getTextPen();
    shelf.minIcon->setPixmap(VorendaShelf::getSmallThumbIcon(shelf.style.cabinetTextColor));
    shelf.maxIcon->setPixmap(VorendaShelf::getLargeThumbIcon(shelf.style.cabinetTextColor));
}

void ShelfStyling::applyShelves()
{
    shelf.view->setShelfPainter(patternPainter(shelf.style.shelfColor, shelf.style.shelfPattern));
}

void ShelfStyling::applyCategoryHeaders()
{
    const QList<CategoryHeaderItem*> headers = shelf.view->getCategoryHeaderList(-1, true);
    for (CategoryHeaderItem* header : headers)
        applyTo(shelf.style, header);
}

void ShelfStyling::applyDropIndicator()
{
    if (DropIndicatorItem* indicator = shelf.view->getDropIndicator())
        indicator->setColor(softened(shelf.style.dropIndicatorColor, 230));
}

void ShelfStyling::applyItems(bool relayout)
{
    const QList<AbstractThumbnailItem*> items = shelf.view->getAllItems();
    shelf.view->setUpdatesEnabled(false);
    for (AbstractThumbnailItem* item : items)
        applyTo(shelf.style, qobject_cast<MyThumbnailItem*>(item));
    shelf.view->setUpdatesEnabled(true);
    if (relayout) {
        shelf.view->hideFloatingLabel();
        shelf.view->updateLayout();
    }
}

void ShelfStyling::applyTo(const ShelfStyle& headerStyle, CategoryHeaderItem* header)
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
    header->setBackground(sharedHeaderBackground(painter));

    header->setStateButtonIcon(ImageResource(VorendaShelf::getCollapsedIcon(headerStyle.categoryTextColor)),
                               ImageResource(VorendaShelf::getExpandedIcon(headerStyle.categoryTextColor)));
    if (TextItem* text = header->getTextItem()) {
        text->setFont(VorendaGlobal::getLargeFont(shelf.textdecoration == 3, shelf.textfont));
        text->setPen(QPen(headerStyle.categoryTextColor));
        text->setShadow(shelf.textdecoration == 1 || shelf.textdecoration == 2, shelf.textdecoration == 2);
    }
    header->updateItemsPos();
}

void ShelfStyling::applyTo(const ShelfStyle& itemStyle, MyThumbnailItem* item)
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

void ShelfStyling::commit(const ShelfStyle& newStyle)
{
    shelf.style = newStyle;
    shelf.committedStyle = shelf.style;
    // A style saved under a new id reaches the data file soon, not only at the next quit.
    ShelfParts::of(shelf).dataFile.scheduleSave();
}

void ShelfStyling::revert()
{
    apply(shelf.committedStyle, AllElements, false);
}

// ---- The cabinet's entry points

void VorendaShelf::onApplyStyle(const ShelfStyle& newStyle, StyleElement element, bool force)
{
    ShelfStyling(*this).apply(newStyle, element, force);
}

void VorendaShelf::onApplyStyle(const ShelfStyle& headerStyle, CategoryHeaderItem* header)
{
    ShelfStyling(*this).applyTo(headerStyle, header);
}

void VorendaShelf::onApplyStyle(const ShelfStyle& itemStyle, MyThumbnailItem* item)
{
    ShelfStyling(*this).applyTo(itemStyle, item);
}

void VorendaShelf::onApplyStyleChange(const ShelfStyle& newStyle)
{
    ShelfStyling(*this).commit(newStyle);
}

void VorendaShelf::onIgnoreStyleChange()
{
    ShelfStyling(*this).revert();
}
