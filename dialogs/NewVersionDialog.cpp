#include "NewVersionDialog.h"

#include "ScreenFunctions.h"
#include "VersionChecker.h"

#include <QTextCursor>

NewVersionDialog::NewVersionDialog(QWidget* parent)
    : ModalWindow(parent)
{
    setupUi(this);
    connect(cancelButton, &QPushButton::clicked, this, &NewVersionDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &NewVersionDialog::accept);
    centerOnScreen(this);
}

void NewVersionDialog::setVersion(int majorVer, int minorVer)
{
    const QStringList parts = VersionChecker::versionText(majorVer, minorVer).split(QLatin1Char('.'));
    introLabel->setText(tr("Vorenda %1.%2.%3 is available for download. It is recommended that you install "
                           "this new version to keep your product updated.")
                            .arg(parts.value(0), parts.value(1), parts.value(2)));
}

void NewVersionDialog::setWhatsNew(const QString& text)
{
    whatsNewEdit->clear();
    whatsNewEdit->append(text);
    whatsNewEdit->moveCursor(QTextCursor::Start);
}

int NewVersionDialog::exec()
{
    return run();
}

void NewVersionDialog::showEvent(QShowEvent* event)
{
    ModalWindow::showEvent(event);
    adjustSize();
}
