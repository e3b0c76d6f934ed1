#pragma once

#include "ModalWindow.h"
#include "ui_AboutDialog.h"

// Shows the program's icon and version. exec() waits until OK, Escape, Return,
// Enter or the title-bar close ends it, and answers 0.
class AboutDialog : public ModalWindow, public Ui_AboutDialogClass
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    int exec();

public slots:
    void ok();

protected:
    void showEvent(QShowEvent* event) override;

protected slots:
    void accept() override;
    void reject() override;
};
