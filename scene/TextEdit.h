#pragma once

#include <QTextEdit>

// A text edit that a graphics proxy can shrink to any size.
class TextEdit : public QTextEdit
{
    Q_OBJECT

public:
    explicit TextEdit(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
};
