#pragma once

#include <QLineEdit>

class QToolButton;

// The search field of a cabinet and of the quick search: a frameless line edit inside
// a rounded white frame, with a search button at its left, a clear button at its right
// that shows only while there is text, and a grey placeholder while it is empty and
// unfocused. It knows nothing of searching; owners react to textChanged().
class SearchBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit SearchBox(QWidget* parent = nullptr);

    void setEmptyText(const QString& text);
    QString getEmptyText() const { return emptyText; }
    void setSearchIcon(const QPixmap& pixmap);
    void setClearIcon(const QPixmap& pixmap);
    QToolButton* getSearchButton() const { return searchButton; }
    QToolButton* getClearButton() const { return clearButton; }

    // Paddings and minimum width from the button sizes.
    void updateSize();
    // Puts the two buttons in their places.
    void updateControls();

signals:
    void searchButtonClicked();
    void textCleared();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void clearButtonClicked();
    void updateClearButton(const QString& text);

private:
    QToolButton* makeButton(const QPixmap& icon);
    int frameWidth() const;

    QString emptyText;
    QToolButton* searchButton;
    QToolButton* clearButton;
};
