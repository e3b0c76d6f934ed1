#pragma once

class VorendaShelf;

// Sets up the widgets of a cabinet's form as the constructor builds the window: the
// search filter over the view's model, the search box, the navigator, the view and
// the thumbnail-size slider, each with its own connections.
class ShelfFormSetup
{
public:
    static void proxyModel(VorendaShelf& shelf);
    static void searchBox(VorendaShelf& shelf);
    static void navigator(VorendaShelf& shelf);
    static void view(VorendaShelf& shelf);
    // The starting value is set before the slider reports changes, so that building
    // the window resizes nothing.
    static void thumbSizeSlider(VorendaShelf& shelf);
};
