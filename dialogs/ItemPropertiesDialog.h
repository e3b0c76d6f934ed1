#pragma once

#include "ui_ItemPropertiesDialog.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class AbstractThumbnailItem;
class AbstractThumbnailView;
class MyThumbnailItem;
class QSizeGrip;
class TagItem;

// The one window in which the user edits a cabinet item: target, name, whether the
// name shows, description and tags. It also keeps the program's tag vocabulary: every
// known tag stands in the tag view as a chip, and OK writes the chips back into
// VorendaGlobal::tags. Made on first use and kept until the program ends.
//
// Nothing is written to disk here: the item reaches its cabinet's data file and the
// tags the main data file at their owners' next save. An item whose view is read-only
// (its cabinet is locked in kiosk mode) is never edited: the dialog does not open on
// it, closes when it is locked, and OK then writes nothing.
class ItemPropertiesDialog : public QWidget, public Ui_ItemPropertiesDialogClass
{
    Q_OBJECT

public:
    ~ItemPropertiesDialog() override;

    static ItemPropertiesDialog* instance();
    // Whether the one instance is shown; makes it when there is none yet.
    static bool visible();

    // Opens the dialog on `item` (null allowed); nothing for a locked item. Another
    // item still being edited is written back first; the same item again only raises
    // the window.
    void show(MyThumbnailItem* item);
    // Closes the dialog, dropping the edits, when it edits an item of `view`.
    static void closeFor(const AbstractThumbnailView* view);
    // Refreshes name, show-name box and picture from the edited item.
    void updateSettings();
    // The view of the edited item; null when none.
    AbstractThumbnailView* getItemView() const;

    // The item being edited; null when none or once it is gone.
    QPointer<MyThumbnailItem> item;

public slots:
    // Writes the fields back into the item and the chips into the vocabulary, unless
    // the item is locked; closes the window when `close` is set.
    void accept(bool close);
    void accept();
    // Closes the window; the edits are dropped.
    void reject();
    // Adds the comma-separated tags typed in the tag field, marked for the item.
    void onAddTag();
    void onItemSelected(AbstractThumbnailItem* item, bool selected);
    // A click toggles whether the chip's tag belongs to the item.
    void onItemClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers);
    // The tag view's Delete key: after a question, removes the tag from the vocabulary
    // and from every item of every cabinet that is not locked.
    void onDeleteTagRequest(QList<AbstractThumbnailItem*> items, bool* ok);

protected:
    // Escape closes; Return and Enter confirm, except in the tag field, where they add.
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Any close only hides the window and forgets the item; nothing is written back.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    explicit ItemPropertiesDialog(QWidget* parent = nullptr);

    TagItem* getTagItem(const QString& text, bool selected);
    QList<TagItem*> tagItems() const;
    // The first chip whose text is `tag` trimmed, in any case; null when none.
    TagItem* findTag(const QString& tag) const;
    // Chips for the tags that have none yet, unmarked. True when any was added.
    bool addMissingTags(const QStringList& tags);
    void sortTags();
    void placeSizeGrip();

    QSizeGrip* sizeGrip = nullptr;
    // Set while accept() writes the item, whose changes would call updateSettings().
    bool busy = false;

    static ItemPropertiesDialog* widgetInstance;
    class DialogLink;
};
