#pragma once

#include "ModalWindow.h"
#include "ui_NewVersionDialog.h"

// Tells the user that a newer version is out and shows what is new in it.
// exec() answers 1 for "Download", 0 for "Later" (Escape, the title-bar close).
// The caller fills the form and reads autoUpdatesCheckBox afterwards.
class NewVersionDialog : public ModalWindow, public Ui_NewVersionDialogClass
{
    Q_OBJECT

public:
    explicit NewVersionDialog(QWidget* parent = nullptr);

    // introLabel: the version ("1.36.07" for minor 3607) with the advice to install it.
    void setVersion(int majorVer, int minorVer);
    // whatsNewEdit: the text, shown from its first line.
    void setWhatsNew(const QString& text);

    int exec();

protected:
    void showEvent(QShowEvent* event) override;
};
