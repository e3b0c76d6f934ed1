#pragma once

#include "ModalWindow.h"
#include "ui_BookmarksWarningDialog.h"

// Asks what to do with the folders of the bookmarks being imported.
// Answers: 1 subcategories keeping the hierarchy, 2 recurse without subcategories,
// 3 skip the folders, 0 cancel.
class BookmarksWarningDialog : public ModalWindow, public Ui_BookmarksWarningDialogClass
{
    Q_OBJECT

public:
    enum Choice { Cancel = 0, Subcategories = 1, Flatten = 2, Skip = 3 };

    explicit BookmarksWarningDialog(QWidget* parent = nullptr);

    int exec();

protected:
    void showEvent(QShowEvent* event) override;

protected slots:
    void accept() override;
};
