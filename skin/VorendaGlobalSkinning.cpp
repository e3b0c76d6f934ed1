// The font and skinning functions of VorendaGlobal. They live in the skin library
// because they build SkinWidget and SkinWindow objects.
#include "VorendaGlobal.h"

#include "ColorFunctions.h"
#include "SkinWidget.h"
#include "SkinWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTextEdit>

namespace {

const QColor panelFill(32, 32, 32, 150);
const QColor windowFill(32, 32, 32, 200);
const QColor windowBorder(32, 32, 32, 1);
const QColor lineWhite(255, 255, 255, 220);

bool isFamilyInstalled(const QString& family)
{
    return QFontDatabase().families().contains(family, Qt::CaseInsensitive);
}

QFont baseFont(bool bold, const QString& family)
{
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::PreferAntialias);
    // The family exactly as passed, when some installed family matches it.
    if (!family.isEmpty() && isFamilyInstalled(family))
        font.setFamily(family);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

PenProperty whitePens()
{
    return PenProperty(QPen(Qt::white), QPen(Qt::white), QPen(Qt::white), QPen(Qt::white), QPen(Qt::gray));
}

GradientPainter verticalGradient(std::initializer_list<GradientPainter::Stop> stops)
{
    GradientPainter gradient(Qt::black, Qt::white, Qt::Vertical, QGradient::LinearGradient);
    for (const GradientPainter::Stop& stop : stops)
        gradient.setColorAt(stop.first, stop.second);
    return gradient;
}

BackgroundPainter borderAnd(const BorderPainter& border, const GradientPainter& gradient)
{
    BackgroundPainter painter(border);
    painter.setGradientPainter(gradient);
    return painter;
}

BackgroundPainter borderAnd(const BorderPainter& border, const QColor& fill)
{
    BackgroundPainter painter(border);
    painter.setFillColor(fill);
    return painter;
}

QPixmap menuArrowIcon()
{
    QPixmap icon(10, 9);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPolygonF triangle({QPointF(1, 1), QPointF(1, 9), QPointF(9, 5.5)});
    painter.setBrush(Qt::black);
    painter.setPen(QPen(QColor(0, 0, 0, 50), 0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawPolygon(triangle, Qt::OddEvenFill);
    return icon;
}

QPixmap closeCrossIcon()
{
    QPixmap icon(9, 9);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawLine(QPointF(0, 0), QPointF(8, 8));
    painter.drawLine(QPointF(0, 9), QPointF(9, 0));
    return icon;
}

void setTextColors(QWidget* widget, const QColor& color, const QColor& disabled)
{
    setPaletteColor(widget, QPalette::WindowText, color);
    setPaletteDisabledColor(widget, QPalette::WindowText, disabled);
}

} // namespace

QFont VorendaGlobal::getSmallFont(bool bold, const QString& family)
{
    return baseFont(bold, family);
}

QFont VorendaGlobal::getNormalFont(bool bold, const QString& family)
{
    return baseFont(bold, family);
}

QFont VorendaGlobal::getLargeFont(bool bold, const QString& family)
{
    return baseFont(bold, family);
}

QFont VorendaGlobal::getHugeFont(bool bold, const QString& family)
{
    QFont font = baseFont(bold, family);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() + 2);
    else if (font.pixelSize() > 0)
        font.setPixelSize(font.pixelSize() + 2);
    return font;
}

SkinWidget* VorendaGlobal::skinFrame(QFrame* frame)
{
    if (!frame)
        return nullptr;
    // A glass highlight on the upper half over the dark fill: the later stops at 0.0
    // and 1.0 win over the gradient's own end colours.
    BackgroundPainter normal(panelFill);
    normal.setGradientPainter(verticalGradient({{0.0, QColor(255, 255, 255, 100)},
                                                {0.5, QColor(255, 255, 255, 11)},
                                                {0.51, QColor(255, 255, 255, 0)},
                                                {1.0, QColor(255, 255, 255, 0)}}));
    auto* skin = new SkinWidget(frame);
    skin->setBackground(BackgroundProperty(normal, BackgroundPainter(), BackgroundPainter(), BackgroundPainter(),
                                           BackgroundPainter()));
    return skin;
}

SkinWidget* VorendaGlobal::skinPanelButton(QAbstractButton* button, PanelButtonType type)
{
    if (!button)
        return nullptr;
    QPixmap line(1, 1);
    line.fill(lineWhite);

    BorderPainter bottomLine;
    bottomLine.setImages(QPixmap(), QPixmap(), QPixmap(), QPixmap(), QPixmap(), line, QPixmap(), QPixmap(), false);
    const BackgroundPainter normal = borderAnd(bottomLine, QColor(0, 0, 0, 100));

    const QPixmap left = type == PanelLineLeft || type == PanelLinesBoth ? line : QPixmap();
    const QPixmap right = type == PanelLinesBoth || type == PanelLineRight ? line : QPixmap();
    BorderPainter sideLines;
    sideLines.setImages(QPixmap(), QPixmap(), QPixmap(), right, QPixmap(), QPixmap(), QPixmap(), left, false);
    const BackgroundPainter selected(sideLines);

    auto* skin = new SkinWidget(button);
    skin->setBackground(BackgroundProperty(normal, selected, BackgroundPainter(), BackgroundPainter(), normal));
    skin->setTextFont(FontProperty(getNormalFont(false, QString())));
    skin->setTextPen(PenProperty(QPen(Qt::white)));
    skin->setTextAlignment(Qt::AlignCenter);
    skin->setTextShadow(false, false);
    skin->setAnimHoverDuration(400);
    return skin;
}

SkinWidget* VorendaGlobal::skinCommandButton(QWidget* widget, const QColor& color, const QColor& textColor,
                                             bool bold)
{
    if (!widget)
        return nullptr;
    QColor invisible = color;
    invisible.setAlpha(0);
    // Gives the rounded shape and draws nothing itself.
    const BorderPainter shape(0.0, 10.0, invisible);
    const BackgroundPainter normal = borderAnd(shape, verticalGradient({{0.0, color},
                                                                        {0.3, color},
                                                                        {1.0, color.darker(200)}}));
    const BackgroundPainter selected = borderAnd(shape, color.darker(130));

    auto* skin = new SkinWidget(widget);
    skin->setBackground(BackgroundProperty(normal, selected, BackgroundPainter(), BackgroundPainter(),
                                           BackgroundPainter()));
    skin->setTextFont(FontProperty(getNormalFont(bold, QString())));
    skin->setTextPen(PenProperty(QPen(textColor)));
    skin->setTextAlignment(Qt::AlignCenter);
    skin->setTextShadow(false, false);
    skin->setAnimHoverDuration(300);
    // A real button is selected by being down; a label used as one needs button mode.
    if (!qobject_cast<QAbstractButton*>(widget)) {
        skin->setPushEffect(true);
        skin->setButton(true);
    }
    return skin;
}

SkinWidget* VorendaGlobal::skinButton(QAbstractButton* button)
{
    if (!button)
        return nullptr;
    const BorderPainter outline(1.5, 10.0, QColor(255, 255, 255, 220));
    const BackgroundPainter normal(outline);
    const BackgroundPainter selected = borderAnd(outline, QColor(0, 0, 0, 120));
    const BackgroundPainter hover = borderAnd(outline, QColor(0, 0, 0, 70));
    const BackgroundPainter disabled(BorderPainter(1.5, 10.0, QColor(255, 255, 255, 100)));

    auto* skin = new SkinWidget(button);
    skin->setBackground(BackgroundProperty(normal, selected, hover, BackgroundPainter(), disabled));
    skin->setTextFont(FontProperty(getNormalFont(false, QString())));
    skin->setTextPen(whitePens());
    skin->setTextAlignment(Qt::AlignCenter);
    skin->setTextShadow(false, false);
    skin->setAnimHoverDuration(400);
    return skin;
}

SkinWidget* VorendaGlobal::skinMenuButton(QWidget* widget)
{
    if (!widget)
        return nullptr;
    const BorderPainter outline(1.0, 10.0, QColor(92, 92, 92, 220));
    const BackgroundPainter normal = borderAnd(outline, verticalGradient({{0.0, QColor(245, 245, 245)},
                                                                          {0.5, QColor(245, 245, 245)},
                                                                          {1.0, QColor(150, 150, 150)}}));
    const BackgroundPainter selected = borderAnd(outline, verticalGradient({{0.0, QColor(217, 229, 249)},
                                                                            {0.5, QColor(217, 229, 249)},
                                                                            {1.0, QColor(98, 140, 202)}}));
    const BackgroundPainter disabled = borderAnd(outline, QColor(170, 170, 170));

    auto* skin = new SkinWidget(widget);
    skin->setBackground(BackgroundProperty(normal, selected, BackgroundPainter(), BackgroundPainter(), disabled));
    skin->setMargin(MarginProperty(0.0, 10.0, 0.0, 0.0));
    skin->setIconAlignment(Qt::AlignRight);
    skin->setIcon(ImageResource(menuArrowIcon()));
    skin->setTextFont(FontProperty(getLargeFont(false, QString())));
    skin->setTextPen(PenProperty(QPen(Qt::black)));
    skin->setTextAlignment(Qt::AlignCenter);
    skin->setTextShadow(false, false);
    skin->setAnimHoverDuration(300);
    skin->setPushEffect(true);
    skin->setButton(true);
    return skin;
}

SkinWidget* VorendaGlobal::skinCloseButton(QAbstractButton* button)
{
    if (!button)
        return nullptr;
    const QPixmap normal(QStringLiteral(":/Resources/Images/circularButtonNormal.png"));
    const QPixmap active(QStringLiteral(":/Resources/Images/circularButtonActive.png"));

    auto* skin = new SkinWidget(button);
    skin->setIcon(ImageResource(closeCrossIcon()));
    skin->setIconAlignment(Qt::AlignCenter);
    // The button's own pressed state picks the active disc.
    skin->setBackground(BackgroundProperty(BackgroundPainter(ImagePainter(normal, ImagePainter::TopLeft)),
                                           BackgroundPainter(ImagePainter(active, ImagePainter::TopLeft)),
                                           BackgroundPainter(), BackgroundPainter(), BackgroundPainter()));
    return skin;
}

SkinWidget* VorendaGlobal::skinLabel(QLabel* label, int size, Qt::Alignment alignment, bool bold)
{
    QFont font;
    switch (size) {
    case 7:
        font = getSmallFont(bold, QString());
        break;
    case 10:
        font = getLargeFont(bold, QString());
        break;
    case 12:
        font = getHugeFont(bold, QString());
        break;
    default:
        font = getNormalFont(bold, QString());
    }
    if (!label)
        return nullptr;
    // The skin paints one line only, so a wrapping label keeps its own painting.
    if (label->wordWrap()) {
        label->setFont(font);
        label->setAlignment(alignment);
        setTextColors(label, Qt::white, Qt::gray);
        return nullptr;
    }
    auto* skin = new SkinWidget(label);
    skin->setTextFont(FontProperty(font));
    skin->setTextAlignment(alignment);
    skin->setTextShadow(false, false);
    skin->setTextPen(whitePens());
    return skin;
}

SkinWidget* VorendaGlobal::skinTitle(QLabel* label, bool bold)
{
    if (!label)
        return nullptr;
    auto* skin = new SkinWidget(label);
    skin->setTextFont(FontProperty(getLargeFont(bold, QString())));
    skin->setTextPen(PenProperty(QPen(Qt::white)));
    skin->setTextAlignment(Qt::AlignCenter);
    skin->setTextShadow(true, false);
    return skin;
}

SkinWindow* VorendaGlobal::skinWindow(QWidget* widget, bool fixedSize)
{
    if (!widget)
        return nullptr;
    // A dark translucent rounded panel whose outline is all but invisible.
    BackgroundPainter skin(windowFill);
    skin.setBorderPainter(BorderPainter(1.0, 10.0, windowBorder));
    auto* window = new SkinWindow(widget, widget);
    window->start(skin, MarginProperty(0.0), true, fixedSize, false, true);
    window->setCaptureFolder(storeFolder + QStringLiteral("Screenshots"));
    return window;
}

void VorendaGlobal::skinView(QAbstractItemView* view)
{
    if (view)
        view->setFont(getNormalFont(false, QString()));
}

void VorendaGlobal::skinGroupBox(QGroupBox* groupBox)
{
    if (!groupBox)
        return;
    groupBox->setFont(getNormalFont(false, QString()));
    setTextColors(groupBox, Qt::white, Qt::gray);
}

void VorendaGlobal::skinCheckBox(QCheckBox* checkBox)
{
    if (!checkBox)
        return;
    checkBox->setFont(getNormalFont(false, QString()));
    setTextColors(checkBox, Qt::white, Qt::gray);
}

void VorendaGlobal::skinRadioButton(QRadioButton* radioButton)
{
    if (!radioButton)
        return;
    radioButton->setFont(getNormalFont(false, QString()));
    setTextColors(radioButton, Qt::white, Qt::gray);
}

void VorendaGlobal::skinTextEdit(QTextEdit* textEdit)
{
    if (!textEdit)
        return;
    textEdit->setFont(getNormalFont(false, QString()));
    setTextColors(textEdit, Qt::black, Qt::darkGray);
}
