#pragma once

#include "ModalWindow.h"
#include "ui_MessageDialog.h"

#include <QMessageBox>

// The program's one message box. A caller keeps it on its stack, calls exec() once
// and reads a single yes-or-no answer. exec() shows the platform's standard box; the
// own form only follows the common question-window pattern and is never shown by it.
class MessageDialog : public ModalWindow, public Ui_MessageDialogClass
{
    Q_OBJECT

public:
    enum MessageType { Question = 0, Information = 1, Warning = 2, Critical = 3 };
    enum ButtonsRole { OkButton = 0, CloseButton = 1, YesNoButtons = 2, OkCancelButtons = 3 };

    explicit MessageDialog(QWidget* parent = nullptr);

    // Shows `text` in the standard box of `type`, modal, with `parent` as its parent
    // (null allowed). True for OK, Close or Yes; false for No, Cancel and for a role
    // outside 0-3, which shows nothing. A type outside 0-3 shows nothing either.
    bool exec(QWidget* parent, const QString& text, MessageType type, ButtonsRole role);
    // Shows `text` in the standard box of `type` with a button for each of `choices`,
    // the first the default. The index of the button pressed; -1 when the box went
    // with its parent. With more than one choice, only a button closes the box.
    int choose(QWidget* parent, const QString& text, MessageType type, const QStringList& choices);

protected:
    // The button that closed the standard box, or NoButton when none was shown or
    // the box went with its parent.
    QMessageBox::StandardButton callStandard(QWidget* parent, const QString& text, MessageType type,
                                             QMessageBox::StandardButtons buttons);
    static QMessageBox::Icon iconOf(MessageType type);

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
