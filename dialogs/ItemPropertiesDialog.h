#pragma once

#include <QPointer>
#include <QWidget>

class AbstractThumbnailView;
class MyThumbnailItem;

// The item editor's entry point: the one editor, made on first use.
class ItemPropertiesDialog : public QWidget
{
    Q_OBJECT

public:
    ~ItemPropertiesDialog() override;

    static ItemPropertiesDialog* instance();
    // Whether the one instance is shown; makes it when there is none yet.
    static bool visible();

    // Opens the editor on `item`.
    void show(MyThumbnailItem* item);
    // Refreshes the editor from the item it edits.
    void updateSettings();
    // The view of the edited item; null when none.
    AbstractThumbnailView* getItemView() const;

    // The item being edited; null when none or once it is gone.
    QPointer<MyThumbnailItem> item;

protected:
    // Closing only hides, so the state stays for the next show.
    void closeEvent(QCloseEvent* event) override;

private:
    explicit ItemPropertiesDialog(QWidget* parent = nullptr);
    void showAndRaise();

    static ItemPropertiesDialog* widgetInstance;
};
