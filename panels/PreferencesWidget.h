#pragma once

#include "ui_PreferencesWidget.h"

#include <QWidget>

class QPushButton;
class QTimeLine;
class VorendaMain;

// The one window in which the user edits the application-wide preferences, on two
// panels that slide sideways: "General" (start-up, updates, language, the global
// hotkeys, the store folder) and "Cabinet" (how items open, the largest thumbnail
// size, item names and animations, the search box). OK writes them to VorendaGlobal
// and the controller, rebinds the hotkeys, lets every cabinet apply them and saves.
class PreferencesWidget : public QWidget, public Ui_PreferencesWidgetClass
{
    Q_OBJECT

public:
    ~PreferencesWidget() override;

    static PreferencesWidget* instance();
    // Whether the one instance is shown; makes it when there is none yet.
    static bool visible();

    // Fills the controls from `controller` and the global options and shows panel
    // `panel`. A null controller leaves the controller's fields as they were.
    void show(VorendaMain* controller, int panel);

    int shownPanel() const { return currentPanel; }
    // True while a larger thumbnail size is applied: OK, Cancel and Escape do nothing.
    bool isBusy() const;

public slots:
    void accept();
    void reject();
    void showPanel(int index, bool animate);
    void showPanel(int index);
    void animatePanels(int value);
    void finishAnimation();
    void onShowStoreFolder();
    void onChangeStoreFolder();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing only hides, so the state stays for the next show.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    explicit PreferencesWidget(QWidget* parent = nullptr);
    void fillFromController();
    void applyMaxThumbSize();
    void applyToController();
    void applyLanguage();
    // Copies the store folder to `newRoot` and, once the copy is complete, makes that the
    // store folder; when anything could not be copied, the old folder stays in use and
    // `newRoot` as it was. Either way a message says what became of it.
    void copyStoreFolder(const QString& oldRoot, const QString& newRoot);
    // Writes `newRoot` as the store folder of the next start; when the settings cannot
    // be written, says so and keeps `oldRoot` there.
    bool recordStoreFolder(const QString& oldRoot, const QString& newRoot);
    void setBusy(bool busy);

    VorendaMain* controller = nullptr;
    QTimeLine* panelAnimation = nullptr;
    int currentPanel = -1;
    QPushButton* busyButton = nullptr;

    static PreferencesWidget* widgetInstance;
};
