#include "FolderWarningDialog.h"

#include "FileInfoProvider.h"
#include "PathFunctions.h"
#include "ScreenFunctions.h"
#include "SkinWidget.h"
#include "VorendaGlobal.h"

#include <QFileInfo>

FolderWarningDialog::FolderWarningDialog(QWidget* parent)
    : ModalWindow(parent)
{
    setupUi(this);
    skin = VorendaGlobal::skinLabel(pathLabel, 8, Qt::AlignLeft | Qt::AlignVCenter, false);
    if (skin)
        skin->setTextPen(PenProperty(QPen(Qt::black)));
    connect(cancelButton, &QPushButton::clicked, this, &FolderWarningDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &FolderWarningDialog::accept);
    createRadioButton->setFocus();
    centerOnScreen(this);
}

int FolderWarningDialog::exec(const QString& path, bool subcategory)
{
    if (skin) {
        skin->setSpacing(7);
        skin->setIcon(ImageResource(FileInfoProvider().icon(QFileInfo(path), FileInfoProvider::Size16, false)));
    }
    pathLabel->setText(addTrailingSeparator(path));
    // The kind of category, in the user's language like the sentence around it.
    const QString kind = subcategory ? tr("subcategory") : tr("category");
    createRadioButton->setText(createRadioButton->text().arg(kind));
    recurseRadioButton->setText(recurseRadioButton->text().arg(kind));
    return run();
}

void FolderWarningDialog::accept()
{
    if (createRadioButton->isChecked())
        finish(CreateCategory);
    else if (recurseRadioButton->isChecked())
        finish(ContentsOnly);
    else if (skipRadioButton->isChecked())
        finish(Skip);
    else if (asItemRadioButton->isChecked())
        finish(AsItem);
    else
        finish(CreateCategory);
}

void FolderWarningDialog::resizeEvent(QResizeEvent* event)
{
    ModalWindow::resizeEvent(event);
    // A long path must not widen the window beyond its intro line.
    pathLabel->setFixedWidth(introLabel->width());
}

void FolderWarningDialog::showEvent(QShowEvent* event)
{
    ModalWindow::showEvent(event);
    setFixedSize(size());
}
