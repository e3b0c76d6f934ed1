#pragma once

#include "ModalWindow.h"
#include "ui_FolderWarningDialog.h"

class SkinWidget;

// Asks what to do with a folder dropped or pasted on a cabinet.
// Answers: 1 a (sub)category for the folder with its contents, 2 the contents only,
// 3 skip the folder, 4 the folder as one item, 0 cancel.
class FolderWarningDialog : public ModalWindow, public Ui_FolderWarningDialogClass
{
    Q_OBJECT

public:
    enum Choice { Cancel = 0, CreateCategory = 1, ContentsOnly = 2, Skip = 3, AsItem = 4 };

    explicit FolderWarningDialog(QWidget* parent = nullptr);

    // `subcategory`: the folder was dropped inside a category. One question per object.
    int exec(const QString& path, bool subcategory);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

protected slots:
    void accept() override;

private:
    SkinWidget* skin = nullptr;
};
