#pragma once

#include "ModalWindow.h"
#include "ui_RemoveWarningDialog.h"

// Confirms a removal and lists what it affects. Answers 1 to remove, 0 to keep.
// Given a parent, the confirmation is modal to that window: the rest of the program
// keeps working, the window it is about does not.
class RemoveWarningDialog : public ModalWindow, public Ui_RemoveWarningDialogClass
{
    Q_OBJECT

public:
    explicit RemoveWarningDialog(QWidget* parent = nullptr);

    int exec(const QString& message, const QStringList& items);

protected:
    void showEvent(QShowEvent* event) override;
};
