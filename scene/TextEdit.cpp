#include "TextEdit.h"

TextEdit::TextEdit(QWidget* parent)
    : QTextEdit(parent)
{
}

QSize TextEdit::minimumSizeHint() const
{
    return QSize(0, 0);
}
