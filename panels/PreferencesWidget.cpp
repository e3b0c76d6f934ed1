#include "PreferencesWidget.h"

#include "CabinetLink.h"
#include "ControllerLink.h"
#include "MessageDialog.h"
#include "PathFunctions.h"
#include "ScreenFunctions.h"
#include "StoreFolderCopy.h"
#include "StorePaths.h"
#include "VorendaGlobal.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIntValidator>
#include <QKeyEvent>
#include <QSettings>
#include <QTimeLine>

#include <iterator>

PreferencesWidget* PreferencesWidget::widgetInstance = nullptr;

namespace {

constexpr int smallestThumbSize = 32;
constexpr int largestThumbSize = 256;
// The entries of the language list and the languages they stand for.
const char* const listedLanguages[] = {"en", "es"};

// Every cabinet, null entries skipped, with the link that reaches it.
template<typename Call>
void forEachShelf(Call call)
{
    CabinetLink* link = CabinetLink::installed();
    if (!link)
        return;
    for (VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves)) {
        if (shelf)
            call(link, shelf);
    }
}

} // namespace

PreferencesWidget::PreferencesWidget(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
    // German is offered at the first start by the system's language only.
    languageComboBox->removeItem(2);

    widgetSizeLabel->hide();
    QSize panelSize = sizeFromText(widgetSizeLabel->text());
    if (panelSize.width() <= 0 || panelSize.height() <= 0)
        panelSize = sizeHint();

    if (VorendaGlobal::appLanguage == QLatin1String("de"))
        addingItemsLabel->setWordWrap(true);
    setWindowIcon(QIcon());
    setWindowFlags(Qt::WindowStaysOnTopHint);

    busyButton = new QPushButton(this);
    busyButton->hide();

    const QString selectKey = QKeySequence(Qt::CTRL).toString(QKeySequence::NativeText);
    singleClickRadioButton->setText(
        singleClickRadioButton->text().arg(selectKey).replace(QLatin1String("++"), QLatin1String("+")));

    buttonGroup->setId(generalButton, 0);
    buttonGroup->setId(cabinetsButton, 1);
    connect(cancelButton, &QPushButton::clicked, this, &PreferencesWidget::reject);
    connect(okButton, &QPushButton::clicked, this, &PreferencesWidget::accept);
    connect(buttonGroup, &QButtonGroup::idPressed, this, qOverload<int>(&PreferencesWidget::showPanel));
    connect(showStoreFolderButton, &QPushButton::clicked, this, &PreferencesWidget::onShowStoreFolder);
    connect(changeStoreFolderButton, &QPushButton::clicked, this, &PreferencesWidget::onChangeStoreFolder);

    maxThumbSizeLineEdit->setValidator(new QIntValidator(smallestThumbSize, largestThumbSize, this));

    panelAnimation = new QTimeLine(600, this);
    panelAnimation->setUpdateInterval(20);
    panelAnimation->setCurveShape(QTimeLine::EaseInOutCurve);
    panelAnimation->setDirection(QTimeLine::Forward);
    connect(panelAnimation, &QTimeLine::frameChanged, this, &PreferencesWidget::animatePanels);
    connect(panelAnimation, &QTimeLine::finished, this, &PreferencesWidget::finishAnimation);

    const int width = panelSize.width();
    cabinetsFrame->setFixedWidth(width);
    generalFrame->setFixedWidth(width);
    panelsFrame->setFixedWidth(2 * width);
    panelFrame->setMinimumWidth(width);
    setFixedSize(panelSize);
    // The strip is no part of a layout: it follows the height of its viewport.
    panelFrame->installEventFilter(this);
    layout()->activate();

    showPanel(0, false);
    centerOnScreen(this);
}

PreferencesWidget::~PreferencesWidget()
{
    if (widgetInstance == this)
        widgetInstance = nullptr;
    panelAnimation->stop();
    delete panelAnimation;
    panelAnimation = nullptr;
}

PreferencesWidget* PreferencesWidget::instance()
{
    if (!widgetInstance)
        widgetInstance = new PreferencesWidget();
    return widgetInstance;
}

bool PreferencesWidget::visible()
{
    return instance()->isVisible();
}

bool PreferencesWidget::isBusy() const
{
    return !busyButton->isEnabled();
}

void PreferencesWidget::setBusy(bool busy)
{
    for (QPushButton* button : {okButton, cancelButton, busyButton})
        button->setEnabled(!busy);
}

void PreferencesWidget::show(VorendaMain* shownFor, int panel)
{
    okButton->setText(tr("OK"));
    okButton->repaint();
    setBusy(false);
    maxThumbSizeLineEdit->setText(QString::number(VorendaGlobal::SHELF_MAXTHUMBSIZE));

    controller = shownFor;
    if (controller)
        fillFromController();

    showPanel(panel, true);
    QWidget::show();
    raise();
    activateWindow();
}

void PreferencesWidget::fillFromController()
{
    if (ControllerLink* link = ControllerLink::installed()) {
        const ControllerPreferences preferences = link->preferences(controller);
        startupCheckBox->setChecked(preferences.runAtStartup);
        updatesCheckBox->setChecked(preferences.autoUpdates);
        showKioskCheckBox->setChecked(preferences.showKiosk);
        showAllLineEdit->setText(preferences.showAllKey.toString(QKeySequence::NativeText));
        hideAllLineEdit->setText(preferences.hideAllKey.toString(QKeySequence::NativeText));
        quickSearchLineEdit->setText(preferences.quickSearchKey.toString(QKeySequence::NativeText));
    }

    // A language the list does not offer leaves it without a current entry.
    int language = -1;
    for (int entry = 0; entry < int(std::size(listedLanguages)); ++entry) {
        if (VorendaGlobal::appLanguage == QLatin1String(listedLanguages[entry]))
            language = entry;
    }
    const bool known = VorendaGlobal::appLanguage == QLatin1String("de")
        || VorendaGlobal::appLanguage == QLatin1String("fr");
    languageComboBox->setCurrentIndex(language >= 0 ? language : (known ? -1 : 0));

    singleClickRadioButton->setChecked(VorendaGlobal::singleClickOpen);
    doubleClickRadioButton->setChecked(!VorendaGlobal::singleClickOpen);
    showLabelComboBox->setCurrentIndex(VorendaGlobal::showLabelMode);
    mostRecentRadioButton->setChecked(VorendaGlobal::searchBoxOption == 0);
    clearSearchRadioButton->setChecked(VorendaGlobal::searchBoxOption == 1);
    lastSearchButton->setChecked(VorendaGlobal::searchBoxOption == 2);
    animateHoveringCheckBox->setChecked(VorendaGlobal::animHover);
    animateOpeningCheckBox->setChecked(VorendaGlobal::animClick);
}

void PreferencesWidget::showPanel(int index)
{
    showPanel(index, true);
}

void PreferencesWidget::showPanel(int index, bool animate)
{
    if (index == currentPanel || !buttonGroup->button(index))
        return;
    currentPanel = index;
    if (index == 0)
        startupCheckBox->setFocus();
    else
        singleClickRadioButton->setFocus();
    buttonGroup->button(index)->setChecked(true);

    const int target = -index * panelFrame->width();
    if (!animate) {
        panelAnimation->stop();
        panelsFrame->move(target, panelsFrame->y());
        return;
    }
    panelAnimation->setFrameRange(panelsFrame->x(), target);
    if (panelAnimation->state() != QTimeLine::Running)
        panelAnimation->start();
}

void PreferencesWidget::animatePanels(int value)
{
    panelsFrame->move(value, panelsFrame->y());
}

void PreferencesWidget::finishAnimation()
{
}

void PreferencesWidget::accept()
{
    // A second OK while the first still applies a larger size does nothing.
    if (isBusy())
        return;
    if (controller) {
        applyMaxThumbSize();
        VorendaGlobal::singleClickOpen = singleClickRadioButton->isChecked();
        VorendaGlobal::showLabelMode = showLabelComboBox->currentIndex();
        VorendaGlobal::animHover = animateHoveringCheckBox->isChecked();
        VorendaGlobal::animClick = animateOpeningCheckBox->isChecked();
        if (mostRecentRadioButton->isChecked())
            VorendaGlobal::searchBoxOption = 0;
        else if (clearSearchRadioButton->isChecked())
            VorendaGlobal::searchBoxOption = 1;
        else if (lastSearchButton->isChecked())
            VorendaGlobal::searchBoxOption = 2;
        VorendaGlobal::setRunAtStartup(startupCheckBox->isChecked());
        applyToController();
        applyLanguage();
        forEachShelf([](CabinetLink* link, VorendaShelf* shelf) { link->applyPreferences(shelf); });
        if (ControllerLink* link = ControllerLink::installed())
            link->save(controller);
    }
    close();
}

void PreferencesWidget::applyMaxThumbSize()
{
    const int size = qBound(smallestThumbSize, maxThumbSizeLineEdit->text().toInt(), largestThumbSize);
    if (size == VorendaGlobal::SHELF_MAXTHUMBSIZE)
        return;
    if (size > VorendaGlobal::SHELF_MAXTHUMBSIZE) {
        // Larger pictures are read again from their files, which takes a while.
        okButton->setText(tr("Wait"));
        okButton->repaint();
        setBusy(true);
    }
    VorendaGlobal::SHELF_MAXTHUMBSIZE = size;
    forEachShelf([](CabinetLink* link, VorendaShelf* shelf) { link->applyMaxThumbSize(shelf); });
}

void PreferencesWidget::applyToController()
{
    ControllerLink* link = ControllerLink::installed();
    if (!link)
        return;
    const auto keyOf = [](const HotkeyWidget* field) {
        return QKeySequence::fromString(field->text(), QKeySequence::NativeText);
    };
    ControllerPreferences preferences;
    preferences.runAtStartup = startupCheckBox->isChecked();
    preferences.autoUpdates = updatesCheckBox->isChecked();
    preferences.showKiosk = showKioskCheckBox->isChecked();
    preferences.showAllKey = keyOf(showAllLineEdit);
    preferences.hideAllKey = keyOf(hideAllLineEdit);
    preferences.quickSearchKey = keyOf(quickSearchLineEdit);
    link->setPreferences(controller, preferences);
}

void PreferencesWidget::applyLanguage()
{
    // Without a current entry the list shows none of its languages: the stored one stays.
    const int entry = languageComboBox->currentIndex();
    const QString language = entry >= 0 && entry < int(std::size(listedLanguages))
        ? QLatin1String(listedLanguages[entry])
        : VorendaGlobal::appLanguage;
    if (language == VorendaGlobal::appLanguage)
        return;
    VorendaGlobal::appLanguage = language;
    MessageDialog message;
    message.exec(this, tr("Please restart the program to apply the new language."), MessageDialog::Warning,
                 MessageDialog::OkButton);
}

void PreferencesWidget::reject()
{
    if (!isBusy())
        close();
}

bool PreferencesWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panelFrame && event->type() == QEvent::Resize)
        panelsFrame->resize(panelsFrame->width(), panelFrame->height());
    return QWidget::eventFilter(watched, event);
}

void PreferencesWidget::closeEvent(QCloseEvent* event)
{
    hide();
    event->ignore();
}

void PreferencesWidget::showEvent(QShowEvent* event)
{
    setFixedSize(size());
    QWidget::showEvent(event);
}

void PreferencesWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        break;
    default:
        break;
    }
    event->accept();
}

void PreferencesWidget::onShowStoreFolder()
{
    const QString folder = QFileInfo(VorendaGlobal::getRootLocation()).absoluteFilePath();
    if (QDir().mkpath(folder))
        VorendaGlobal::locateItem(folder, false);
}

void PreferencesWidget::onChangeStoreFolder()
{
    const QString oldRoot = VorendaGlobal::getRootLocation();
    const QString chosen =
        QFileDialog::getExistingDirectory(this, tr("Select Folder"), oldRoot,
                                          QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (chosen.isEmpty())
        return;
    const QString target = addTrailingSeparator(chosen);
    // A copy into the store folder itself would copy what it has just copied.
    if (StoreFolderCopy::isWithin(target, oldRoot)) {
        MessageDialog message;
        message.exec(this,
                     tr("The Store Folder cannot be moved into itself. Please select a folder outside the "
                        "current Store Folder."),
                     MessageDialog::Warning, MessageDialog::OkButton);
        return;
    }
    if (!QDir().mkpath(QFileInfo(target).absoluteFilePath()))
        return;
    const QString newRoot = addTrailingSeparator(QFileInfo(target).absoluteFilePath());

    // A folder holding a store of its own (a copy only ever gets one when it is complete)
    // is taken as it stands from the next start; nothing is copied over it, and this run
    // keeps saving into the old folder.
    if (StoreFolderCopy::holdsStore(newRoot)) {
        if (!recordStoreFolder(oldRoot, newRoot))
            return;
        VorendaGlobal::addToLog(
            QStringLiteral("PreferencesWidget: \"%1\" holds a store folder; it is used from the next start").arg(newRoot));
        MessageDialog message;
        message.exec(this, tr("Please restart the application to use the configuration from the selected Store Folder."),
                     MessageDialog::Warning, MessageDialog::OkButton);
        return;
    }
    copyStoreFolder(oldRoot, newRoot);
}

bool PreferencesWidget::recordStoreFolder(const QString& oldRoot, const QString& newRoot)
{
    QSettings settings;
    settings.setValue(QStringLiteral("Main/StoreFolder"), newRoot);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    VorendaGlobal::addToLog(
        QStringLiteral("PreferencesWidget: The new store folder \"%1\" could not be written into the settings \"%2\"")
            .arg(newRoot, settings.fileName()));
    settings.setValue(QStringLiteral("Main/StoreFolder"), oldRoot);
    MessageDialog message;
    message.exec(this,
                 tr("The new Store Folder could not be recorded in the settings.\n\nThe current Store Folder "
                    "stays in use."),
                 MessageDialog::Critical, MessageDialog::OkButton);
    return false;
}

void PreferencesWidget::copyStoreFolder(const QString& oldRoot, const QString& newRoot)
{
    changeStoreFolderButton->setText(tr("Please wait..."));
    changeStoreFolderButton->repaint();
    QString reason;
    const QStringList failed = StoreFolderCopy::copy(removeTrailingSeparator(oldRoot), newRoot, &reason);
    changeStoreFolderButton->setText(tr("Change Store Folder..."));

    if (!failed.isEmpty()) {
        VorendaGlobal::addToLog(QStringLiteral("PreferencesWidget: The store folder was not copied to \"%1\": %2")
                                    .arg(newRoot, reason));
        for (const QString& path : failed)
            VorendaGlobal::addToLog(QStringLiteral("PreferencesWidget: Could not copy to \"%1\"").arg(path));
        MessageDialog message;
        message.exec(this,
                     tr("The Store Folder could not be moved to the new location. Items that could not be "
                        "copied: %1.\n\nThe current Store Folder stays in use.")
                         .arg(failed.size()),
                     MessageDialog::Critical, MessageDialog::OkButton);
        return;
    }

    // Only a complete copy becomes the store folder, from the next start on and for
    // everything saved from now on.
    if (!recordStoreFolder(oldRoot, newRoot))
        return;

    VorendaGlobal::storeFolder = newRoot;
    // The styles the user made lie in the folder's "Styles": their new copies are used from now on.
    const QString oldFolder = addTrailingSeparator(QFileInfo(oldRoot).absoluteFilePath());
    StorePaths::rebaseGlobals(oldFolder, newRoot);
    forEachShelf([&](CabinetLink* link, VorendaShelf* shelf) { link->rebaseStyles(shelf, oldFolder, newRoot); });
    MessageDialog message;
    message.exec(this, tr("The Store Folder was successfully moved to the new location!"),
                 MessageDialog::Information, MessageDialog::OkButton);
}
