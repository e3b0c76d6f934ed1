#include "AboutDialog.h"

#include "ScreenFunctions.h"
#include "VersionChecker.h"
#include "VorendaGlobal.h"

AboutDialog::AboutDialog(QWidget* parent)
    : ModalWindow(parent)
{
    setupUi(this);
    connect(okButton, &QPushButton::clicked, this, &AboutDialog::ok);
    nameLabel->setFont(VorendaGlobal::getLargeFont(true, QString()));

    const QStringList parts =
        VersionChecker::versionText(VorendaGlobal::MAJOR_VER, VorendaGlobal::MINOR_VER).split(QLatin1Char('.'));
    QString version = versionLabel->text().arg(parts.value(0), parts.value(1), parts.value(2));
    if (VorendaGlobal::BETA_VER)
        version += QStringLiteral(" (BETA)");
    versionLabel->setText(version);
    centerOnScreen(this);
}

int AboutDialog::exec()
{
    return run();
}

void AboutDialog::ok()
{
    finish(0);
}

void AboutDialog::accept()
{
    ok();
}

void AboutDialog::reject()
{
    ok();
}

void AboutDialog::showEvent(QShowEvent* event)
{
    ModalWindow::showEvent(event);
    setFixedSize(size());
}
