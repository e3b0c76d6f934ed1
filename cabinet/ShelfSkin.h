#pragma once

#include <QPixmap>

class QAbstractButton;
class QColor;
class QFrame;
class QLabel;
class QWidget;
class SkinWidget;
class VorendaShelf;

// The skin overlays of a cabinet's bars, labels and close button, each a Qt child of
// the widget it skins, and the small icons the cabinet paints in a style's colour.
class ShelfSkin
{
public:
    explicit ShelfSkin(VorendaShelf& shelf);

    // Skins the menu bar, its six buttons, the close button and the three labels.
    void skinBars();

    SkinWidget* menuBarFrame(QFrame* frame);
    SkinWidget* menuBarButton(QWidget* button);
    // `size` 7 small, 10 large, 12 huge, anything else the normal font.
    SkinWidget* cabinetLabel(QLabel* label, int size, bool bold);
    SkinWidget* cabinetCloseButton();
    SkinWidget* commandsButton(QAbstractButton* button);

    static QPixmap collapsedIcon(const QColor& color);
    static QPixmap expandedIcon(const QColor& color);
    static QPixmap smallThumbIcon(const QColor& color);
    static QPixmap largeThumbIcon(const QColor& color);

private:
    VorendaShelf& shelf;
};

// Paints the white close cross onto `pixmap`, centred, and returns a copy of it.
QPixmap paintCloseIcon(QPixmap& pixmap);
