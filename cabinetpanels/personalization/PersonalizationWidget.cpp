#include "PersonalizationWidget.h"

#include "AnswerKeys.h"
#include "DockOption.h"
#include "DockableWidget.h"
#include "GetPasswordDialog.h"
#include "PersonalizationLink.h"
#include "QuickStartDialog.h"
#include "ScreenFunctions.h"
#include "SetPasswordDialog.h"
#include "ShowCabinetEntry.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QIntValidator>
#include <QTimeLine>

#include <algorithm>

PersonalizationWidget* PersonalizationWidget::widgetInstance = nullptr;

namespace {

const int slideDuration = 600;
const int slideInterval = 20;
const int maxShowDelay = 99;

// A modifier's name as the desktop writes it ("Ctrl", "Meta", "Alt", "Shift").
QString modifierName(int modifier)
{
    QString name = QKeySequence(modifier).toString(QKeySequence::NativeText);
    if (name.endsWith(QLatin1Char('+')))
        name.chop(1);
    return name;
}

// "Width x height" from the form's size label; the default where it is unreadable.
QSize sizeFromLabel(const QString& text, const QSize& fallback)
{
    const int x = text.indexOf(QLatin1Char('x'));
    bool widthOk = false;
    bool heightOk = false;
    const int width = text.left(x).toInt(&widthOk);
    const int height = text.mid(x + 1).toInt(&heightOk);
    if (x < 0 || !widthOk || !heightOk || width <= 0 || height <= 0)
        return fallback;
    return QSize(width, height);
}

} // namespace

PersonalizationWidget::PersonalizationWidget(QWidget* parent)
    : QWidget(parent)
{
    settings.beginGroup(QStringLiteral("Personalization"));
    setupUi(this);
    listMode = -1;

    widgetSizeLabel->hide();
    const QSize size = sizeFromLabel(widgetSizeLabel->text(), QSize(pageWidth, pageHeight));
    pageWidth = size.width();
    pageHeight = size.height();

    setWindowIcon(QIcon());
    setWindowFlags(Qt::WindowStaysOnTopHint);

    // The radio buttons carry the desktop's names of their keys.
    CtrlRadioButton->setText(modifierName(Qt::META));
    AltRadioButton->setText(modifierName(Qt::ALT));
    ShiftRadioButton->setText(modifierName(Qt::SHIFT));
    CmdRadioButton->setText(modifierName(Qt::CTRL));

    buttonGroup->setId(generalButton, 0);
    buttonGroup->setId(appearanceButton, 1);
    buttonGroup->setId(styleButton, 2);

    connect(okButton, &QPushButton::clicked, this, qOverload<>(&PersonalizationWidget::accept));
    connect(cancelButton, &QPushButton::clicked, this, &PersonalizationWidget::reject);
    connect(addButton, &QPushButton::clicked, this, &PersonalizationWidget::add);
    connect(applyRelatedButton, &QPushButton::clicked, this, &PersonalizationWidget::onApplyToRelated);
    connect(buttonGroup, qOverload<int>(&QButtonGroup::buttonPressed), this,
            qOverload<int>(&PersonalizationWidget::showPanel));
    connect(mousePointerCheckBox, &QCheckBox::toggled, this, &PersonalizationWidget::mousePointerCheckBoxToggled);
    connect(butOnlyCheckBox, &QCheckBox::toggled, this, &PersonalizationWidget::butOnlyCheckBoxToggled);
    connect(kioskCheckBox, &QCheckBox::clicked, this, &PersonalizationWidget::kioskCheckBoxClicked);
    connect(setKioskPasswordButton, &QPushButton::clicked, this, &PersonalizationWidget::setKioskPassword);

    setUpDockOptions();
    setUpStyleEditor();

    textFontComboBox->clear();
    textFontComboBox->setCurrentIndex(-1);
    showDelayLineEdit->setValidator(new QIntValidator(0, maxShowDelay, showDelayLineEdit));

    timeLine = new QTimeLine(slideDuration, this);
    timeLine->setUpdateInterval(slideInterval);
    timeLine->setCurveShape(QTimeLine::EaseInOutCurve);
    timeLine->setDirection(QTimeLine::Forward);
    connect(timeLine, &QTimeLine::frameChanged, this, &PersonalizationWidget::animatePanels);
    connect(timeLine, &QTimeLine::finished, this, &PersonalizationWidget::finishAnimation);

    fitPages();
    // The pages hang in the one-page frame without a layout, so the slide can move
    // them; their height follows that frame.
    panelFrame->installEventFilter(this);

    showPanel(0, false);
    centerOnScreen(this);
}

PersonalizationWidget::~PersonalizationWidget()
{
    widgetInstance = nullptr;
    timeLine->stop();
    delete timeLine;
}

PersonalizationWidget* PersonalizationWidget::instance()
{
    if (!widgetInstance)
        widgetInstance = new PersonalizationWidget();
    return widgetInstance;
}

bool PersonalizationWidget::visible()
{
    return instance()->isVisible();
}

// Only opening the panel makes it; the questions leave a panel that is not there alone.
class PersonalizationWidget::PanelLink : public PersonalizationLink
{
public:
    void show(VorendaShelf* shelf, int panel, StyleElement element) override { instance()->show(shelf, panel, element); }
    VorendaShelf* editedShelf() const override
    {
        return widgetInstance && widgetInstance->isVisible() ? widgetInstance->shelf.data() : nullptr;
    }
    void updateSettings() override
    {
        if (widgetInstance)
            widgetInstance->updateSettings();
    }
    void cabinetLocked(VorendaShelf* locked) override
    {
        // The panel's own OK may be what locks the cabinet; it then ends by itself.
        if (widgetInstance && widgetInstance->isVisible() && locked && widgetInstance->shelf == locked
            && !widgetInstance->applying)
            widgetInstance->reject();
    }
    void raise() override
    {
        if (widgetInstance && widgetInstance->isVisible())
            widgetInstance->raise();
    }
};

void PersonalizationWidget::installCabinetLink()
{
    static PanelLink link;
    PersonalizationLink::install(&link);
}

void PersonalizationWidget::fitPages()
{
    // The size label gives the size; a desktop font wider or taller than the one it
    // was made for gets the room its texts need, so nothing is cut off.
    const QList<QFrame*> pages{generalFrame, appearanceFrame, styleFrame};
    int pagesHeight = 0;
    for (QFrame* page : pages) {
        const QSize needed = page->layout()->minimumSize();
        pageWidth = qMax(pageWidth, needed.width());
        pagesHeight = qMax(pagesHeight, needed.height());
    }
    for (QFrame* page : pages)
        page->setFixedWidth(pageWidth);
    panelsFrame->setFixedWidth(3 * pageWidth);
    panelFrame->setMinimumWidth(pageWidth);
    panelFrame->setMinimumHeight(qMax(panelFrame->minimumHeight(), pagesHeight));
    pageHeight = qMax(pageHeight, layout()->minimumSize().height());
    setFixedSize(pageWidth, pageHeight);
}

void PersonalizationWidget::setUpDockOptions()
{
    dockOptionComboBox->clear();
    const QString texts[DockOption::count] = {tr("None (Floating)"),   tr("Top"),
                                              tr("Right"),             tr("Bottom"),
                                              tr("Left"),              tr("Top (Maximized)"),
                                              tr("Right (Maximized)"), tr("Bottom (Maximized)"),
                                              tr("Left (Maximized)")};
    for (int option = 0; option < DockOption::count; ++option) {
        dockOptionComboBox->addItem(texts[option], option);
        if (option == 0 || option == 4)
            dockOptionComboBox->insertSeparator(dockOptionComboBox->count());
    }
    dockOptionComboBox->setCurrentIndex(-1);
    dockOptionComboBox->setMaxVisibleItems(dockOptionComboBox->count());
    connect(dockOptionComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &PersonalizationWidget::onDockOptionChanged);
}

// ---- Pages

void PersonalizationWidget::showPanel(int index)
{
    showPanel(index, true);
}

void PersonalizationWidget::showPanel(int index, bool animate)
{
    if (index == currentPanel)
        return;
    currentPanel = index;
    switch (index) {
    case 0:
        nameLineEdit->setFocus(Qt::OtherFocusReason);
        break;
    case 1:
        hideTopBarCheckBox->setFocus(Qt::OtherFocusReason);
        break;
    case 2:
        if (listMode == 0)
            viewColors->setFocus(Qt::OtherFocusReason);
        else if (listMode == 1)
            viewPatterns->setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
    if (QAbstractButton* button = buttonGroup->button(index))
        button->setChecked(true);

    const int target = -index * panelFrame->width();
    if (animate) {
        // A slide under way only changes its goal.
        timeLine->setFrameRange(panelsFrame->x(), target);
        if (timeLine->state() != QTimeLine::Running)
            timeLine->start();
    } else {
        panelsFrame->move(target, panelsFrame->y());
    }
}

void PersonalizationWidget::animatePanels(int value)
{
    panelsFrame->move(value, panelsFrame->y());
}

void PersonalizationWidget::finishAnimation()
{
}

bool PersonalizationWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panelFrame && event->type() == QEvent::Resize)
        panelsFrame->resize(panelsFrame->width(), panelFrame->height());
    return QWidget::eventFilter(watched, event);
}

// ---- Showing for a cabinet

void PersonalizationWidget::show(VorendaShelf* target, int panel, StyleElement element)
{
    if (!target)
        return;
    applying = false;
    if (textFontComboBox->count() == 0)
        fillFontList();

    if (shelf != target) {
        // Still editing another cabinet: that one keeps what the user did.
        if (isVisible() && shelf)
            accept(false);
        connectToShelf(target);
        elementComboBox->setCurrentIndex(-1);
        dockOptionComboBox->setCurrentIndex(-1);
        loadSettings();
    }
    updatePasswordButton();

    style = target->style;
    styleComboBox->setCurrentIndex(styleComboBox->findData(style.key));
    setSlidersFromStyle();
    setCurrentElement(element);
    showPanel(panel, true);

    QWidget::show();
    raise();
    activateWindow();
}

void PersonalizationWidget::connectToShelf(VorendaShelf* target)
{
    shelf = target;
    unlocked = false;
    disconnect(this, &PersonalizationWidget::styleChanged, nullptr, nullptr);
    disconnect(this, &PersonalizationWidget::accepted, nullptr, nullptr);
    disconnect(this, &PersonalizationWidget::rejected, nullptr, nullptr);
    connect(this, &PersonalizationWidget::styleChanged, target,
            [target](const ShelfStyle& edited, StyleElement element) { target->onApplyStyle(edited, element); });
    connect(this, &PersonalizationWidget::accepted, target, &VorendaShelf::onApplyStyleChange);
    connect(this, &PersonalizationWidget::rejected, target, &VorendaShelf::onIgnoreStyleChange);
}

void PersonalizationWidget::fillFontList()
{
    // Names that do not survive Latin-1 and the hidden system families are left out.
    QStringList names;
    const QStringList families = QFontDatabase().families();
    for (const QString& family : families) {
        const QString name = QString::fromLatin1(family.toLatin1());
        if (name.isEmpty() || name.contains(QLatin1Char('?')) || name.startsWith(QLatin1Char('.')))
            continue;
        names.append(name);
    }
    std::sort(names.begin(), names.end());
    textFontComboBox->addItems(names);
}

void PersonalizationWidget::loadSettings()
{
    const DockableWidget* frame = shelf->frame;
    textDecorationComboBox->setCurrentIndex(shelf->textdecoration);
    textFontComboBox->setCurrentIndex(
        textFontComboBox->findText(shelf->textfont, Qt::MatchExactly | Qt::MatchCaseSensitive));
    nameLineEdit->setText(shelf->name);
    hotkeyLineEdit->setText(frame->showHotkey().toString(QKeySequence::NativeText));
    mousePointerCheckBox->setChecked(frame->showsByMouse());
    showDelayLineEdit->setText(QString::number(frame->showDelay() / 1000));

    // The radio buttons exclude each other: with several modifiers the last one set wins.
    butOnlyCheckBox->setChecked(false);
    CtrlRadioButton->setChecked(true);
    const Qt::KeyboardModifiers modifiers = frame->showModifiers();
    if (modifiers != Qt::NoModifier) {
        butOnlyCheckBox->setChecked(true);
        ShiftRadioButton->setChecked(modifiers & Qt::ShiftModifier);
        AltRadioButton->setChecked(modifiers & Qt::AltModifier);
        CmdRadioButton->setChecked(modifiers & Qt::ControlModifier);
        CtrlRadioButton->setChecked(modifiers & Qt::MetaModifier);
    }

    selectDockOption(shelf->mode);
    autoHideCheckBox->setChecked(frame->isAutoHide());
    keepVisibleCheckBox->setChecked(frame->staysOnTop());
    fullScreenCheckBox->setChecked(frame->isMaximized());
    kioskHash = VorendaGlobal::kioskPasswordHash;
    loadSwitches();
}

void PersonalizationWidget::loadSwitches()
{
    kioskCheckBox->setChecked(shelf->kiosk);
    hideNameCheckBox->setChecked(shelf->hidename);
    hideSearchboxCheckBox->setChecked(shelf->hidesearchbox);
    hideInfoCheckBox->setChecked(shelf->hidecabinetinfo);
    hideThumbSliderCheckBox->setChecked(shelf->hidethumbsizeslider);
    hideStatusButtonCheckBox->setChecked(shelf->hidecatstatusbutton);
    showFullPathCheckBox->setChecked(shelf->showcatfullpath);
    showNumberOfItemsCheckBox->setChecked(shelf->showcatnumberofitems);
    showNumberOfMatchesCheckBox->setChecked(shelf->showcatnumberofmatches);
    hideTopBarCheckBox->setChecked(shelf->hidetopbar);
    hideMenuBarCheckBox->setChecked(shelf->hidemenubar);
    hideBottomBarCheckBox->setChecked(shelf->hidebottombar);
    showNameWithHotkeyCheckBox->setChecked(shelf->shownamewithhotkey);
}

void PersonalizationWidget::selectDockOption(int option)
{
    int index = dockOptionComboBox->findData(option);
    if (index < 0)
        index = dockOptionComboBox->findData(0);
    dockOptionComboBox->setCurrentIndex(index);
}

void PersonalizationWidget::updatePasswordButton()
{
    setKioskPasswordButton->setText(kioskHash.isEmpty() ? tr("Set Password...") : tr("Change Password..."));
}

void PersonalizationWidget::updateSettings()
{
    if (!shelf || applying)
        return;
    const DockableWidget* frame = shelf->frame;
    selectDockOption(shelf->mode);
    autoHideCheckBox->setChecked(frame->isAutoHide());
    keepVisibleCheckBox->setChecked(frame->staysOnTop());
    fullScreenCheckBox->setChecked(frame->isMaximized());
    loadSwitches();
}

// ---- Enabling rules

void PersonalizationWidget::onDockOptionChanged(int index)
{
    if (index < 0)
        return;
    const bool docked = dockOptionComboBox->itemData(index).toInt() != 0;
    whenDockedLabel->setEnabled(docked);
    mousePointerCheckBox->setEnabled(docked);
    mousePointerCheckBoxToggled(mousePointerCheckBox->isEnabled() && mousePointerCheckBox->isChecked());
}

void PersonalizationWidget::mousePointerCheckBoxToggled(bool checked)
{
    for (QWidget* widget : {static_cast<QWidget*>(butOnlyCheckBox), static_cast<QWidget*>(showDelayLabel),
                            static_cast<QWidget*>(showDelayLineEdit), static_cast<QWidget*>(secondsLabel)})
        widget->setEnabled(checked);
    butOnlyCheckBoxToggled(butOnlyCheckBox->isEnabled() && butOnlyCheckBox->isChecked());
}

void PersonalizationWidget::butOnlyCheckBoxToggled(bool checked)
{
    for (QRadioButton* button : {CtrlRadioButton, ShiftRadioButton, AltRadioButton, CmdRadioButton})
        button->setEnabled(checked);
}

// ---- Committing

void PersonalizationWidget::accept()
{
    accept(true);
}

void PersonalizationWidget::accept(bool close)
{
    if (shelf) {
        // The cabinet's own slots run by the changes below leave the controls alone.
        applying = true;
        const bool written = writeSettings();
        if (written) {
            shelf->onApplySettings();
            shelf->save();
        }
        applying = false;
        if (!written) {
            // A locked cabinet keeps what it has, its style too: the panel ends as Cancel.
            if (close)
                reject();
            else
                emit rejected();
            return;
        }
        QuickStartDialog::instance()->onShelvesChanged();
    }
    // Saving may ask a question, which lets everything run, the panel's end included.
    const QPointer<PersonalizationWidget> self(this);
    saveCurrentStyle();
    if (!self)
        return;
    emit accepted(style);
    if (close) {
        answering = true;
        this->close();
        answering = false;
    }
}

bool PersonalizationWidget::writeSettings()
{
    // Only who gave the kiosk password here changes a locked cabinet.
    if (shelf->kiosk && !unlocked) {
        VorendaGlobal::addToLog(
            QStringLiteral("PersonalizationWidget: Cabinet '%1' is locked; its settings are kept").arg(shelf->name));
        return false;
    }
    DockableWidget* frame = shelf->frame;
    shelf->name = nameLineEdit->text();
    shelf->mode = dockOptionComboBox->currentData().toInt();
    frame->setShowHotkey(QKeySequence::fromString(hotkeyLineEdit->text(), QKeySequence::NativeText));
    frame->setShowByMouse(mousePointerCheckBox->isChecked());
    bool isNumber = false;
    const double delay = showDelayLineEdit->text().toDouble(&isNumber);
    frame->setShowDelay(qRound(qBound(0.0, isNumber ? delay : 0.0, double(maxShowDelay)) * 1000.0));
    writeShowModifiers();
    if (shelf->showCabinetEntry)
        shelf->showCabinetEntry->setText(ShowCabinetEntry::text(*shelf));

    const DockOption docking = DockOption::of(shelf->mode);
    frame->setMode(docking.mode, docking.wholeEdge);
    // The actions run the cabinet's own handlers when their state changes.
    frame->stayOnTop(keepVisibleCheckBox->isChecked());
    if (shelf->stayOnTopAction)
        shelf->stayOnTopAction->setChecked(keepVisibleCheckBox->isChecked());
    frame->setAutoHide(autoHideCheckBox->isChecked());
    if (shelf->autoHideAction)
        shelf->autoHideAction->setChecked(autoHideCheckBox->isChecked());
    // Only a change of state: either call also shows and raises the window.
    if (fullScreenCheckBox->isChecked() && !frame->isMaximized())
        frame->showMaximized();
    else if (!fullScreenCheckBox->isChecked() && frame->isMaximized())
        frame->showNormal();
    VorendaGlobal::kioskPasswordHash = kioskHash;

    shelf->textfont = textFontComboBox->currentText();
    shelf->textdecoration = textDecorationComboBox->currentIndex();
    shelf->kiosk = kioskCheckBox->isChecked();
    shelf->hidename = hideNameCheckBox->isChecked();
    shelf->hidesearchbox = hideSearchboxCheckBox->isChecked();
    shelf->hidecabinetinfo = hideInfoCheckBox->isChecked();
    shelf->hidethumbsizeslider = hideThumbSliderCheckBox->isChecked();
    shelf->hidecatstatusbutton = hideStatusButtonCheckBox->isChecked();
    shelf->showcatfullpath = showFullPathCheckBox->isChecked();
    shelf->showcatnumberofitems = showNumberOfItemsCheckBox->isChecked();
    shelf->showcatnumberofmatches = showNumberOfMatchesCheckBox->isChecked();
    shelf->shownamewithhotkey = showNameWithHotkeyCheckBox->isChecked();
    shelf->hidetopbar = hideTopBarCheckBox->isChecked();
    shelf->hidemenubar = hideMenuBarCheckBox->isChecked();
    shelf->hidebottombar = hideBottomBarCheckBox->isChecked();
    return true;
}

void PersonalizationWidget::writeShowModifiers()
{
    // Exactly one modifier, or none.
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    if (butOnlyCheckBox->isChecked()) {
        if (CmdRadioButton->isChecked())
            modifiers = Qt::ControlModifier;
        if (CtrlRadioButton->isChecked())
            modifiers = Qt::MetaModifier;
        if (ShiftRadioButton->isChecked())
            modifiers = Qt::ShiftModifier;
        if (AltRadioButton->isChecked())
            modifiers = Qt::AltModifier;
    }
    shelf->frame->setShowModifiers(modifiers);
}

void PersonalizationWidget::reject()
{
    emit rejected();
    answering = true;
    close();
    answering = false;
}

// ---- Kiosk password

void PersonalizationWidget::setKioskPassword()
{
    // Only who knows the password may change or remove it.
    // The questions let everything run, the panel's end included.
    const QPointer<PersonalizationWidget> self(this);
    if (!kioskHash.isEmpty()) {
        GetPasswordDialog check;
        if (check.exec(tr("Enter Kiosk Password"), kioskHash) != 1 || !self)
            return;
    }
    SetPasswordDialog dialog;
    if (dialog.exec(tr("Set Kiosk Password")) != 1 || !self)
        return;
    kioskHash = dialog.hash();
    updatePasswordButton();
}

void PersonalizationWidget::kioskCheckBoxClicked(bool checked)
{
    if (checked || !shelf || !shelf->kiosk)
        return;
    const QPointer<PersonalizationWidget> self(this);
    GetPasswordDialog check;
    const bool right = check.exec(tr("Enter Kiosk Password"), VorendaGlobal::kioskPasswordHash) == 1;
    if (!self)
        return;
    if (right)
        unlocked = true;
    else
        kioskCheckBox->setChecked(true);
}

// ---- Window events

void PersonalizationWidget::keyPressEvent(QKeyEvent* event)
{
    if (!handleAnswerKey(event, [this] { accept(true); }, [this] { reject(); }))
        QWidget::keyPressEvent(event);
}

void PersonalizationWidget::closeEvent(QCloseEvent* event)
{
    if (!answering && shelf)
        emit rejected();
    shelf = nullptr;
    unlocked = false;
    hide();
    event->ignore();
}

void PersonalizationWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    setFixedSize(size());
}
