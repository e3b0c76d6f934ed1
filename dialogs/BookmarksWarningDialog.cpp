#include "BookmarksWarningDialog.h"

#include "ScreenFunctions.h"

BookmarksWarningDialog::BookmarksWarningDialog(QWidget* parent)
    : ModalWindow(parent)
{
    setupUi(this);
    connect(cancelButton, &QPushButton::clicked, this, &BookmarksWarningDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &BookmarksWarningDialog::accept);
    createRadioButton->setFocus();
    centerOnScreen(this);
}

int BookmarksWarningDialog::exec()
{
    return run();
}

void BookmarksWarningDialog::accept()
{
    if (recurseRadioButton->isChecked())
        finish(Flatten);
    else if (skipRadioButton->isChecked())
        finish(Skip);
    else
        finish(Subcategories);
}

void BookmarksWarningDialog::showEvent(QShowEvent* event)
{
    ModalWindow::showEvent(event);
    setFixedSize(size());
}
