#pragma once

#include "AbstractThumbnailItem.h"
#include "BackgroundProperty.h"
#include "FontProperty.h"
#include "PenProperty.h"

// The plain concrete item: an image scaled into a fixed box, an optional
// reflection under it, a caption of up to two lines, per-state looks and margins.
class ThumbnailItem : public AbstractThumbnailItem
{
    Q_OBJECT

public:
    explicit ThumbnailItem(QGraphicsItem* parent = nullptr);
    ~ThumbnailItem() override;

    QVariant getData(int column, int role) const override;
    QString getMimeType() const override;
    QPoint getGroundPos() const override;
    QPoint mapToDragImage(const QPointF& point) const override;
    QPixmap getDragImage(bool full) const override;
    QSize getDragImageSize() const override;
    MarginProperty getMargin() const override;
    void write(QDataStream& stream) const override;
    void read(QDataStream& stream) override;

    virtual void setText(const QString& text);
    virtual void setTextFont(const FontProperty& font);
    virtual void setTextPen(const PenProperty& pen);
    virtual void setTextShadow(bool on);
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    void setImage(const QPixmap& image);
    void setImageSize(const QSize& size);
    void setMargin(const MarginProperty& margin);
    void setBackground(const BackgroundProperty& background);
    void setReflectionSize(double size);
    void setReflectionOpacity(int opacity);

    QPixmap getImage() const { return image; }
    QSize getImageSize() const { return imageSize; }
    QString getText() const { return text; }
    FontProperty getTextFont() const { return textFont; }
    PenProperty getTextPen() const { return textPen; }
    bool getTextShadow() const { return textShadow; }
    BackgroundProperty getBackground() const { return background; }
    double getReflectionSize() const { return reflectionSize; }
    int getReflectionOpacity() const { return reflectionOpacity; }

    // The paint state of an option: 0 normal, 1 selected, 2 mouse over, 3 both.
    static int paintState(const QStyleOptionGraphicsItem* option);

    friend QDataStream& operator<<(QDataStream& stream, const ThumbnailItem& item);
    friend QDataStream& operator>>(QDataStream& stream, ThumbnailItem& item);

protected:
    // Called by every setter after it stored its value; derived items recompute their size here.
    virtual void itemChanged();
    // Called instead by setters that change only how the item looks, never its size;
    // by default the same as itemChanged().
    virtual void lookChanged();

    QSize imageSize = QSize(-1, -1);
    QPixmap image;
    QPixmap scaledImage;
    QString text;
    PenProperty textPen;
    FontProperty textFont;
    bool textShadow = false;
    MarginProperty margin;
    BackgroundProperty background;
    int reflectionOpacity = 200;
    double reflectionSize = 0.0;
    bool scaledImageDirty = true;
    bool keepScaledImage = false;

private:
    void storeChange();
    void storeLookChange();
    qreal lineSpacing() const;
    QSize imageBox() const;

    // The normal font's line spacing, measured once per font: the layout asks every
    // item for its bounds several times per run.
    mutable qreal lineSpacingCache = -1.0;
};
