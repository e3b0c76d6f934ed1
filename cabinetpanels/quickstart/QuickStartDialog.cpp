#include "QuickStartDialog.h"

#include "CabinetCommands.h"
#include "DynamicAction.h"
#include "MessageDialog.h"
#include "MyThumbnailView.h"
#include "QuickStartLink.h"
#include "ScreenFunctions.h"
#include "ShelfMenuEntries.h"
#include "SkinWidget.h"
#include "StyleElement.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>

QuickStartDialog* QuickStartDialog::widgetInstance = nullptr;

QuickStartDialog::QuickStartDialog(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);

    widgetSizeLabel->hide();
    QSize panelSize = sizeFromText(widgetSizeLabel->text());
    if (!panelSize.isValid())
        panelSize = size();

    setWindowIcon(QIcon());
    setWindowFlags(Qt::WindowStaysOnTopHint);

    connect(okButton, &QPushButton::clicked, this, &QuickStartDialog::ok);
    connect(selectCabinetComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &QuickStartDialog::onCurrentCabinetChanged);

    const std::pair<QLabel*, void (QuickStartDialog::*)()> commands[] = {
        {changeStyleButton, qOverload<>(&QuickStartDialog::onChangeStyle)},
        {newCategoryButton, &QuickStartDialog::onNewCategory},
        {addItemsButton, &QuickStartDialog::onAddItems},
        {personalizeButton, &QuickStartDialog::onPersonalize},
        {dockToScreenButton, &QuickStartDialog::onDockToScreenEdge},
        {helpSupportButton, &QuickStartDialog::onHelpAndSupport}};
    for (const auto& [button, slot] : commands) {
        if (SkinWidget* skin = VorendaGlobal::skinMenuButton(button))
            connect(skin, &SkinWidget::clicked, this, slot);
    }

    // A desktop font larger than the one the size was made for gets the room it needs.
    setFixedSize(panelSize.expandedTo(layout()->minimumSize()));
    centerOnScreen(this);
    refilling = false;
}

QuickStartDialog::~QuickStartDialog()
{
    if (widgetInstance == this)
        widgetInstance = nullptr;
}

QuickStartDialog* QuickStartDialog::instance()
{
    if (!widgetInstance)
        widgetInstance = new QuickStartDialog();
    return widgetInstance;
}

bool QuickStartDialog::visible()
{
    return instance()->isVisible();
}

// Only showing the panel makes it; the questions leave a panel that is not there alone.
class QuickStartDialog::PanelLink : public QuickStartLink
{
public:
    void show(VorendaShelf* shelf) override { instance()->show(shelf); }
    VorendaShelf* servedShelf() const override
    {
        return widgetInstance && widgetInstance->isVisible() ? widgetInstance->currentShelf.data() : nullptr;
    }
    void raise() override
    {
        if (widgetInstance && widgetInstance->isVisible())
            widgetInstance->raise();
    }
};

void QuickStartDialog::installCabinetLink()
{
    static PanelLink link;
    QuickStartLink::install(&link);
}

// ---- The cabinet list

qulonglong QuickStartDialog::identity(const VorendaShelf* shelf)
{
    return qulonglong(reinterpret_cast<quintptr>(shelf));
}

int QuickStartDialog::indexOf(const VorendaShelf* shelf) const
{
    return shelf ? selectCabinetComboBox->findData(identity(shelf)) : -1;
}

VorendaShelf* QuickStartDialog::shelfAt(int index) const
{
    // Only a cabinet still listed in the program is taken, never a stale address.
    const QVariant data = selectCabinetComboBox->itemData(index);
    for (VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves)) {
        if (shelf && data == QVariant(identity(shelf)))
            return shelf;
    }
    return nullptr;
}

void QuickStartDialog::show(VorendaShelf* cabinet)
{
    if (cabinet != currentShelf) {
        // While the panel shows, the change of entry brings the cabinet up at once.
        selectCabinetComboBox->setCurrentIndex(indexOf(cabinet));
        currentShelf = cabinet;
    }
    if (!currentShelf)
        selectCabinetComboBox->setCurrentIndex(-1);
    QWidget::show();
    raise();
    activateWindow();
}

void QuickStartDialog::onShelvesChanged()
{
    selectCabinetComboBox->clear();
    if (VorendaGlobal::shelves.isEmpty()) {
        currentShelf = nullptr;
        return;
    }
    // Adding the first entry makes it current; that is no choice of the user's.
    refilling = true;
    for (VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves)) {
        if (shelf)
            selectCabinetComboBox->addItem(shelf->name.isEmpty() ? tr("<No Name>") : shelf->name, identity(shelf));
    }
    const int index = indexOf(currentShelf);
    if (index == -1)
        currentShelf = nullptr;
    selectCabinetComboBox->setCurrentIndex(index);
    refilling = false;
}

void QuickStartDialog::onCurrentCabinetChanged(int index)
{
    if (index == -1 || !isVisible() || refilling)
        return;
    VorendaShelf* chosen = shelfAt(index);
    if (chosen && chosen != currentShelf) {
        currentShelf = chosen;
        chosen->show();
    }
}

// ---- Commands

DynamicAction* QuickStartDialog::addMenuAction(QMenu* menu, const QString& text, QVariant data, QObject* receiver,
                                               const char* member, int delay)
{
    DynamicAction* action = DynamicAction::create(menu, text, data, delay);
    connect(action, SIGNAL(triggered(QVariant, bool)), receiver, member);
    menu->addAction(action);
    return action;
}

bool QuickStartDialog::validCabinet()
{
    if (!currentShelf) {
        MessageDialog message;
        message.exec(this, tr("Please select an existing cabinet or create a new cabinet!"), MessageDialog::Warning,
                     MessageDialog::OkButton);
        return false;
    }
    currentShelf->show();
    // The menus open from the panel's buttons: it stays above the cabinet it brought up.
    raise();
    return true;
}

QAction* QuickStartDialog::execMenu(QMenu* menu, QLabel* button)
{
    return menu->exec(button->mapToGlobal(QPoint(button->width() - 8, button->height() / 2)));
}

void QuickStartDialog::runCabinetMenu(QLabel* button, const std::function<void(VorendaShelf&, QMenu*)>& fill)
{
    if (!validCabinet())
        return;
    // A command may end the panel or the cabinet while the menu waits.
    const QPointer<QMenu> menu = new QMenu(this);
    fill(*currentShelf, menu);
    execMenu(menu, button);
    delete menu.data();
}

void QuickStartDialog::onNewCategory()
{
    if (!validCabinet())
        return;
    const QPointer<VorendaShelf> shelf = currentShelf;
    const QPointer<QMenu> menu = new QMenu(this);
    shelf->createSubmenuForAddingCategory(menu, -1, false);
    QPointer<QAction> chosen;
    const bool empty = menu->isEmpty();
    if (!empty)
        chosen = execMenu(menu, newCategoryButton);
    if (shelf) {
        shelf->raise();
        shelf->activateWindow();
        // A cabinet without categories has no place to offer: the new one is its first.
        if (empty)
            shelf->doMenuAction(NewCategory, -1);
        else
            shelf->doMenuAction(chosen.data(), -1);
    }
    delete menu.data();
}

void QuickStartDialog::onAddItems()
{
    runCabinetMenu(addItemsButton, [](VorendaShelf& shelf, QMenu* menu) {
        shelf.createSubmenuForAddingItems(menu, shelf.view->getSelectedCategoryKey());
    });
}

void QuickStartDialog::onPersonalize()
{
    runCabinetMenu(personalizeButton, [](VorendaShelf& shelf, QMenu* menu) {
        shelf.createSubmenuForPersonalization(menu, -1, false);
    });
}

void QuickStartDialog::onDockToScreenEdge()
{
    runCabinetMenu(dockToScreenButton,
                   [](VorendaShelf& shelf, QMenu* menu) { shelf.createSubmenuForDockingCabinet(menu); });
}

void QuickStartDialog::onHelpAndSupport()
{
    // The panel is the quick start: its own entry is left out.
    runCabinetMenu(helpSupportButton,
                   [](VorendaShelf& shelf, QMenu* menu) { shelf.createSubmenuForHelpAndSupport(menu, true); });
}

// ---- Styles

void QuickStartDialog::onChangeStyle()
{
    runCabinetMenu(changeStyleButton, [this](VorendaShelf& shelf, QMenu* menu) {
        for (auto it = VorendaGlobal::shelfStyles.cbegin(); it != VorendaGlobal::shelfStyles.cend(); ++it) {
            addMenuAction(menu, tr("%1 Style").arg(ShelfMenuEntries::escaped(it->name)), it.key(), this,
                          SLOT(onChangeStyle(QVariant, bool)), -1);
        }
        menu->addSeparator();
        const StyleElement element = shelf.style.cabinetPattern.isEmpty() ? CabinetColor : CabinetPattern;
        addMenuAction(menu, tr("Customize..."), int(element), this, SLOT(onCustomizeStyle(QVariant, bool)), -1);
    });
}

bool QuickStartDialog::mayRestyle() const
{
    return currentShelf && !currentShelf->kiosk;
}

void QuickStartDialog::onChangeStyle(QVariant data, bool)
{
    bool isKey = false;
    const int key = data.toInt(&isKey);
    if (mayRestyle() && isKey)
        CabinetCommands(*currentShelf).changeStyle(key);
}

void QuickStartDialog::onCustomizeStyle(QVariant data, bool)
{
    bool isElement = false;
    const int element = data.toInt(&isElement);
    if (mayRestyle() && isElement)
        currentShelf->onPersonalize(2, StyleElement(element));
}

// ---- Window

void QuickStartDialog::ok()
{
    close();
}

void QuickStartDialog::closeEvent(QCloseEvent* event)
{
    currentShelf = nullptr;
    hide();
    event->ignore();
}

void QuickStartDialog::showEvent(QShowEvent* event)
{
    setFixedSize(size());
    QWidget::showEvent(event);
}

void QuickStartDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        close();
        event->accept();
        break;
    default:
        break;
    }
}
