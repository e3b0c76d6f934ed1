#include "VorendaMain.h"

#include "AboutDialog.h"
#include "MessageDialog.h"
#include "NewVersionDialog.h"
#include "VersionChecker.h"
#include "VorendaGlobal.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

// Only web addresses are opened from the update server's reply.
bool isWebUrl(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"))
        && !url.host().isEmpty();
}

// The longest a timer runs, about 25 days: in practice the network's own limits
// end a check that gets no answer.
constexpr int UPDATE_CHECK_TIMEOUT = 2147483647;

} // namespace

void VorendaMain::startUpdateCheck(bool silent)
{
    // The web's port for the check URL, 80 for http, unless the URL names its own;
    // no proxy of ours, so the system's holds.
    const QUrl url(VorendaGlobal::verCheckUrl);
    const int webPort = url.scheme() == QLatin1String("https") ? 443 : 80;
    versionChecker->start(VorendaGlobal::MAJOR_VER, VorendaGlobal::MINOR_VER, silent, VorendaGlobal::verCheckUrl,
                          quint16(url.port(webPort)), QString(), 0, QString(), QString(), UPDATE_CHECK_TIMEOUT);
}

void VorendaMain::onCheckUpdates()
{
    startUpdateCheck(false);
}

void VorendaMain::onAbout()
{
    AboutDialog dialog(nullptr);
    dialog.exec();
}

void VorendaMain::onNewVersionAvailable(bool newVer, int majorVer, int minorVer, bool optional,
                                        const QString& whatsNew, const QString& releaseDate,
                                        const QString& downloadUrl, const QString& historyUrl,
                                        const QString& infoUrl, const QString& vercheckUrl)
{
    Q_UNUSED(optional)
    Q_UNUSED(releaseDate)
    Q_UNUSED(historyUrl)
    Q_UNUSED(infoUrl)
    if (!vercheckUrl.isEmpty() && isWebUrl(vercheckUrl))
        settings.setValue(QStringLiteral("VerCheckUrl"), vercheckUrl);

    if (newVer) {
        NewVersionDialog dialog(nullptr);
        dialog.setVersion(majorVer, minorVer);
        dialog.setWhatsNew(whatsNew);
        dialog.autoUpdatesCheckBox->setChecked(!autoUpdates);
        const bool download = dialog.exec() != 0;
        autoUpdates = !dialog.autoUpdatesCheckBox->isChecked();
        if (download && isWebUrl(downloadUrl))
            QDesktopServices::openUrl(QUrl(downloadUrl));
        return;
    }
    const QStringList version =
        VersionChecker::versionText(VorendaGlobal::MAJOR_VER, VorendaGlobal::MINOR_VER).split(QLatin1Char('.'));
    MessageDialog dialog(nullptr);
    dialog.exec(nullptr,
                tr("You're up to date! Vorenda %1.%2.%3 is currently the newest version available.")
                    .arg(version.value(0), version.value(1), version.value(2)),
                MessageDialog::Information, MessageDialog::OkButton);
}

void VorendaMain::onCheckFailed(HttpRequest::Error error)
{
    MessageDialog dialog(nullptr);
    dialog.exec(nullptr, tr("Vorenda could not check for updates. %1").arg(HttpRequest::errorText(error)),
                MessageDialog::Warning, MessageDialog::OkButton);
}
