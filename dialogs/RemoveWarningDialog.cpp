#include "RemoveWarningDialog.h"

#include "ScreenFunctions.h"

RemoveWarningDialog::RemoveWarningDialog(QWidget* parent)
    : ModalWindow(parent)
{
    setupUi(this);
    connect(cancelButton, &QPushButton::clicked, this, &RemoveWarningDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &RemoveWarningDialog::accept);
    centerOnScreen(this);
}

int RemoveWarningDialog::exec(const QString& message, const QStringList& items)
{
    questionLabel->setText(message);
    listWidget->addItems(items);
    return run();
}

void RemoveWarningDialog::showEvent(QShowEvent* event)
{
    ModalWindow::showEvent(event);
    setFixedSize(size());
}
