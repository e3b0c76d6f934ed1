#include "ShelfSkin.h"

#include "DockableWidget.h"
#include "SkinWidget.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QAbstractButton>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

namespace {

QPixmap transparentPixmap(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The fixed alpha of an icon's outline or fill, whatever the colour's own alpha; only a
// fully transparent colour keeps the whole icon invisible.
int iconAlpha(const QColor& color, int alpha)
{
    return color.alpha() == 0 ? 0 : alpha;
}

// The drawing set-up shared by the coloured icons: antialiased, a faint outline of
// the colour and a solid fill.
void prepareIconPainter(QPainter& painter, const QColor& color, const QColor& fill)
{
    painter.setRenderHint(QPainter::Antialiasing);
    QColor outline = color;
    outline.setAlpha(iconAlpha(color, 50));
    painter.setPen(QPen(QBrush(outline), 0.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(QBrush(fill));
}

// Every category header shows one of these: drawn once for each colour and shared.
QPixmap triangleIcon(const char* kind, const QColor& color, int height, const QPolygonF& triangle)
{
    const QString key = QStringLiteral("vorenda-%1-%2").arg(QLatin1String(kind)).arg(color.rgba(), 8, 16);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = transparentPixmap(10, height);
    QPainter painter(&pixmap);
    prepareIconPainter(painter, color, color);
    painter.drawPolygon(triangle, Qt::OddEvenFill);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// A framed landscape: a mountain, a sun above it and a one-pixel frame.
QPixmap pictureIcon(const QColor& color, const QSize& size, int bottomInset, int sunShrink, const QColor& fill)
{
    QPixmap pixmap = transparentPixmap(size.width(), size.height());
    const QRect frame = pixmap.rect().adjusted(0, 3, 0, -bottomInset);
    const double w = frame.width();
    const double h = frame.height();
    QPainter painter(&pixmap);
    prepareIconPainter(painter, color, fill);

    const QPointF apex(frame.left() + w * 0.5, frame.top() + h * 0.5);
    painter.drawPolygon(QPolygonF({QPointF(frame.left() + 3, frame.bottom()), QPointF(frame.right() - 2, frame.bottom()),
                                   apex}),
                        Qt::OddEvenFill);
    const int sun = frame.width() / 2 - sunShrink;
    painter.drawEllipse(QRectF(frame.left() + (w - sun) / 2.0, apex.y() + 1 - sun, sun, sun));

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QBrush(color), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawLine(frame.left(), frame.top(), frame.right(), frame.top());
    painter.drawLine(frame.right(), frame.top() + 1, frame.right(), frame.bottom() - 1);
    painter.drawLine(frame.left(), frame.bottom(), frame.right(), frame.bottom());
    painter.drawLine(frame.left(), frame.top() + 1, frame.left(), frame.bottom() - 1);
    return pixmap;
}

BackgroundPainter topLeftImage(const QPixmap& pixmap)
{
    return BackgroundPainter(ImagePainter(pixmap, ImagePainter::TopLeft));
}

} // namespace

ShelfSkin::ShelfSkin(VorendaShelf& shelf)
    : shelf(shelf)
{
}

QPixmap paintCloseIcon(QPixmap& pixmap)
{
    const double cx = pixmap.width() * 0.5 - 0.5;
    const double cy = pixmap.height() * 0.5 - 0.5;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QBrush(Qt::white), 2.0, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    painter.drawLine(QPointF(cx - 4, cy - 4), QPointF(cx + 4, cy + 4));
    painter.drawLine(QPointF(cx - 4, cy + 4), QPointF(cx + 4, cy - 4));
    painter.end();
    return pixmap;
}

QPixmap ShelfSkin::collapsedIcon(const QColor& color)
{
    return triangleIcon("collapsed", color, 10, QPolygonF({QPointF(2, 2), QPointF(9, 2), QPointF(5.5, 8)}));
}

QPixmap ShelfSkin::expandedIcon(const QColor& color)
{
    return triangleIcon("expanded", color, 9, QPolygonF({QPointF(2, 7), QPointF(9, 7), QPointF(5.5, 1)}));
}

QPixmap ShelfSkin::smallThumbIcon(const QColor& color)
{
    return pictureIcon(color, QSize(9, 11), 1, 2, color);
}

QPixmap ShelfSkin::largeThumbIcon(const QColor& color)
{
    QColor fill = color;
    fill.setAlpha(iconAlpha(color, 220));
    return pictureIcon(color, QSize(14, 15), 2, 3, fill);
}

SkinWidget* ShelfSkin::menuBarFrame(QFrame* frame)
{
    const BackgroundPainter dark(QColor(0, 0, 0, 80));
    auto* skinWidget = new SkinWidget(frame);
    skinWidget->setBackground(BackgroundProperty(dark, dark, BackgroundPainter(), BackgroundPainter(), dark));
    return skinWidget;
}

SkinWidget* ShelfSkin::menuBarButton(QWidget* button)
{
    const QFont font = VorendaGlobal::getLargeFont(false, shelf.textfont);
    auto* skinWidget = new SkinWidget(button);
    skinWidget->setBackground(shelf.menuButtonBackground);
    skinWidget->setTextFont(FontProperty(font));
    skinWidget->setTextPen(PenProperty(QPen(Qt::white)));
    skinWidget->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    skinWidget->setTextShadow(false, false);
    skinWidget->setAnimHoverDuration(400);
    skinWidget->setButton(true);
    return skinWidget;
}

SkinWidget* ShelfSkin::cabinetLabel(QLabel* label, int size, bool bold)
{
    QFont font;
    switch (size) {
    case 7:
        font = VorendaGlobal::getSmallFont(bold, shelf.textfont);
        break;
    case 10:
        font = VorendaGlobal::getLargeFont(bold, shelf.textfont);
        break;
    case 12:
        font = VorendaGlobal::getHugeFont(bold, shelf.textfont);
        break;
    default:
        font = VorendaGlobal::getNormalFont(bold, shelf.textfont);
    }
    auto* skinWidget = new SkinWidget(label);
    skinWidget->setTextFont(FontProperty(font));
    skinWidget->setTextPen(PenProperty(QPen(Qt::white)));
    skinWidget->setTextAlignment(label->alignment());
    switch (shelf.textdecoration) {
    case 1:
        skinWidget->setTextShadow(true, false);
        break;
    case 2:
        skinWidget->setTextShadow(true, true);
        break;
    default:
        skinWidget->setTextShadow(false, false);
    }
    return skinWidget;
}

SkinWidget* ShelfSkin::cabinetCloseButton()
{
    QPixmap normal(QStringLiteral(":/Resources/Images/cabinetCloseButtonNormal.png"));
    QPixmap active(QStringLiteral(":/Resources/Images/cabinetCloseButtonActive.png"));
    auto* skinWidget = new SkinWidget(shelf.closeButton);
    skinWidget->setBackground(BackgroundProperty(topLeftImage(paintCloseIcon(normal)),
                                                 topLeftImage(paintCloseIcon(active)), BackgroundPainter(),
                                                 BackgroundPainter(), BackgroundPainter()));
    skinWidget->setButton(true);
    return skinWidget;
}

SkinWidget* ShelfSkin::commandsButton(QAbstractButton* button)
{
    // A small arrow beside the text, on a rounded button that darkens under the mouse.
    QPixmap arrow = transparentPixmap(9, 9);
    {
        QPainter painter(&arrow);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(3, 1.5), QPointF(6.5, 4.5), QPointF(3, 7.5)}));
    }
    const BorderPainter rounded(1.0, 6.0, QColor(255, 255, 255, 90));
    BackgroundPainter normal(rounded);
    BackgroundPainter hover(rounded);
    hover.setFillColor(QColor(0, 0, 0, 80));
    BackgroundPainter pressed(QColor(0, 0, 0, 130));

    auto* skinWidget = new SkinWidget(button);
    skinWidget->setBackground(BackgroundProperty(normal, pressed, hover, pressed, normal));
    skinWidget->setIcon(ImageResource(arrow));
    skinWidget->setIconAlignment(Qt::AlignRight);
    skinWidget->setMargin(MarginProperty(0.0, 6.0, 0.0, 6.0));
    skinWidget->setTextFont(FontProperty(VorendaGlobal::getNormalFont(false, shelf.textfont)));
    skinWidget->setTextPen(PenProperty(QPen(Qt::white)));
    skinWidget->setTextAlignment(Qt::AlignCenter);
    skinWidget->setTextShadow(true, false);
    skinWidget->setAnimHoverDuration(300);
    return skinWidget;
}

void ShelfSkin::skinBars()
{
    menuBarFrame(shelf.menuFrame);
    shelf.closeButtonSkin = cabinetCloseButton();
    shelf.cabinetMenuButtonSkin = menuBarButton(shelf.cabinetMenuButton);
    shelf.categoriesMenuButtonSkin = menuBarButton(shelf.categoriesMenuButton);
    shelf.itemsMenuButtonSkin = menuBarButton(shelf.itemsMenuButton);
    shelf.viewMenuButtonSkin = menuBarButton(shelf.viewMenuButton);
    shelf.personalizeMenuButtonSkin = menuBarButton(shelf.personalizeMenuButton);
    shelf.helpMenuButtonSkin = menuBarButton(shelf.helpMenuButton);
    QObject::connect(shelf.closeButtonSkin, &SkinWidget::clicked, shelf.frame, &DockableWidget::hide);
    shelf.nameLabelSkin = cabinetLabel(shelf.nameLabel, 12, true);
    shelf.matchesLabelSkin = cabinetLabel(shelf.matchesLabel, 10, false);
    shelf.statusLabelSkin = cabinetLabel(shelf.statusLabel, 10, false);
}

// ---- The cabinet's entry points

SkinWidget* VorendaShelf::skinMenuBarFrame(QFrame* frame)
{
    return ShelfSkin(*this).menuBarFrame(frame);
}

SkinWidget* VorendaShelf::skinMenuBarButton(QWidget* button)
{
    return ShelfSkin(*this).menuBarButton(button);
}

SkinWidget* VorendaShelf::skinCabinetLabel(QLabel* label, int size, bool bold)
{
    return ShelfSkin(*this).cabinetLabel(label, size, bold);
}

SkinWidget* VorendaShelf::skinCabinetCloseButton()
{
    return ShelfSkin(*this).cabinetCloseButton();
}

SkinWidget* VorendaShelf::skinCommandsButton(QAbstractButton* button)
{
    return ShelfSkin(*this).commandsButton(button);
}

QPixmap VorendaShelf::getCollapsedIcon(const QColor& color)
{
    return ShelfSkin::collapsedIcon(color);
}

QPixmap VorendaShelf::getExpandedIcon(const QColor& color)
{
    return ShelfSkin::expandedIcon(color);
}

QPixmap VorendaShelf::getSmallThumbIcon(const QColor& color)
{
    return ShelfSkin::smallThumbIcon(color);
}

QPixmap VorendaShelf::getLargeThumbIcon(const QColor& color)
{
    return ShelfSkin::largeThumbIcon(color);
}
