#include "MessageDialog.h"

#include "ScreenFunctions.h"

#include <QPointer>

MessageDialog::MessageDialog(QWidget* parent)
    : ModalWindow(parent)
{
    setupUi(this);
    connect(cancelButton, &QPushButton::clicked, this, &MessageDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &MessageDialog::accept);
    centerOnScreen(this);
}

bool MessageDialog::exec(QWidget* parent, const QString& text, MessageType type, ButtonsRole role)
{
    switch (role) {
    case OkButton:
        callStandard(parent, text, type, QMessageBox::Ok);
        return true;
    case CloseButton:
        callStandard(parent, text, type, QMessageBox::Close);
        return true;
    case YesNoButtons:
        return callStandard(parent, text, type, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    case OkCancelButtons:
        return callStandard(parent, text, type, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
    }
    return false;
}

QMessageBox::StandardButton MessageDialog::callStandard(QWidget* parent, const QString& text, MessageType type,
                                                        QMessageBox::StandardButtons buttons)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (type) {
    case Question:
        icon = QMessageBox::Question;
        break;
    case Information:
        icon = QMessageBox::Information;
        break;
    case Warning:
        icon = QMessageBox::Warning;
        break;
    case Critical:
        icon = QMessageBox::Critical;
        break;
    default:
        return QMessageBox::NoButton;
    }
    // On the heap: should the parent be deleted while the box waits, it takes the box
    // with it, and the guard tells us so instead of a stack object being freed.
    // The title is the product word in every language.
    QPointer<QMessageBox> box = new QMessageBox(icon, QStringLiteral("Vorenda"), text, buttons, parent);
    box->setDefaultButton(QMessageBox::NoButton);
    box->exec();
    if (!box)
        return QMessageBox::NoButton;
    const QMessageBox::StandardButton clicked = box->standardButton(box->clickedButton());
    delete box;
    return clicked;
}

void MessageDialog::showEvent(QShowEvent* event)
{
    setFixedSize(size());
    ModalWindow::showEvent(event);
}

void MessageDialog::resizeEvent(QResizeEvent* event)
{
    ModalWindow::resizeEvent(event);
    centerOnScreen(this);
}
