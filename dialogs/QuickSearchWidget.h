#pragma once

#include "ui_QuickSearchWidget.h"

#include <QHash>
#include <QRect>
#include <QSettings>
#include <QVariant>
#include <QWidget>

class DynamicAction;
class QMenu;
class QTimer;
class SkinWidget;
class SkinWindow;

// The small floating search window called up from anywhere by its global hotkey or
// the status menu. With the cabinets' own items as provider (key 0) every edit filters
// every cabinet and the window counts the matches; with a web provider (keys 1-11)
// Return opens the provider's search page for the text in the web browser.
//
// Edits are searched after a short pause, so a burst of keystrokes filters the
// cabinets once; Return, Escape and closing act at once on what is typed.
class QuickSearchWidget : public QWidget, public Ui_QuickSearchWidgetClass
{
    Q_OBJECT

public:
    using SearchType = int;
    class SearchProvider;

    // Milliseconds an edit waits for the next keystroke before the cabinets search.
    static constexpr int searchDelay = 100;
    static constexpr int formHeight = 101;

    ~QuickSearchWidget() override;

    static QuickSearchWidget* instance();
    // Whether the one instance is shown; makes it when there is none yet.
    static bool visible();

    // True when the quick search looks through the cabinets' own items.
    bool searchingVorenda() const { return searchType == 0; }
    SearchType currentSearchType() const { return searchType; }
    // The provider of `type`; null for a key without one.
    SearchProvider* provider(SearchType type) const { return providers.value(type, nullptr); }
    QMenu* providerMenu() const { return menu; }
    // Whether an edit waits to be searched.
    bool searchPending() const;

signals:
    // The text every cabinet filters its items by; empty clears the filters.
    void search(const QString& text);

public slots:
    // Shows, raises and activates the window; with the own items, first drops every
    // cabinet's filter.
    void show();
    // Stores the provider and the window's place.
    void quit();
    void textEdited(const QString& text);
    void textEdited();
    void returnPressed();
    void searchButtonClicked();
    void searchTypeChanged(const QVariant& data);

protected:
    void updateUI();
    void saveCompleter(const QString& text);
    DynamicAction* createSearchTypeAction(SearchType type);

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Closing only hides, so the state stays for the next show.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    // Filters the cabinets by the text edited last and shows the count.
    void searchEdited();

private:
    explicit QuickSearchWidget(QWidget* parent = nullptr);
    void createProviders();
    void createProviderMenu();
    void fitWidth();
    void placeWindow();
    // Runs a waiting search now.
    void flushSearch();
    // Forgets a waiting search.
    void cancelSearch();
    static int countMatches();
    static QString matchesText(int matches);

    SkinWindow* skinWindow = nullptr;
    SkinWidget* titleSkin = nullptr;
    QMenu* menu = nullptr;
    QHash<SearchType, SearchProvider*> providers;
    SearchType searchType = 0;
    QSettings settings;
    QRect windowRect;
    QTimer* searchTimer = nullptr;
    QString editedText;

    static QuickSearchWidget* widgetInstance;
};
