#pragma once

#include <QKeySequence>
#include <QLineEdit>

// The field in which the user sets a shortcut by pressing it: it captures one key
// sequence (modifiers plus one key), shows it in the platform's notation and drops
// combinations that make no sense as a hotkey. While it is empty and unfocused it shows
// a grey placeholder. The panels read the result with text() and fill it with setText().
class HotkeyWidget : public QLineEdit
{
    Q_OBJECT

public:
    explicit HotkeyWidget(QWidget* parent = nullptr);

    void setEmptyText(const QString& text);
    QString emptyText() const { return placeholder; }

    QString text() const { return QLineEdit::text(); }
    // Shows `text` as the field's hotkey. It also ends any capture in progress, so a
    // sequence pressed before cannot come back when the field loses the focus.
    void setText(const QString& text);

    static bool isModifier(int key);
    static bool isValidKey(int key);
    // Whether Shift may stay with `key`: letters, Space and the named keys.
    static bool isShiftAllowed(int key);
    // The sequence a key press makes: modifiers alone while no other key is down.
    static QKeySequence validate(QKeyEvent* event);
    // The sequence kept when the keys are released; empty when it is refused.
    static QKeySequence validate(const QKeySequence& sequence);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showSequence();

    QKeySequence sequence;
    QString placeholder;
};
