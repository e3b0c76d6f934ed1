#pragma once

#include "BackgroundProperty.h"
#include "FontProperty.h"
#include "ImageResource.h"
#include "MarginProperty.h"
#include "PenProperty.h"

#include <QObject>
#include <QTimeLine>

class QPaintEvent;
class QWidget;

// Gives an ordinary widget (a label, a button, a frame) the program's painted look
// without subclassing it: as the widget's event filter it paints the background, icon
// and text from per-state records, fades between the normal and the mouse-over look,
// and can make any widget a push button that emits clicked(). A Qt child of the
// widget, so it lives and dies with it.
class SkinWidget : public QObject
{
    Q_OBJECT

public:
    explicit SkinWidget(QWidget* widget);
    ~SkinWidget() override;

    QWidget* getWidget() const { return widget; }

    void setBackground(const BackgroundProperty& background);
    void setMargin(const MarginProperty& margin);
    void setSpacing(int spacing);
    void setTextPen(const PenProperty& pen);
    void setTextAlignment(Qt::Alignment alignment);
    void setIconAlignment(Qt::Alignment alignment);
    void setPushEffect(bool on);
    void setFilterPaint(bool on);
    void setTextShadow(bool shadow, bool up);
    void setTextFont(const FontProperty& font);
    void setTextFamily(const QString& family);
    void setTextBold(bool bold);
    // Raises the widget's minimum size to hold the normal icon and the margins.
    void setIcon(const ImageResource& icon);
    // Button mode: presses and releases are swallowed, hover is tracked, no context menu.
    void setButton(bool on);
    void enableHoverAnimation(bool on);
    void setAnimHoverDuration(int ms);
    void setAnimHoverCurveShape(QTimeLine::CurveShape shape);

    const BackgroundProperty& getBackground() const { return background; }
    const MarginProperty& getMargin() const { return margin; }
    int getSpacing() const { return spacing; }
    const PenProperty& getTextPen() const { return textPen; }
    const FontProperty& getTextFont() const { return textFont; }
    const ImageResource& getIcon() const { return icon; }
    Qt::Alignment getTextAlignment() const { return textAlignment; }
    Qt::Alignment getIconAlignment() const { return iconAlignment; }
    bool hasTextShadow() const { return textShadow; }
    bool isTextShadowUp() const { return textShadowUp; }
    bool hasPushEffect() const { return pushEffect; }
    bool isFilterPaint() const { return filterPaint; }
    bool isButton() const { return button; }
    bool isHoverAnimationEnabled() const { return hoverAnimation; }
    const QTimeLine* hoverTimeLine() const { return timeLine; }
    double getHoverValue() const { return hoverValue; }

    bool isUnderCursor() const;
    // The look state a paint would use now (LookState::State).
    int paintState() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event);

private slots:
    void animateHover(qreal value);

private:
    void repaint();
    // Stops a fade and shows the look of where the mouse is now, at once.
    void settleHover();
    void runHover(QTimeLine::Direction direction);
    void applyNormalFont();
    bool hoverShown() const;

    QWidget* widget;
    QTimeLine* timeLine;
    double hoverValue = 0.0;
    bool hoverAnimation = true;
    bool underMouse = false;
    bool textShadow = false;
    bool textShadowUp = false;
    bool filterPaint = true;
    bool pushEffect = false;
    bool pressed = false;
    bool button = false;
    BackgroundProperty background;
    MarginProperty margin;
    int spacing = 0;
    ImageResource icon;
    Qt::Alignment iconAlignment = Qt::AlignLeft;
    Qt::Alignment textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    PenProperty textPen;
    FontProperty textFont;
};
