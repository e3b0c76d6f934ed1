#pragma once

#include "ModalWindow.h"
#include "ui_SetPasswordDialog.h"

class QPushButton;

// Asks for a new kiosk password twice. On 1 the new digest (lower-case hexadecimal
// MD5 of the UTF-8 text) is set; empty when both fields were left blank, which
// removes the password. 0 for a cancel.
class SetPasswordDialog : public ModalWindow, public Ui_SetPasswordWidgetClass
{
    Q_OBJECT

public:
    explicit SetPasswordDialog(QWidget* parent = nullptr);

    int exec(const QString& title);

    QString hash() const { return newHash; }

protected:
    void showEvent(QShowEvent* event) override;

protected slots:
    void accept() override;
    void passwordChanged(const QString& text);

private:
    QString newHash;
    QPushButton* hiddenButton;
};
