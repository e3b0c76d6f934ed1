#pragma once

#include "StyleElement.h"

class CategoryHeaderItem;
class MyThumbnailItem;
class ShelfStyle;
class VorendaShelf;

// Turns a cabinet style into the painters, pens, icons and geometry of the window,
// its category headers and its items. An edit restyles only the groups its element
// touches; a preview is committed or undone by the personalization panel.
class ShelfStyling
{
public:
    explicit ShelfStyling(VorendaShelf& shelf);

    // Styles the parts that `element` names; nothing for the current style unless forced.
    void apply(const ShelfStyle& style, StyleElement element, bool force);
    void applyTo(const ShelfStyle& style, CategoryHeaderItem* header);
    void applyTo(const ShelfStyle& style, MyThumbnailItem* item);
    // Makes `style` the cabinet's own and its saved copy.
    void commit(const ShelfStyle& style);
    // Goes back to the saved copy, undoing a preview.
    void revert();

private:
    // Style groups, in the order a full restyle runs them.
    void applyShelfGeometry();
    void applyCabinetBody();
    void applyShelves();
    void applyCategoryHeaders();
    void applyDropIndicator();
    void applyItems(bool relayout);

    VorendaShelf& shelf;
};
