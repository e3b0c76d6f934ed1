#include "ItemPropertiesDialog.h"

#include "ItemPropertiesLink.h"
#include "ItemTextLimits.h"
#include "MessageDialog.h"
#include "MyThumbnailItem.h"
#include "ScreenFunctions.h"
#include "TagItem.h"
#include "ThumbnailViewRegistry.h"
#include "VorendaGlobal.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QSizeGrip>

#include <algorithm>

ItemPropertiesDialog* ItemPropertiesDialog::widgetInstance = nullptr;

class ItemPropertiesDialog::DialogLink : public ItemPropertiesLink
{
public:
    void itemRenamed(MyThumbnailItem* renamed) override
    {
        if (widgetInstance && widgetInstance->isVisible() && widgetInstance->item == renamed)
            widgetInstance->updateSettings();
    }
};

namespace {

// Tags as the tag field and the data files hold them: lower case, trimmed, no empty
// parts, each once.
QStringList parseTags(const QString& text)
{
    QStringList tags;
    const QStringList parts = text.trimmed().toLower().split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString tag = part.trimmed();
        if (!tag.isEmpty())
            tags << tag;
    }
    tags.removeDuplicates();
    return tags;
}

bool containsTag(const QStringList& tags, const QString& tag)
{
    return tags.contains(tag.trimmed(), Qt::CaseInsensitive);
}

// Removes every entry that is the tag in any case; true when one was there.
bool removeTag(QStringList& tags, const QString& tag)
{
    const int before = tags.size();
    tags.erase(std::remove_if(tags.begin(), tags.end(),
                              [&tag](const QString& entry) {
                                  return entry.trimmed().compare(tag, Qt::CaseInsensitive) == 0;
                              }),
               tags.end());
    return tags.size() != before;
}

// Whether the item's cabinet takes no change now (kiosk mode).
bool isLocked(const MyThumbnailItem* item)
{
    const AbstractThumbnailView* view = item ? item->getView() : nullptr;
    return view && view->isReadOnly();
}

} // namespace

ItemPropertiesDialog::ItemPropertiesDialog(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);

    widgetSizeLabel->hide();
    const QString sizeText = widgetSizeLabel->text();
    const int x = sizeText.indexOf(QLatin1Char('x'));
    const int minimumWidth = sizeText.left(x).toInt();
    const int minimumHeight = x < 0 ? 0 : sizeText.mid(x + 1).toInt();

    setWindowIcon(QIcon());
    setWindowFlags(Qt::WindowStaysOnTopHint);

    tagsView->setAcceptDrags(false);
    // The vocabulary grows only through the tag field, never by a drop or paste.
    tagsView->setAcceptDrops(false);
    tagsView->viewport()->setAcceptDrops(false);
    tagsView->setAllowMultiSelection(false);
    tagsView->setShowCategories(false);
    tagsView->setMargin(MarginProperty(4, 2, 4, 2), false);
    tagsView->setSpacing(2, 2, false);
    tagsView->setDragMode(QGraphicsView::NoDrag);
    tagsView->setBackgroundBrush(QBrush(Qt::white), AbstractThumbnailView::StretchBackground);
    tagsView->setFrameShape(QFrame::StyledPanel);
    tagsView->setFrameShadow(QFrame::Sunken);

    if (!VorendaGlobal::tags.isEmpty()) {
        for (const QString& tag : qAsConst(VorendaGlobal::tags))
            tagsView->addItem(getTagItem(tag, false), false);
        sortTags();
    }

    // What the cabinet's data file keeps of an item.
    nameLineEdit->setMaxLength(ItemTextLimits::name);
    targetLineEdit->setMaxLength(ItemTextLimits::target);
    tagLineEdit->setMaxLength(ItemTextLimits::tags);

    connect(tagsView, &AbstractThumbnailView::itemSelected, this, &ItemPropertiesDialog::onItemSelected);
    connect(tagsView, &AbstractThumbnailView::itemClicked, this, &ItemPropertiesDialog::onItemClicked);
    connect(tagsView, &AbstractThumbnailView::deleteRequest, this, &ItemPropertiesDialog::onDeleteTagRequest);
    connect(cancelButton, &QPushButton::clicked, this, &ItemPropertiesDialog::reject);
    connect(okButton, &QPushButton::clicked, this, qOverload<>(&ItemPropertiesDialog::accept));
    connect(addTagButton, &QPushButton::clicked, this, &ItemPropertiesDialog::onAddTag);
    connect(tagLineEdit, &QLineEdit::returnPressed, this, &ItemPropertiesDialog::onAddTag);

    setMinimumSize(minimumWidth, minimumHeight);
    sizeGrip = new QSizeGrip(this);
    sizeGrip->resize(sizeGrip->sizeHint());
    placeSizeGrip();
    sizeGrip->show();
    centerOnScreen(this);

    // An item renamed in place refreshes the dialog that edits it.
    static DialogLink link;
    ItemPropertiesLink::install(&link);
}

ItemPropertiesDialog::~ItemPropertiesDialog()
{
    ItemPropertiesLink::install(nullptr);
    if (widgetInstance == this)
        widgetInstance = nullptr;
}

ItemPropertiesDialog* ItemPropertiesDialog::instance()
{
    if (!widgetInstance)
        widgetInstance = new ItemPropertiesDialog();
    return widgetInstance;
}

bool ItemPropertiesDialog::visible()
{
    return instance()->isVisible();
}

void ItemPropertiesDialog::show(MyThumbnailItem* edited)
{
    if (isLocked(edited))
        return;
    busy = false;
    // Cabinets loaded since the chips were made add their tags to the vocabulary, and
    // an item may carry a tag the vocabulary lost: every one of them gets its chip, so
    // no tag is shown unmarked or dropped from the item by OK.
    const bool addedFromVocabulary = addMissingTags(VorendaGlobal::tags);
    const bool addedFromItem = edited && addMissingTags(edited->properties.tags);
    if (addedFromVocabulary || addedFromItem)
        sortTags();

    if (edited != item) {
        if (isVisible())
            accept(false);
        item = edited;
        updateSettings();
        if (item) {
            targetLineEdit->setText(item->properties.target);
            descriptionTextEdit->setPlainText(item->properties.notes.trimmed());
            const QList<TagItem*> chips = tagItems();
            for (TagItem* chip : chips)
                chip->setTagSelected(false);
            for (const QString& tag : qAsConst(item->properties.tags)) {
                if (TagItem* chip = findTag(tag))
                    chip->setTagSelected(true);
            }
            nameLineEdit->setFocus(Qt::OtherFocusReason);
            nameLineEdit->selectAll();
        }
    }

    QWidget::show();
    raise();
    activateWindow();
}

void ItemPropertiesDialog::updateSettings()
{
    if (!item || busy)
        return;
    nameLineEdit->setText(item->properties.name);
    showLabelCheckBox->setChecked(item->isLabelShown());
    QPixmap picture = item->getImage();
    if (picture.width() > thumbnail->width() || picture.height() > thumbnail->height())
        picture = picture.scaled(thumbnail->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    thumbnail->setPixmap(picture);
}

AbstractThumbnailView* ItemPropertiesDialog::getItemView() const
{
    return item ? item->getView() : nullptr;
}

void ItemPropertiesDialog::closeFor(const AbstractThumbnailView* view)
{
    if (widgetInstance && widgetInstance->isVisible() && view && widgetInstance->getItemView() == view)
        widgetInstance->close();
}

void ItemPropertiesDialog::accept(bool close)
{
    if (!item || isLocked(item)) {
        if (close)
            this->close();
        return;
    }
    busy = true;

    const QString target = targetLineEdit->text().trimmed();
    if (!target.isEmpty())
        item->properties.target = target;
    QString name = nameLineEdit->text().trimmed();
    if (name.isEmpty())
        name = QStringLiteral(" ");
    item->properties.name = name;
    item->properties.notes = descriptionTextEdit->toPlainText().left(ItemTextLimits::notes).trimmed();

    // The chips are the vocabulary in display order; tags a cabinet added while the
    // dialog was open have no chip yet and are kept behind them.
    QStringList vocabulary;
    QStringList itemTags;
    const QList<TagItem*> chips = tagItems();
    for (TagItem* chip : chips) {
        vocabulary << chip->getText();
        if (chip->isTagSelected())
            itemTags << chip->getText();
    }
    for (const QString& tag : qAsConst(VorendaGlobal::tags)) {
        if (!containsTag(vocabulary, tag))
            vocabulary << tag;
    }
    VorendaGlobal::tags = vocabulary;
    itemTags.removeDuplicates();
    item->properties.tags = itemTags;

    item->setText(name);
    item->showItemLabel(showLabelCheckBox->isChecked(), false);
    if (AbstractThumbnailView* view = item->getView()) {
        view->resetModel();
        // A name shown or hidden changes the item's height.
        view->updateLayout();
    }

    busy = false;
    if (close)
        this->close();
}

void ItemPropertiesDialog::accept()
{
    accept(true);
}

void ItemPropertiesDialog::reject()
{
    close();
}

void ItemPropertiesDialog::onAddTag()
{
    const QStringList tags = parseTags(tagLineEdit->text());
    for (const QString& tag : tags) {
        if (TagItem* chip = findTag(tag))
            chip->setTagSelected(true);
        else
            tagsView->addItem(getTagItem(tag, true), false);
    }
    if (!tags.isEmpty())
        sortTags();
    tagLineEdit->clear();
}

void ItemPropertiesDialog::onItemSelected(AbstractThumbnailItem*, bool)
{
}

void ItemPropertiesDialog::onItemClicked(AbstractThumbnailItem* clicked, Qt::KeyboardModifiers)
{
    if (auto* chip = qobject_cast<TagItem*>(clicked))
        chip->setTagSelected(!chip->isTagSelected());
}

void ItemPropertiesDialog::onDeleteTagRequest(QList<AbstractThumbnailItem*> items, bool* ok)
{
    *ok = false;
    auto* chip = items.isEmpty() ? nullptr : qobject_cast<TagItem*>(items.first());
    if (!chip)
        return;
    const QString tag = chip->getText();
    // The question waits in its own loop; the chip may go meanwhile.
    const QPointer<TagItem> asked(chip);
    MessageDialog question;
    *ok = question.exec(this, tr("Are you sure you want to delete the tag '%1'? This action cannot be undone.").arg(tag),
                        MessageDialog::Question, MessageDialog::YesNoButtons)
        && asked;
    if (!*ok)
        return;

    removeTag(VorendaGlobal::tags, tag);
    const QList<AbstractThumbnailView*> views = ThumbnailViewRegistry::all();
    for (AbstractThumbnailView* view : views) {
        // A locked cabinet keeps its items as they are; the tag stays on them.
        if (view->isReadOnly())
            continue;
        bool changed = false;
        const QList<AbstractThumbnailItem*> viewItems = view->getAllItems();
        for (AbstractThumbnailItem* viewItem : viewItems) {
            if (auto* cabinetItem = qobject_cast<MyThumbnailItem*>(viewItem))
                changed = removeTag(cabinetItem->properties.tags, tag) || changed;
        }
        if (changed)
            view->resetModel();
    }
}

TagItem* ItemPropertiesDialog::getTagItem(const QString& text, bool selected)
{
    auto* chip = new TagItem();
    chip->setToolTip(QString());
    chip->setText(text.trimmed());
    chip->setTextFont(FontProperty(VorendaGlobal::getNormalFont(false, QString())));
    chip->setTextPen(PenProperty(QPen(Qt::black)));
    chip->setSelectedTextPen(PenProperty(QPen(Qt::white)));

    BackgroundPainter normal(QColor(222, 231, 248));
    normal.setBorderPainter(BorderPainter(1, 9, QColor(169, 189, 236)));
    chip->setBackground(BackgroundProperty(normal));
    BackgroundPainter marked(QColor(89, 139, 236));
    marked.setBorderPainter(BorderPainter(0, 9, QColor(89, 139, 236)));
    chip->setSelectedBackground(BackgroundProperty(marked));

    chip->setMargin(MarginProperty(2, 10, 2, 10));
    chip->setTagSelected(selected);
    return chip;
}

QList<TagItem*> ItemPropertiesDialog::tagItems() const
{
    QList<TagItem*> chips;
    const QList<AbstractThumbnailItem*> items = tagsView->getAllItems();
    for (AbstractThumbnailItem* viewItem : items) {
        if (auto* chip = qobject_cast<TagItem*>(viewItem))
            chips << chip;
    }
    return chips;
}

TagItem* ItemPropertiesDialog::findTag(const QString& tag) const
{
    const QString wanted = tag.trimmed();
    const QList<TagItem*> chips = tagItems();
    for (TagItem* chip : chips) {
        if (chip->getText().compare(wanted, Qt::CaseInsensitive) == 0)
            return chip;
    }
    return nullptr;
}

bool ItemPropertiesDialog::addMissingTags(const QStringList& tags)
{
    bool added = false;
    for (const QString& tag : tags) {
        if (tag.trimmed().isEmpty() || findTag(tag))
            continue;
        tagsView->addItem(getTagItem(tag.trimmed().toLower(), false), false);
        added = true;
    }
    return added;
}

void ItemPropertiesDialog::sortTags()
{
    tagsView->sortItems(-1, false, Qt::AscendingOrder, true);
}

void ItemPropertiesDialog::placeSizeGrip()
{
    if (!sizeGrip)
        return;
    const int y = height() - sizeGrip->height();
    const int x = layoutDirection() == Qt::RightToLeft ? 0 : width() - sizeGrip->width();
    sizeGrip->move(x, y);
    sizeGrip->raise();
}

void ItemPropertiesDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The tag field turns Return into Add Tag itself.
        if (!tagLineEdit->hasFocus()) {
            accept(true);
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void ItemPropertiesDialog::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeSizeGrip();
}

void ItemPropertiesDialog::closeEvent(QCloseEvent* event)
{
    setVisible(false);
    event->ignore();
    item = nullptr;
}

void ItemPropertiesDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
}
