#include "SubfoldersWarningDialog.h"

#include "FileInfoProvider.h"
#include "PathFunctions.h"
#include "ScreenFunctions.h"
#include "SkinWidget.h"
#include "VorendaGlobal.h"

#include <QDir>
#include <QFileInfo>

SubfoldersWarningDialog::SubfoldersWarningDialog(QWidget* parent)
    : ModalWindow(parent)
{
    setupUi(this);
    skin = VorendaGlobal::skinLabel(pathLabel, 8, Qt::AlignLeft | Qt::AlignVCenter, false);
    if (skin)
        skin->setTextPen(PenProperty(QPen(Qt::black)));
    connect(cancelButton, &QPushButton::clicked, this, &SubfoldersWarningDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &SubfoldersWarningDialog::accept);
    createRadioButton->setFocus();
    centerOnScreen(this);
}

QString SubfoldersWarningDialog::containingFolder(const QString& path)
{
    QString folder = removeTrailingSeparator(path);
    // The root is its own container; stripping its only separator would leave nothing.
    if (folder.isEmpty())
        folder = path;
    return addTrailingSeparator(QFileInfo(folder).absolutePath());
}

int SubfoldersWarningDialog::exec(const QString& path)
{
    const QString folder = containingFolder(path);
    if (skin) {
        skin->setSpacing(7);
        skin->setIcon(ImageResource(FileInfoProvider().icon(QFileInfo(folder), FileInfoProvider::Size16, false)));
    }
    pathLabel->setText(folder);
    return run();
}

void SubfoldersWarningDialog::accept()
{
    if (createRadioButton->isChecked())
        finish(Subcategories);
    else if (recurseRadioButton->isChecked())
        finish(Flatten);
    else if (skipRadioButton->isChecked())
        finish(Skip);
    else if (asItemsRadioButton->isChecked())
        finish(AsItems);
    else
        finish(Subcategories);
}

void SubfoldersWarningDialog::resizeEvent(QResizeEvent* event)
{
    ModalWindow::resizeEvent(event);
    // A long path must not widen the window beyond its intro line.
    pathLabel->setFixedWidth(introLabel->width());
}

void SubfoldersWarningDialog::showEvent(QShowEvent* event)
{
    ModalWindow::showEvent(event);
    setFixedSize(size());
}
