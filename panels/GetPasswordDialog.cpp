#include "GetPasswordDialog.h"

#include "PasswordFieldStyle.h"
#include "ScreenFunctions.h"
#include "TextFunctions.h"

GetPasswordDialog::GetPasswordDialog(QWidget* parent)
    : ModalWindow(parent)
{
    setupUi(this);
    hiddenButton = new QPushButton(this);
    hiddenButton->hide();
    connect(hiddenButton, &QPushButton::clicked, this, &GetPasswordDialog::reject);
    connect(cancelButton, &QPushButton::clicked, this, &GetPasswordDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &GetPasswordDialog::accept);
    connect(passwordLineEdit, &QLineEdit::textChanged, this, &GetPasswordDialog::passwordChanged);
    passwordChanged(QString());
    passwordLineEdit->setFocus();
    centerOnScreen(this);
}

int GetPasswordDialog::exec(const QString& title, const QString& hash)
{
    if (hash.isEmpty())
        return 1;
    setWindowTitle(title);
    expectedHash = hash;
    return run();
}

void GetPasswordDialog::accept()
{
    const QString hash = getHash(passwordLineEdit->text(), QCryptographicHash::Md5);
    if (hash.compare(expectedHash, Qt::CaseInsensitive) == 0) {
        finish(1);
        return;
    }
    infoLabel->setText(tr("The password is incorrect. Please try again."));
    markFieldInvalid(passwordLineEdit);
}

void GetPasswordDialog::passwordChanged(const QString&)
{
    infoLabel->setText(tr("Remember the password is case sensitive."));
    clearFieldMark(passwordLineEdit);
}

void GetPasswordDialog::showEvent(QShowEvent* event)
{
    ModalWindow::showEvent(event);
    setFixedSize(size());
}
