#pragma once

#include <QList>
#include <QString>

class CategoryHeaderItem;
class SkinWidget;
class VorendaShelf;

// A cabinet's settings as the window shows them, and its modes: which bars, labels
// and header parts show, the bar texts' font and decoration, kiosk mode (which locks
// every change to the cabinet), staying on top, auto hide, full screen and docking.
// A change that the personalization panel shows reloads it.
class ShelfModes
{
public:
    explicit ShelfModes(VorendaShelf& shelf);

    // Applies every setting to the window, its bars, labels and category headers.
    void applySettings();
    // Applies the bar and label settings.
    void updateFrames();
    // Passes the global animation preferences to every item.
    void applyPreferences();

    // Flips a bar or label setting.
    void toggle(bool VorendaShelf::*setting);
    // The bars also show or hide what they hold; not in kiosk mode.
    void toggleTopBar();
    void toggleMenuBar();
    void toggleBottomBar();
    // Flips a category header setting and shows it on every header.
    void toggleHeaders(bool VorendaShelf::*setting, void (CategoryHeaderItem::*show)(bool));

    // Leaving kiosk mode asks for the kiosk password.
    void toggleKioskMode();
    void stayOnTop(bool on);
    void autoHide(bool on);
    void toggleFullScreen();
    // `option` is the docking option stored as `mode`, 0 (floating) to 8.
    void dockTo(int option);
    // Whether the frame may hide the cabinet now: not while a menu, a question or a
    // panel of this cabinet is up, nor while it is active or in kiosk mode.
    bool mayAutoHide() const;

private:
    QString nameLabelText() const;
    // The bar texts' family: `textfont` when it is installed, else Verdana.
    QString barTextFamily() const;
    QList<SkinWidget*> barTextSkins() const;
    void updateCategoryActionTexts();
    void applyKioskLocks();
    // Ends every window and edit that could still change the locked cabinet.
    void endEditing();
    // Reloads the personalization panel when it is open on this cabinet.
    void refreshPersonalization() const;

    VorendaShelf& shelf;
};
