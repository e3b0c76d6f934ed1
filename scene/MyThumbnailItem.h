#pragma once

#include "PaintCacheBudget.h"
#include "ThumbnailItem.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QTimeLine>

class EditorItem;

// The number of model columns of a cabinet item.
constexpr int _MAX_COLUMNCOUNT = 14;

// A cabinet item: a picture standing on a shelf, with a name tag above it, an optional
// information callout beside it and a reflection below it; it slides towards the shelf
// front on hover, bounces on a click and renames in place.
//
// Painting keeps its results (scaled picture, name tag, callout, the composed picture
// and its reflection) until the picture, text, look, size or paint state changes; the
// shared PaintCacheBudget drops them from items that have not been painted for a while.
class MyThumbnailItem : public ThumbnailItem, public PaintCacheBudget::Client
{
    Q_OBJECT

public:
    // Everything the cabinet knows about the item: the fourteen model columns and the
    // media facts its helpers report.
    struct Properties
    {
        QString name;
        QString target;
        QString typeName;
        qint64 size = 0;
        int rating = 0;
        qint64 popularity = 0;
        quint32 date = 0;     // seconds since 1970, UTC
        quint32 accessed = 0; // 0: never opened
        quint32 added = 0;    // 0: unknown
        QString thumbnail;
        int type = 0; // 0 icon, 1 image, 2 photo, 3 video, 4 web page, 5 audio
        int thumbsize = 0;
        bool customthumb = false;
        QStringList tags;
        QString notes;
        int width = -1;
        int height = -1;
        int length = 0;
        int bitrate = 0;
        int framerate = 0;
        int samplerate = 0;
        int bitdepth = 0;
        int channels = 0;
    };

    // An item as write() puts it into a stream.
    struct Record
    {
        qint32 categoryKey = -1;
        Properties properties;
        bool infoShown = false;
        bool labelShown = false;
    };
    // False, with `record` left as it was, for a short or damaged block.
    static bool readRecord(QDataStream& stream, Record& record);

    explicit MyThumbnailItem(QGraphicsItem* parent = nullptr);
    ~MyThumbnailItem() override;

    bool isEditing() const override;
    QVariant getData(int column, int role) const override;
    QString getMimeType() const override;
    QPoint mapToDragImage(const QPointF& point) const override;
    QPixmap getDragImage(bool full) const override;
    QSize getDragImageSize() const override;
    void write(QDataStream& stream) const override;
    void read(QDataStream& stream) override;

    void setText(const QString& text) override;
    void setTextFont(const FontProperty& font) override;
    void setTextPen(const PenProperty& pen) override;
    void setTextShadow(bool on) override;
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    void showItemInfo(bool on, bool update);
    void showItemLabel(bool on, bool update);
    void animateClick();
    void setAnimHoverDuration(int ms);
    void setAnimHoverCurveShape(QTimeLine::CurveShape shape);
    void setAnimClickDuration(int ms);
    void setAnimClickCurveShape(QTimeLine::CurveShape shape);
    void setAnimHoverMaxOffset(double offset);
    void enableHoverAnimation(bool on);
    void enableClickAnimation(bool on);
    void setInfoColor(const QColor& color);
    void setBaseColor(const QColor& color);
    void setBaseHeight(int height);
    void setInfoWidth(int width);
    void setLabelWidth(int width);
    void setLabelWrapAnywhere(bool on);
    // The image size from one side, keeping the picture's aspect ratio.
    void setImageWidth(int side);
    void setImageHeight(int side);

    bool isInfoShown() const { return infoShown; }
    bool isLabelShown() const { return labelShown; }
    bool isLabelWrapAnywhere() const { return labelWrapAnywhere; }
    // Set by painting: the name tag could not show the whole name.
    bool isLabelElided() const { return labelElided; }
    bool isHoverAnimationEnabled() const { return hoverAnimationEnabled; }
    bool isClickAnimationEnabled() const { return clickAnimationEnabled; }
    double getHoverValue() const { return hoverValue; }
    double getClickValue() const { return clickValue; }
    double getAnimHoverMaxOffset() const { return hoverMaxOffset; }
    int getBaseHeight() const { return baseHeight; }
    int getInfoWidth() const { return infoWidth; }
    int getLabelWidth() const { return labelWidth; }
    QColor getBaseColor() const { return baseColor; }
    QColor getInfoColor() const { return infoColor; }
    QTimeLine* hoverTimeLine() const;
    QTimeLine* clickTimeLine() const;
    EditorItem* getEditor() const { return editor; }

    void releasePaintCache() override;

    Properties properties;

public slots:
    void editLabel();

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void itemChanged() override;
    void lookChanged() override;

private slots:
    void animateHover(qreal value);
    void animateClick(qreal value);
    void finishedAnimateClick();
    void updateEditorPos();
    void aboutToEditLabel(QString& text);
    void labelEdited(QString text);
    void labelEditingStarted();
    void labelEditingFinished();

private:
    // A date column's value in UTC; no value for other columns.
    QVariant utcDate(int column) const;
    // Geometry shared by measuring, painting and the editor.
    QSize pictureSize() const;
    bool labelArea() const { return labelShown || editor; }
    double labelPartHeight() const;
    double contentWidth() const;
    double contentHeight() const;
    double groundLine() const;
    double hoverOffset() const { return hoverValue * hoverMaxOffset; }
    double clickOffset() const;
    void storeLook();
    // Colours and the like: the pictures are drawn anew, the size stays.
    void storeColours();
    QTimeLine* newTimeLine(int duration, QTimeLine::CurveShape shape) const;

    // Paint pieces, each rebuilt only when missing.
    void buildScaledPicture();
    QImage buildNameTag(int state);
    QImage buildCallout(int state);
    void buildDrawnPicture(int state);
    void buildReflection(int rows);
    bool sameLook(int state, int otherState) const;
    qint64 cacheBytes() const;
    void paintSelectionGlow(QPainter* painter) const;

    mutable QTimeLine* hoverLine = nullptr;
    mutable QTimeLine* clickLine = nullptr;
    int hoverDuration = 150;
    int clickDuration = 300;
    QTimeLine::CurveShape hoverShape = QTimeLine::EaseInOutCurve;
    QTimeLine::CurveShape clickShape = QTimeLine::EaseInOutCurve;
    EditorItem* editor = nullptr;
    double hoverValue = 0.0;
    double clickValue = 0.0;
    double hoverMaxOffset = 22.0;
    int clickBounceCount = 0;
    bool hoverAnimationEnabled = true;
    bool clickAnimationEnabled = true;
    bool infoShown = false;
    bool labelShown = false;
    bool labelWrapAnywhere = true;
    bool labelElided = false;
    int baseHeight = 20;
    int infoWidth = 160;
    int labelWidth = 90;
    QColor baseColor = QColor(255, 255, 255, 200);
    QColor infoColor = QColor(0, 0, 0, 100);
    mutable QRectF cachedBoundingRect;
    mutable double cachedLabelHeight = 0.0;

    // The picture as drawn (plain, with its name tag, or with the callout too; the tag
    // and the callout are kept only inside it), the state it was built for, and its
    // reflection for a number of rows.
    QImage drawnPicture;
    int drawnState = -1;
    QImage reflection;
    int reflectionRows = -1;
};
