#include "SetPasswordDialog.h"

#include "PasswordFieldStyle.h"
#include "ScreenFunctions.h"
#include "TextFunctions.h"

SetPasswordDialog::SetPasswordDialog(QWidget* parent)
    : ModalWindow(parent)
{
    setupUi(this);
    hiddenButton = new QPushButton(this);
    hiddenButton->hide();
    connect(hiddenButton, &QPushButton::clicked, this, &SetPasswordDialog::reject);
    connect(cancelButton, &QPushButton::clicked, this, &SetPasswordDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &SetPasswordDialog::accept);
    connect(passwordLineEdit, &QLineEdit::textChanged, this, &SetPasswordDialog::passwordChanged);
    connect(confirmLineEdit, &QLineEdit::textChanged, this, &SetPasswordDialog::passwordChanged);
    passwordChanged(QString());
    passwordLineEdit->setFocus();
    centerOnScreen(this);
}

int SetPasswordDialog::exec(const QString& title)
{
    setWindowTitle(title);
    return run();
}

void SetPasswordDialog::accept()
{
    const QString password = passwordLineEdit->text();
    if (confirmLineEdit->text() != password) {
        infoLabel->setText(tr("The passwords didn't match. Please try again."));
        markFieldInvalid(confirmLineEdit);
        return;
    }
    newHash = password.isEmpty() ? QString() : getHash(password, QCryptographicHash::Md5);
    finish(1);
}

void SetPasswordDialog::passwordChanged(const QString&)
{
    infoLabel->setText(tr("To remove the password leave both fields blank."));
    clearFieldMark(confirmLineEdit);
}

void SetPasswordDialog::showEvent(QShowEvent* event)
{
    ModalWindow::showEvent(event);
    setFixedSize(size());
}
