#include "PasswordFieldStyle.h"

#include <QLineEdit>

void markFieldInvalid(QLineEdit* field)
{
    field->setStyleSheet(QStringLiteral("background: rgb(220,0,0); color: white; selection-color: white; "
                                        "selection-background-color: rgb(80,80,80);"));
    field->setFocus(Qt::OtherFocusReason);
}

void clearFieldMark(QLineEdit* field)
{
    field->setStyleSheet(QString());
}
