#pragma once

#include "ShelfStyle.h"

#include <QColor>
#include <QList>
#include <QLocale>
#include <QMap>
#include <QString>
#include <QStringList>

class VorendaMain;
class VorendaShelf;
class QAbstractButton;
class QAbstractItemView;
class QCheckBox;
class QFont;
class QFrame;
class QGroupBox;
class QLabel;
class QRadioButton;
class QTextEdit;
class QWidget;
class SkinWidget;
class SkinWindow;

// The program's process-wide state. Never instantiated; every part of the
// program reads these members directly.
class VorendaGlobal
{
public:
    VorendaGlobal() = delete;

    // Fonts and skinning. Defined in the skin library (VorendaGlobalSkinning.cpp),
    // which lies above this one. The objects made are Qt children of the widget.
    // Which separator lines a selected panel button shows.
    enum PanelButtonType { PanelLineLeft = 0, PanelLinesBoth = 1, PanelLineRight = 2, PanelNoLines = 3 };
    static QFont getSmallFont(bool bold, const QString& family);
    static QFont getNormalFont(bool bold, const QString& family);
    static QFont getLargeFont(bool bold, const QString& family);
    static QFont getHugeFont(bool bold, const QString& family);
    static SkinWidget* skinFrame(QFrame* frame);
    static SkinWidget* skinPanelButton(QAbstractButton* button, PanelButtonType type);
    static SkinWidget* skinCommandButton(QWidget* widget, const QColor& color, const QColor& textColor, bool bold);
    static SkinWidget* skinButton(QAbstractButton* button);
    static SkinWidget* skinMenuButton(QWidget* widget);
    static SkinWidget* skinCloseButton(QAbstractButton* button);
    // Null for a word-wrapping label, which keeps its own painting.
    static SkinWidget* skinLabel(QLabel* label, int size, Qt::Alignment alignment, bool bold);
    static SkinWidget* skinTitle(QLabel* label, bool bold);
    static SkinWindow* skinWindow(QWidget* widget, bool fixedSize);
    static void skinView(QAbstractItemView* view);
    static void skinGroupBox(QGroupBox* groupBox);
    static void skinCheckBox(QCheckBox* checkBox);
    static void skinRadioButton(QRadioButton* radioButton);
    static void skinTextEdit(QTextEdit* textEdit);

    // Version
    inline static int MAJOR_VER = 1;
    inline static int MINOR_VER = 3500;
    inline static int BETA_VER = 0;

    // Shelf geometry
    inline static int SHELF_MAXTHUMBSIZE = 128;
    inline static int SHELF_MINIMAGESIZE = 32;
    inline static int SHELF_THICKNESS = 8;
    inline static int SHELF_MARGIN = 5;
    inline static int SHELF_ANGLE = 35;
    inline static int SHELF_HEIGHT = 35;
    inline static int SHELF_THUMBSIZE = 256;
    inline static int SHELF_ICONSIZE = 256;

    // Switches from the main data file, the preferences and the settings store
    inline static bool singleClickOpen = false;
    inline static int showLabelMode = 2;
    inline static int searchBoxOption = 1;
    inline static bool animHover = true;
    inline static bool animClick = true;
    inline static bool logEnabled = false;
    inline static bool readOnlyConfig = false;
    inline static QString kioskPasswordHash;

    // Locations, languages and texts
    inline static QString storeFolder;
    inline static QString THUMBEXT;
    inline static QString sysLanguage;
    inline static QString appLanguage = QStringLiteral("en");
    inline static QString homepageUrl = QStringLiteral("https://www.vorenda.org/%1/%2/index.html");
    inline static QString verCheckUrl = QStringLiteral("https://www.vorenda.org/vercheck/vorenda-%1-%2.xml");

    // Lists, colours and objects
    inline static QStringList colorNames;
    inline static QList<uint> colors;
    inline static QList<uint> userColors;
    inline static QStringList patterns;
    inline static QStringList userPatterns;
    inline static QStringList tags;
    inline static QColor systemColor;
    inline static QColor toolTipColor;
    inline static ShelfStyle defaultShelfStyle;
    inline static QMap<int, ShelfStyle> shelfStyles;
    inline static QList<VorendaShelf*> shelves;
    inline static VorendaMain* main = nullptr;

    // Start-up: store folder, switches, language, meta types.
    static void initialize();
    static void initialize(const QLocale& systemLocale);
    // Colour, pattern and style lists.
    static void load();
    // Writes the user colours and patterns and the language to the settings store.
    static void save();

    static QString getRootLocation();
    static QString getDataLocation();
    static QString getCacheLocation();
    static QString getStylesLocation();
    // The display name of a key sequence's native text (QKeySequence::NativeText).
    static QString getKeyName(const QString& keySequence);
    static QString getLogFileName();

    static bool containsColor(uint argb);
    static bool containsPattern(const QString& pattern);

    static void addToLog(const QString& message);
    static void setRunAtStartup(bool on);
    static bool locateItem(const QString& pathOrUrl, bool flag = false);
};
