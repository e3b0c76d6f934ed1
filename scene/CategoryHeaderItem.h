#pragma once

#include "BackgroundProperty.h"
#include "ImageResource.h"
#include "MarginProperty.h"

#include <QGraphicsItem>
#include <QObject>

class AbstractThumbnailView;
class ButtonItem;
class TextItem;
class QGraphicsSceneMouseEvent;

// The header of one category in a scene view: a bar with the category's name and
// counts in a child text item and an expand-collapse button. It reports through its
// view's signals; the view files it under its key and lays it out.
class CategoryHeaderItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)

public:
    enum { Type = QGraphicsItem::UserType + 3 };
    // Side of the state button: 1 left, 2 right.
    using Alignment = Qt::Alignment;

    explicit CategoryHeaderItem(QGraphicsItem* parent = nullptr);
    ~CategoryHeaderItem() override;

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    void setText(const QString& name);
    QString getText() const { return name; }
    void setItems(int count);
    void setMatches(int count);
    int getItems() const { return items; }
    int getMatches() const { return matches; }
    void setShowItems(bool on);
    void setShowMatches(bool on);
    void setShowPath(bool on);
    // The text shown: the name (or path) and the counts, "Music  (3/12)".
    QString textToShow() const;

    void setTextItem(TextItem* item, const MarginProperty& margin);
    TextItem* getTextItem() const { return textItem; }
    void setStateButton(ButtonItem* button, const ImageResource& collapsedIcon, const ImageResource& expandedIcon,
                        const MarginProperty& margin, Alignment alignment);
    ButtonItem* getStateButton() const { return stateButton; }
    void setStateButtonIcon(const ImageResource& collapsedIcon, const ImageResource& expandedIcon);
    void setButtonOnHover(bool on);
    void canBeToggled(bool on);
    bool canBeToggled() const { return toggleable; }
    void setHideIfEmpty(bool on);
    bool getHideIfEmpty() const { return hideIfEmpty; }
    void setMargin(const MarginProperty& margin);
    MarginProperty getMargin() const { return margin; }
    void setWidth(double width);
    double getWidth() const { return width; }
    void setDiscardClick(bool on) { discardClick = on; }
    void setDiscardDoubleClick(bool on) { discardDoubleClick = on; }
    void setEditable(bool on) { editable = on; }
    bool isEditable() const { return editable; }
    void setBackground(const BackgroundProperty& background);
    // Nothing happens unless the header can be toggled and the state changes.
    void setExpanded(bool on);
    bool isExpanded() const { return state == 1; }
    bool isEditing() const;
    bool isPressed() const { return pressed; }
    bool isDropHighlighted() const { return dropHighlight; }
    int getKey() const { return key; }
    AbstractThumbnailView* getView() const { return view; }

public slots:
    void toggle();
    void editText();
    // The text shown here and in every header below, whose paths hold this name.
    void updateText();
    void updateItemsPos();

protected slots:
    void textItemClicked(TextItem* item, QGraphicsSceneMouseEvent* event);
    void textItemDoubleClicked(TextItem* item, QGraphicsSceneMouseEvent* event);
    void stateButtonClicked(ButtonItem* item, QGraphicsSceneMouseEvent* event);
    void aboutToEditText(QString& text);
    void textEdited(QString& text);
    void editingStarted();
    void editingFinished();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void dragEnterEvent(QGraphicsSceneDragDropEvent* event) override;
    void dragLeaveEvent(QGraphicsSceneDragDropEvent* event) override;
    void dropEvent(QGraphicsSceneDragDropEvent* event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;

    // Renders the state's background into its cached pixmap when needed (or forced).
    void adjustBackground(int state, bool force);

private:
    friend class AbstractThumbnailView;

    ImageResource currentStateIcon() const;
    // The text shown here alone, and the places of the text and the button.
    void updateOwnText();

    int state = 1;
    bool hideIfEmpty = false;
    bool pressed = false;
    bool dropHighlight = false;
    bool buttonOnHover = false;
    bool discardClick = false;
    bool discardDoubleClick = false;
    bool toggleable = true;
    bool editable = true;
    bool showPath = true;
    bool showItems = true;
    bool showMatches = true;
    int items = 0;
    int matches = -1;
    double width = 0.0;
    int key = -1;
    QString name;
    BackgroundProperty background;
    ImageResource backgroundCache;
    MarginProperty margin;
    TextItem* textItem = nullptr;
    MarginProperty textMargin;
    ButtonItem* stateButton = nullptr;
    MarginProperty buttonMargin;
    Alignment buttonAlignment = Qt::AlignRight;
    ImageResource collapsedIcon;
    ImageResource expandedIcon;
    AbstractThumbnailView* view = nullptr;
    // Guards the walk down the category tree that a text update starts.
    bool updatingText = false;
};
