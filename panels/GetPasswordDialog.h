#pragma once

#include "ModalWindow.h"
#include "ui_GetPasswordDialog.h"

class QPushButton;

// Asks for the kiosk password and checks it against the stored digest (the
// lower-case hexadecimal MD5 of the password's UTF-8 text). The password is
// case-sensitive; the digests compare without regard to case.
class GetPasswordDialog : public ModalWindow, public Ui_GetPasswordWidgetClass
{
    Q_OBJECT

public:
    explicit GetPasswordDialog(QWidget* parent = nullptr);

    // 1 for the right password, 0 for a cancel. An empty `hash` means no password is
    // set: 1 at once, with no window shown.
    int exec(const QString& title, const QString& hash);

protected:
    void showEvent(QShowEvent* event) override;

protected slots:
    void accept() override;
    void passwordChanged(const QString& text);

private:
    QString expectedHash;
    QPushButton* hiddenButton;
};
