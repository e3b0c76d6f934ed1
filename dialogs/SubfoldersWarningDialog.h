#pragma once

#include "ModalWindow.h"
#include "ui_SubfoldersWarningDialog.h"

class SkinWidget;

// Asks what to do with the subfolders of a folder being added.
// Answers: 1 subcategories keeping the hierarchy, 2 recurse without subcategories,
// 3 skip the subfolders, 4 the subfolders as items, not recursed, 0 cancel.
class SubfoldersWarningDialog : public ModalWindow, public Ui_SubfoldersWarningDialogClass
{
    Q_OBJECT

public:
    enum Choice { Cancel = 0, Subcategories = 1, Flatten = 2, Skip = 3, AsItems = 4 };

    explicit SubfoldersWarningDialog(QWidget* parent = nullptr);

    // `path` is a subfolder found; the question names the folder that holds it.
    int exec(const QString& path);

    // The folder shown for `path`: its parent folder with a trailing separator.
    static QString containingFolder(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

protected slots:
    void accept() override;

private:
    SkinWidget* skin = nullptr;
};
