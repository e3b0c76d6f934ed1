#include "SearchBox.h"

#include "BackgroundProperty.h"
#include "SkinWidget.h"
#include "VorendaGlobal.h"

#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace {

BackgroundPainter frameAndFill()
{
    BorderPainter border(4.0, 10.0, QColor(0, 0, 0, 0));
    const auto piece = [](const char* name) {
        return QPixmap(QStringLiteral(":/Resources/Images/search%1.png").arg(QLatin1String(name)));
    };
    border.setImages(piece("TopLeft"), piece("Top"), piece("TopRight"), piece("Right"), piece("BottomRight"),
                     piece("Bottom"), piece("BottomLeft"), piece("Left"), false);
    BackgroundPainter painter(Qt::white);
    painter.setBorderPainter(border);
    return painter;
}

} // namespace

SearchBox::SearchBox(QWidget* parent)
    : QLineEdit(parent)
    , emptyText(tr("Search"))
{
    searchButton = makeButton(QPixmap(QStringLiteral(":/Resources/Images/search.png")));
    clearButton = makeButton(QPixmap(QStringLiteral(":/Resources/Images/clear.png")));
    connect(searchButton, &QToolButton::clicked, this, &SearchBox::searchButtonClicked);
    connect(clearButton, &QToolButton::clicked, this, &SearchBox::clearButtonClicked);
    connect(this, &QLineEdit::textChanged, this, &SearchBox::updateClearButton);

    // Only the normal state has a look: the field never shows selection or hover.
    SkinWidget* skin = new SkinWidget(this);
    skin->setBackground(BackgroundProperty(frameAndFill(), BackgroundPainter(), BackgroundPainter(),
                                           BackgroundPainter(), BackgroundPainter()));
    // The line edit paints its text over the skin's background.
    skin->setFilterPaint(false);

    setFont(VorendaGlobal::getLargeFont(false, QString()));
    updateSize();
    updateControls();
}

QToolButton* SearchBox::makeButton(const QPixmap& icon)
{
    QToolButton* button = new QToolButton(this);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    button->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0px; }"));
    button->setIcon(QIcon(icon));
    button->setIconSize(icon.size());
    button->hide();
    return button;
}

int SearchBox::frameWidth() const
{
    return style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
}

void SearchBox::setEmptyText(const QString& text)
{
    emptyText = text;
    update();
}

void SearchBox::setSearchIcon(const QPixmap& pixmap)
{
    searchButton->setIcon(QIcon(pixmap));
    searchButton->setIconSize(pixmap.size());
    updateSize();
    updateControls();
}

void SearchBox::setClearIcon(const QPixmap& pixmap)
{
    clearButton->setIcon(QIcon(pixmap));
    clearButton->setIconSize(pixmap.size());
    updateSize();
    updateControls();
}

void SearchBox::updateSize()
{
    const int fw = frameWidth();
    const int searchWidth = searchButton->sizeHint().width();
    const int clearWidth = clearButton->sizeHint().width();
    setStyleSheet(QStringLiteral("QLineEdit { border: none; background: transparent; padding-top: %1px; "
                                 "padding-left: %2px; padding-right: %3px; }")
                      .arg(0)
                      .arg(searchWidth + fw + 8)
                      .arg(clearWidth + fw + 2));
    setMinimumWidth(qMax(minimumWidth(), searchWidth + clearWidth + 2 * fw + 2));
}

void SearchBox::updateControls()
{
    const int fw = frameWidth();
    const QRect box = rect();
    const QSize searchHint = searchButton->sizeHint();
    const QSize clearHint = clearButton->sizeHint();
    // Integer division truncating toward zero, as C++ does.
    searchButton->move(box.left() + fw + 4, (box.bottom() - searchHint.height()) / 2 + 2);
    clearButton->move(box.right() - fw - clearHint.width() - 1, (box.bottom() - clearHint.height()) / 2 + 2);
}

void SearchBox::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    searchButton->setVisible(true);
    if (emptyText.isEmpty() || !text().isEmpty() || hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(Qt::gray);
    const int indent = frameWidth() + searchButton->sizeHint().width() + 9;
    painter.drawText(contentsRect().adjusted(indent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, emptyText);
}

void SearchBox::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    updateControls();
}

void SearchBox::clearButtonClicked()
{
    clear();
    emit textCleared();
}

void SearchBox::updateClearButton(const QString& text)
{
    clearButton->setVisible(!text.isEmpty());
}
