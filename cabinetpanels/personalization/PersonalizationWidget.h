#pragma once

#include "ShelfStyle.h"
#include "StyleElement.h"
#include "ui_PersonalizationWidget.h"

#include <QPointer>
#include <QSettings>
#include <QWidget>

class AbstractThumbnailItem;
class QTimeLine;
class StyleItem;
class VorendaShelf;

// The one window in which the user edits one cabinet's settings and style, on three
// sliding pages: General (name, hotkey, docking, showing, window modes, kiosk mode and
// password), Appearance (bars, labels, category headers, text font and decoration) and
// Style (the style editor).
//
// General and Appearance values reach the cabinet only when the panel is accepted. Style
// edits are previewed on the cabinet at once through styleChanged() and are then either
// committed (accepted()) or undone (rejected()); the three signals are connected to the
// cabinet being edited only. Accepting also writes the cabinet's data file, and a changed
// style is kept as a style file of the user's. A cabinet locked in kiosk mode takes
// nothing from the panel: locking it closes the panel as Cancel does, and OK on a
// locked cabinet writes nothing unless the kiosk password was given on the panel.
class PersonalizationWidget : public QWidget, public Ui::PersonalizationWidgetClass
{
    Q_OBJECT

public:
    ~PersonalizationWidget() override;

    // The one panel, made hidden and without parent on the first call.
    static PersonalizationWidget* instance();
    // Whether the one panel is shown; makes it when there is none yet.
    static bool visible();
    // Lets the cabinets open the panel and ask about it. Called once at start-up.
    static void installCabinetLink();

    // Shows the panel for `shelf` on page `panel` (0 General, 1 Appearance, 2 Style) with
    // `element` selected on the Style page. A panel open for another cabinet first
    // commits that one; shown again for the same cabinet, what the user typed stays and
    // only the style part, the element and the page are refreshed.
    void show(VorendaShelf* shelf, int panel, StyleElement element);
    using QWidget::show;

    // The cabinet being edited; null while the panel is closed.
    QPointer<VorendaShelf> shelf;

signals:
    void styleChanged(const ShelfStyle& style, StyleElement element);
    void accepted(const ShelfStyle& style);
    void rejected();

public slots:
    // Reloads the controls that the cabinet's own commands change; the name, hotkey,
    // showing, font, decoration and password keep what the user entered.
    void updateSettings();

    void add();
    void onApplyToRelated();
    // Writes every value back to the cabinet, saves it, keeps a changed style and
    // commits it; with `close` the panel closes.
    void accept(bool close);
    void accept();
    // Undoes the style preview and closes the panel.
    void reject();
    void onItemSelected(AbstractThumbnailItem* item, bool on);
    void onItemDoubleClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers);
    void onCurrentStyleChanged(int index);
    void onCurrentElementChanged(int index);
    void onReflectionLevelChanged(int value);
    void onPerspectiveAngleChanged(int value);
    void onDarknessLevelChanged(int value);
    void onDeleteColorsRequest(QList<AbstractThumbnailItem*> items, bool* ok);
    void onDeletePatternsRequest(QList<AbstractThumbnailItem*> items, bool* ok);
    void animatePanels(int value);
    void finishAnimation();
    void showPanel(int index, bool animate);
    void showPanel(int index);
    void mousePointerCheckBoxToggled(bool checked);
    void butOnlyCheckBoxToggled(bool checked);
    void onDockOptionChanged(int index);
    // Asks for the current kiosk password first, then for the new one.
    void setKioskPassword();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Only hides: the panel keeps its state. A close that neither OK nor Cancel made
    // (the title bar's button) undoes the style preview as Cancel does.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Style editor.
    void setCurrentElement(StyleElement element);
    static bool isLockedColor(uint rgba);
    static bool isLockedPattern(const QString& path);
    // Keeps a changed style as a style file: over its own file when that is the user's
    // and no other cabinet wears it, else as a new "(Modified)" style.
    void saveCurrentStyle();

private slots:
    // Leaving kiosk mode from the panel needs the kiosk password.
    void kioskCheckBoxClicked(bool checked);

private:
    explicit PersonalizationWidget(QWidget* parent = nullptr);

    void fitPages();
    void setUpDockOptions();
    void setUpStyleEditor();
    void setUpSwatchView(ThumbnailView* view);
    void fillStyleList();
    void fillSwatches();
    void fillFontList();
    void connectToShelf(VorendaShelf* target);
    void loadSettings();
    void loadSwitches();
    // Writes the General and Appearance values into the cabinet; false, writing
    // nothing, while the cabinet is locked.
    bool writeSettings();
    void writeShowModifiers();
    void updatePasswordButton();
    void selectDockOption(int option);
    void selectSwatch(ThumbnailView* view, StyleItem* swatch);
    // The current element of the element list, AllElements when none is chosen.
    StyleElement currentElement() const;
    bool anotherShelfWears(const QString& styleName) const;
    void setSlidersFromStyle();

    static PersonalizationWidget* widgetInstance;
    class PanelLink;

    QTimeLine* timeLine = nullptr;
    bool applying = false;
    // Set while OK or Cancel closes the panel, so closeEvent knows who closed it.
    bool answering = false;
    int currentPanel = -1;
    QSettings settings;
    ShelfStyle style;
    QString kioskHash;
    // The kiosk password was given here to leave the cabinet's kiosk mode.
    bool unlocked = false;
    // Which swatch list shows: -1 none yet, 0 colours, 1 patterns.
    int listMode = -1;
    int pageWidth = 420;
    int pageHeight = 530;
};
