#include "MessageDialog.h"

#include "ScreenFunctions.h"

#include <QPointer>
#include <QPushButton>

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

QMessageBox::Icon MessageDialog::iconOf(MessageType type)
{
    switch (type) {
    case Question:
        return QMessageBox::Question;
    case Information:
        return QMessageBox::Information;
    case Warning:
        return QMessageBox::Warning;
    case Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton MessageDialog::callStandard(QWidget* parent, const QString& text, MessageType type,
                                                        QMessageBox::StandardButtons buttons)
{
    const QMessageBox::Icon icon = iconOf(type);
    if (icon == QMessageBox::NoIcon)
        return QMessageBox::NoButton;
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

int MessageDialog::choose(QWidget* parent, const QString& text, MessageType type, const QStringList& choices)
{
    const QMessageBox::Icon icon = iconOf(type);
    if (icon == QMessageBox::NoIcon || choices.isEmpty())
        return -1;
    QPointer<QMessageBox> box = new QMessageBox(icon, QStringLiteral("Vorenda"), text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box->addButton(choice, QMessageBox::ActionRole));
    box->setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    box->exec();
    if (!box)
        return -1;
    const int chosen = buttons.indexOf(box->clickedButton());
    delete box;
    return chosen;
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
