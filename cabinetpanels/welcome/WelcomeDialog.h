#pragma once

#include "ApplicationWalk.h"
#include "ModalWindow.h"
#include "ui_WelcomeDialog.h"

#include <QPointer>
#include <QVariant>

class ListIteratorThread;
class QLabel;
class RecurseDirThread;
class VorendaShelf;

// The first-run wizard: fills a cabinet with the user's desktop items, the
// applications and the utilities, each group in a category of its own, while the
// user may try the styles on that cabinet; at the end it opens the getting-started
// guide. exec() waits until Finish (or Abort, which is the same) and answers 0.
//
// Applications are the ".desktop" entries of the desktop's menus: those of the menu
// category "Utility" go to "Utilities", all others to "Applications".
class WelcomeDialog : public ModalWindow, public Ui_WelcomeDialogClass
{
    Q_OBJECT

public:
    explicit WelcomeDialog(QWidget* parent = nullptr);
    ~WelcomeDialog() override;

    // Fills `cabinet` (null: walks, counts and adds nothing); shows the wizard with the
    // cabinet's style chosen and waits. Returns 0.
    int exec(VorendaShelf* cabinet);

    // What runs: 0 the desktop, 1 the applications, 2 the utilities, 3 and above done.
    int operation() const { return currentOperation; }

protected slots:
    void start();
    // Stops the walk, ends exec() and opens the guide.
    void finish();
    void help();
    void onCurrentStyleChanged(int index);
    void onFileFound(QString name, QString path, QVariant data);
    void onDirFound(QString name, QString path, QVariant data);
    void onRecurseDirThreadFinished(int folders, int files, bool aborted);
    void onItemFound(void* item, QVariant data);
    void onListIteratorThreadFinished(QList<void*>* list, int items, bool aborted);

protected:
    void doOperation();
    // Shows `pixmap` in `label`, scaled down to fit when it is larger.
    void setThumbnail(QLabel* label, QPixmap pixmap);

    // Return and Enter start, or finish once started; Escape does nothing.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A close from the window system stops the walk and ends exec() without the guide.
    void closeEvent(QCloseEvent* event) override;

private:
    // The status label of the row the current operation fills.
    QLabel* statusLabel() const;
    // Each status label as wide as its row's title, so a long item name never widens the window.
    void fitStatusLabels();
    void stopWalks();
    // Counts a listed entry and adds it to the cabinet, if any.
    void addFound(const QString& name, const QString& path, const QVariant& data);

    QPointer<VorendaShelf> cabinet;
    int currentOperation = 0;
    // The entries listed for the row the current operation fills.
    int addedToRow = 0;
    RecurseDirThread* recurseDirThread = nullptr;
    ListIteratorThread* listIteratorThread = nullptr;
    ApplicationWalk applicationWalk;
};
