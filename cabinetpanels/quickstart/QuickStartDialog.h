#pragma once

#include "ui_QuickStartDialog.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <functional>

class DynamicAction;
class QMenu;
class VorendaShelf;

// The first steps with a cabinet in one small window: choose a cabinet, then change
// its style, add a category or items, personalize it, dock it to a screen edge or get
// help. Each command pops a menu that the chosen cabinet fills with its own menu
// builders, so the entries, their texts and what they do are the cabinet's; only the
// style list is made here. There is one panel; closing it only hides it.
class QuickStartDialog : public QWidget, public Ui::QuickStartDialogClass
{
    Q_OBJECT

public:
    ~QuickStartDialog() override;

    // The one panel, made hidden and without parent on the first call.
    static QuickStartDialog* instance();
    // Whether the one panel is shown; makes it when there is none yet.
    static bool visible();
    // Lets the cabinets show the panel and ask about it. Called once at start-up.
    static void installCabinetLink();

    // Chooses `cabinet` (none for null), then shows, raises and activates the panel.
    void show(VorendaShelf* cabinet);
    using QWidget::show;

    // A menu entry of `menu` that hands `data` to `receiver`'s `member`
    // (a slot taking a QVariant and a bool), `delay` ms after it was chosen unless
    // `delay` is -1.
    DynamicAction* addMenuAction(QMenu* menu, const QString& text, QVariant data, QObject* receiver,
                                 const char* member, int delay);

    // The cabinet the commands act on; null while none is chosen.
    QPointer<VorendaShelf> currentShelf;

public slots:
    void ok();
    // Lists the cabinets again, keeping the chosen one when it is still there.
    void onShelvesChanged();
    // A cabinet chosen in the list becomes the one worked on and is shown.
    void onCurrentCabinetChanged(int index);
    void onChangeStyle();
    // The style whose key `data` holds (the default style for an unknown key) becomes
    // the cabinet's.
    void onChangeStyle(QVariant data, bool checked);
    // Opens the personalization panel's Style page at the style element `data` holds.
    void onCustomizeStyle(QVariant data, bool checked);
    void onNewCategory();
    void onAddItems();
    void onPersonalize();
    void onDockToScreenEdge();
    void onHelpAndSupport();

protected:
    // Forgets the cabinet and only hides, so the panel keeps its list.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Escape, Return and Enter close the panel.
    void keyPressEvent(QKeyEvent* event) override;

private:
    explicit QuickStartDialog(QWidget* parent = nullptr);

    // With no cabinet chosen, says so and returns false; else shows the cabinet.
    bool validCabinet();
    // Runs `menu` at its command label; the chosen entry, or null.
    QAction* execMenu(QMenu* menu, QLabel* button);
    // A menu that the chosen cabinet fills and whose entries run themselves.
    void runCabinetMenu(QLabel* button, const std::function<void(VorendaShelf&, QMenu*)>& fill);
    // A kiosk cabinet keeps its style until the password unlocks it.
    bool mayRestyle() const;
    // The list entry of `shelf`; -1 when it is not listed.
    int indexOf(const VorendaShelf* shelf) const;
    // The listed cabinet the entry `index` stands for; null when it is gone.
    VorendaShelf* shelfAt(int index) const;
    static qulonglong identity(const VorendaShelf* shelf);

    bool refilling = false;
    static QuickStartDialog* widgetInstance;
    class PanelLink;
};
