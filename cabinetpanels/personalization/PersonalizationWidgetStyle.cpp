// The Style page of the personalization panel: the style list, the element list, the
// colour and pattern swatches, the sliders, and keeping a changed style.
#include "PersonalizationWidget.h"

#include "MessageDialog.h"
#include "PathFunctions.h"
#include "StyleItem.h"
#include "StyleSwatchFactory.h"
#include "UserStyleFile.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QScrollBar>

namespace {

// Elements up to this value are patterns, those above colours.
const int lastPatternElement = 8;

bool isColorElement(int element)
{
    return element > lastPatternElement;
}

// The colour of `style` that a colour element edits; null for another element.
QColor* colorField(ShelfStyle& style, int element)
{
    switch (element) {
    case ShelfColor:
        return &style.shelfColor;
    case CabinetColor:
        return &style.cabinetColor;
    case CabinetTextColor:
        return &style.cabinetTextColor;
    case CategoryColor:
        return &style.categoryColor;
    case CategoryTextColor:
        return &style.categoryTextColor;
    case DropIndicatorColor:
        return &style.dropIndicatorColor;
    case ItemSelectionColor:
        return &style.itemSelectionColor;
    case ToolTipColor:
        return &style.toolTipColor;
    case ToolTipTextColor:
        return &style.toolTipTextColor;
    default:
        return nullptr;
    }
}

QString* patternField(ShelfStyle& style, int element)
{
    switch (element) {
    case ShelfPattern:
        return &style.shelfPattern;
    case CabinetPattern:
        return &style.cabinetPattern;
    case CategoryPattern:
        return &style.categoryPattern;
    default:
        return nullptr;
    }
}

StyleItem* selectedSwatch(const ThumbnailView* view)
{
    return qobject_cast<StyleItem*>(view->getSelectedItem());
}

} // namespace

void PersonalizationWidget::setUpStyleEditor()
{
    setUpSwatchView(viewColors);
    setUpSwatchView(viewPatterns);
    connect(viewColors, &AbstractThumbnailView::deleteRequest, this, &PersonalizationWidget::onDeleteColorsRequest);
    connect(viewPatterns, &AbstractThumbnailView::deleteRequest, this,
            &PersonalizationWidget::onDeletePatternsRequest);

    struct Entry {
        StyleElement element;
        const char* text;
    };
    // Groups of related elements, each after a separator.
    const QList<QList<Entry>> groups = {
        {{CabinetPattern, QT_TR_NOOP("Cabinet Background Pattern")},
         {CabinetColor, QT_TR_NOOP("Cabinet Background Color")},
         {CabinetTextColor, QT_TR_NOOP("Cabinet Text Color")}},
        {{CategoryPattern, QT_TR_NOOP("Category Background Pattern")},
         {CategoryColor, QT_TR_NOOP("Category Background Color")},
         {CategoryTextColor, QT_TR_NOOP("Category Text Color")}},
        {{ShelfPattern, QT_TR_NOOP("Shelf Background Pattern")}, {ShelfColor, QT_TR_NOOP("Shelf Background Color")}},
        {{DropIndicatorColor, QT_TR_NOOP("Drop Indicator Color")},
         {ItemSelectionColor, QT_TR_NOOP("Item Selection Color")}},
        {{ToolTipColor, QT_TR_NOOP("Name & ToolTip Background Color")},
         {ToolTipTextColor, QT_TR_NOOP("Name & ToolTip Text Color")}},
    };
    elementComboBox->clear();
    for (const QList<Entry>& group : groups) {
        if (elementComboBox->count() > 0)
            elementComboBox->insertSeparator(elementComboBox->count());
        for (const Entry& entry : group)
            elementComboBox->addItem(tr(entry.text), int(entry.element));
    }
    elementComboBox->setCurrentIndex(-1);
    elementComboBox->setMaxVisibleItems(elementComboBox->count());
    connect(elementComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &PersonalizationWidget::onCurrentElementChanged);

    fillStyleList();
    styleComboBox->setMaxVisibleItems(styleComboBox->count());
    connect(styleComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &PersonalizationWidget::onCurrentStyleChanged);

    fillSwatches();

    reflectionLevelSlider->setRange(0, 255);
    reflectionLevelSlider->setValue(150);
    reflectionLevelSlider->setSingleStep(1);
    perspectiveAngleSlider->setRange(0, VorendaGlobal::SHELF_ANGLE);
    perspectiveAngleSlider->setValue(VorendaGlobal::SHELF_ANGLE);
    perspectiveAngleSlider->setSingleStep(1);
    darknessLevelSlider->setRange(0, 255);
    darknessLevelSlider->setValue(150);
    darknessLevelSlider->setSingleStep(1);
    connect(reflectionLevelSlider, &QSlider::valueChanged, this, &PersonalizationWidget::onReflectionLevelChanged);
    connect(perspectiveAngleSlider, &QSlider::valueChanged, this, &PersonalizationWidget::onPerspectiveAngleChanged);
    connect(darknessLevelSlider, &QSlider::valueChanged, this, &PersonalizationWidget::onDarknessLevelChanged);
}

void PersonalizationWidget::setUpSwatchView(ThumbnailView* view)
{
    view->setAcceptDrags(false);
    view->setAllowMultiSelection(false);
    view->setSpacing(1, 1, true);
    view->setShowCategories(false);
    view->setMargin(MarginProperty(0.0), false);
    view->setBackgroundBrush(QBrush(QColor(255, 255, 255, 180)), AbstractThumbnailView::StretchBackground);
    view->setFrameShape(QFrame::Box);
    view->setFrameShadow(QFrame::Plain);
    // The swatches are rows as wide as the viewport; a scroll bar that came and went
    // would change their width under them.
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(view, &AbstractThumbnailView::itemDoubleClicked, this, &PersonalizationWidget::onItemDoubleClicked);
    connect(view, &AbstractThumbnailView::itemSelected, this, &PersonalizationWidget::onItemSelected);
    view->hide();
    view->setEnabled(false);
}

void PersonalizationWidget::fillStyleList()
{
    // One entry per name; a later style of the same name takes the entry over.
    styleComboBox->clear();
    styleComboBox->setCurrentIndex(-1);
    for (auto it = VorendaGlobal::shelfStyles.cbegin(); it != VorendaGlobal::shelfStyles.cend(); ++it) {
        const int index = styleComboBox->findText(it->name, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0)
            styleComboBox->addItem(it->name, it.key());
        else
            styleComboBox->setItemData(index, it.key());
    }
}

void PersonalizationWidget::fillSwatches()
{
    for (const QStringList* list : {&VorendaGlobal::patterns, &VorendaGlobal::userPatterns}) {
        for (const QString& path : *list)
            viewPatterns->addItem(StyleSwatchFactory::patternSwatch(path), false);
    }
    viewPatterns->resetModel();
    viewPatterns->updateLayout();

    for (const QString& name : qAsConst(VorendaGlobal::colorNames)) {
        QColor color;
        if (name == QLatin1String("System"))
            color = VorendaGlobal::systemColor;
        else if (name == QLatin1String("ToolTip"))
            color = VorendaGlobal::toolTipColor;
        else
            color.setNamedColor(name);
        viewColors->addItem(StyleSwatchFactory::colorSwatch(color, name, false), false);
    }
    for (uint rgba : qAsConst(VorendaGlobal::userColors))
        viewColors->addItem(StyleSwatchFactory::userColorSwatch(QColor::fromRgba(rgba)), false);
    viewColors->resetModel();
    viewColors->updateLayout();
}

void PersonalizationWidget::setSlidersFromStyle()
{
    // Equal to the edited style, the values emit nothing.
    reflectionLevelSlider->setValue(style.reflectionLevel);
    perspectiveAngleSlider->setValue(style.perspectiveAngle);
    darknessLevelSlider->setValue(style.backDarknessLevel);
}

StyleElement PersonalizationWidget::currentElement() const
{
    const QVariant data = elementComboBox->currentData();
    return data.isValid() ? StyleElement(data.toInt()) : AllElements;
}

void PersonalizationWidget::setCurrentElement(StyleElement element)
{
    const int index = elementComboBox->findData(int(element));
    elementComboBox->setCurrentIndex(index >= 0 ? index : 0);
}

void PersonalizationWidget::onCurrentElementChanged(int index)
{
    if (index < 0)
        return;
    const int element = elementComboBox->itemData(index).toInt();
    ThumbnailView* view = nullptr;
    QVariant value;
    if (isColorElement(element)) {
        if (listMode != 0) {
            addButton->setText(tr("Add &New Color..."));
            viewPatterns->hide();
            viewPatterns->setEnabled(false);
            viewColors->show();
            viewColors->setEnabled(true);
            listMode = 0;
        }
        view = viewColors;
        const QColor* color = colorField(style, element);
        value = uint(color ? color->rgba() : QColor().rgba());
    } else {
        if (listMode != 1) {
            addButton->setText(tr("Add &New Pattern..."));
            viewColors->hide();
            viewColors->setEnabled(false);
            viewPatterns->show();
            viewPatterns->setEnabled(true);
            listMode = 1;
        }
        view = viewPatterns;
        const QString* pattern = patternField(style, element);
        value = pattern ? *pattern : QString();
    }

    // Selecting applies the swatch to the edited style again, which the cabinet,
    // wearing that style already, ignores.
    view->clearSelection();
    const QList<AbstractThumbnailItem*> items = view->getAllItems();
    for (AbstractThumbnailItem* item : items) {
        if (item->data(StyleSwatchFactory::ValueKey) != value)
            continue;
        selectSwatch(view, qobject_cast<StyleItem*>(item));
    }
}

void PersonalizationWidget::selectSwatch(ThumbnailView* view, StyleItem* swatch)
{
    if (!swatch)
        return;
    swatch->setFocus(Qt::OtherFocusReason);
    swatch->setSelected(true);
    if (!swatch->isVisibleToView())
        view->ensureVisible(swatch, 0, 0);
}

void PersonalizationWidget::onItemSelected(AbstractThumbnailItem* item, bool on)
{
    if (!item || !on)
        return;
    const StyleElement element = currentElement();
    const auto* swatch = qobject_cast<StyleItem*>(item);
    if (isColorElement(element)) {
        if (QColor* color = colorField(style, element))
            *color = StyleSwatchFactory::colorOf(swatch);
    } else if (QString* pattern = patternField(style, element)) {
        *pattern = StyleSwatchFactory::patternOf(swatch);
    }
    emit styleChanged(style, element);
}

void PersonalizationWidget::onItemDoubleClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers)
{
    if (item)
        onItemSelected(item, true);
}

void PersonalizationWidget::onReflectionLevelChanged(int value)
{
    if (value == style.reflectionLevel)
        return;
    style.reflectionLevel = value;
    emit styleChanged(style, ReflectionLevel);
}

void PersonalizationWidget::onPerspectiveAngleChanged(int value)
{
    if (value == style.perspectiveAngle)
        return;
    style.perspectiveAngle = value;
    emit styleChanged(style, PerspectiveAngle);
}

void PersonalizationWidget::onDarknessLevelChanged(int value)
{
    if (value == style.backDarknessLevel)
        return;
    style.backDarknessLevel = value;
    emit styleChanged(style, BackDarkness);
}

void PersonalizationWidget::onCurrentStyleChanged(int index)
{
    if (index < 0)
        return;
    const ShelfStyle chosen = VorendaGlobal::shelfStyles.value(styleComboBox->itemData(index).toInt());
    if (style == chosen)
        return;
    style = chosen;
    emit styleChanged(style, AllElements);
    setSlidersFromStyle();
    onCurrentElementChanged(elementComboBox->currentIndex());
}

void PersonalizationWidget::onApplyToRelated()
{
    const StyleElement element = currentElement();
    if (isColorElement(element)) {
        if (const StyleItem* swatch = selectedSwatch(viewColors)) {
            const QColor color = StyleSwatchFactory::colorOf(swatch);
            switch (element) {
            case ShelfColor:
            case CabinetColor:
            case CategoryColor:
                style.shelfColor = style.cabinetColor = style.categoryColor = color;
                break;
            case CabinetTextColor:
            case CategoryTextColor:
            case DropIndicatorColor:
            case ItemSelectionColor:
                style.cabinetTextColor = style.categoryTextColor = style.dropIndicatorColor =
                    style.itemSelectionColor = color;
                break;
            default:
                // The name colours have no relatives.
                return;
            }
        }
    } else if (const StyleItem* swatch = selectedSwatch(viewPatterns)) {
        const QString pattern = StyleSwatchFactory::patternOf(swatch);
        style.shelfPattern = style.cabinetPattern = style.categoryPattern = pattern;
    }
    emit styleChanged(style, AllElements);
}

// ---- User colours and patterns

void PersonalizationWidget::add()
{
    if (listMode == 0) {
        const StyleItem* selected = selectedSwatch(viewColors);
        const QColor start = selected ? StyleSwatchFactory::colorOf(selected) : QColor::fromRgb(3);
        const QColor color = QColorDialog::getColor(start, this);
        viewColors->setFocus(Qt::OtherFocusReason);
        if (!color.isValid())
            return;
        VorendaGlobal::userColors.append(color.rgba());
        StyleItem* swatch = StyleSwatchFactory::userColorSwatch(color);
        viewColors->addItem(swatch, true);
        viewColors->clearSelection();
        selectSwatch(viewColors, swatch);
    } else if (listMode == 1) {
        const QString folder =
            settings.value(QStringLiteral("PatternDir"), getStorageLocation(QStandardPaths::PicturesLocation))
                .toString();
        const QString path = QFileDialog::getOpenFileName(this, tr("Select Pattern"), folder,
                                                          tr("Images (*.bmp *.gif *.jpeg *.jpg *.png *.tif *.tiff)"));
        viewPatterns->setFocus(Qt::OtherFocusReason);
        if (path.isEmpty())
            return;
        settings.setValue(QStringLiteral("PatternDir"), QFileInfo(path).absolutePath());
        StyleItem* swatch = nullptr;
        const QList<AbstractThumbnailItem*> items = viewPatterns->getAllItems();
        for (AbstractThumbnailItem* item : items) {
            if (item->data(StyleSwatchFactory::ValueKey).toString() == path)
                swatch = qobject_cast<StyleItem*>(item);
        }
        if (!swatch) {
            VorendaGlobal::userPatterns.append(path);
            swatch = StyleSwatchFactory::patternSwatch(path);
            viewPatterns->addItem(swatch, true);
        }
        viewPatterns->clearSelection();
        selectSwatch(viewPatterns, swatch);
    }
}

bool PersonalizationWidget::isLockedColor(uint rgba)
{
    const QColor color = QColor::fromRgba(rgba);
    for (const ShelfStyle& each : qAsConst(VorendaGlobal::shelfStyles)) {
        if (each.usesColor(color))
            return true;
    }
    return false;
}

bool PersonalizationWidget::isLockedPattern(const QString& path)
{
    for (const ShelfStyle& each : qAsConst(VorendaGlobal::shelfStyles)) {
        if (each.usesPattern(path))
            return true;
    }
    return false;
}

void PersonalizationWidget::onDeleteColorsRequest(QList<AbstractThumbnailItem*> items, bool* ok)
{
    if (!ok)
        return;
    *ok = false;
    const auto* swatch = qobject_cast<StyleItem*>(items.value(0));
    const uint rgba = StyleSwatchFactory::colorOf(swatch).rgba();
    if (swatch && StyleSwatchFactory::isUserDefined(swatch) && !isLockedColor(rgba)) {
        *ok = true;
        VorendaGlobal::userColors.removeAll(rgba);
        return;
    }
    MessageDialog().exec(this,
                         tr("This color cannot be removed because it isn't user-defined or is currently used in one "
                            "or more styles."),
                         MessageDialog::Warning, MessageDialog::OkButton);
}

void PersonalizationWidget::onDeletePatternsRequest(QList<AbstractThumbnailItem*> items, bool* ok)
{
    if (!ok)
        return;
    *ok = false;
    const auto* swatch = qobject_cast<StyleItem*>(items.value(0));
    const QString path = StyleSwatchFactory::patternOf(swatch);
    if (swatch && StyleSwatchFactory::isUserDefined(swatch) && !isLockedPattern(path)) {
        *ok = true;
        VorendaGlobal::userPatterns.removeAll(path);
        return;
    }
    MessageDialog().exec(this,
                         tr("This pattern cannot be removed because it isn't user-defined or is currently used in "
                            "one or more styles."),
                         MessageDialog::Warning, MessageDialog::OkButton);
}

// ---- Keeping a changed style

bool PersonalizationWidget::anotherShelfWears(const QString& styleName) const
{
    for (const VorendaShelf* other : qAsConst(VorendaGlobal::shelves)) {
        if (other && other != shelf && other->style.name == styleName)
            return true;
    }
    return false;
}

void PersonalizationWidget::saveCurrentStyle()
{
    const ShelfStyle stored = VorendaGlobal::shelfStyles.value(style.key);
    if (!(style != stored))
        return;

    const bool inPlace = !style.fileName.isEmpty() && QFileInfo(style.fileName).isWritable()
        && !anotherShelfWears(style.name);
    if (!inPlace) {
        int key = VorendaGlobal::shelfStyles.size();
        while (VorendaGlobal::shelfStyles.contains(key))
            ++key;
        // A name no listed style has and whose file would not land on another's.
        style.name = UserStyleFile::freeName(style.name, [this](const QString& name) {
            return styleComboBox->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0
                || QFileInfo::exists(UserStyleFile::pathFor(name));
        });
        style.key = key;
        style.id = UserStyleFile::newId();
        style.fileName = UserStyleFile::pathFor(style.name);
        styleComboBox->addItem(style.name, style.key);
    }
    VorendaGlobal::shelfStyles.insert(style.key, style);

    QString error;
    if (UserStyleFile::write(style, &error)) {
        VorendaGlobal::addToLog(
            QStringLiteral("PersonalizationWidget: Saved the style \"%1\" to \"%2\"").arg(style.name, style.fileName));
        return;
    }
    // The cabinet wears the style for this session all the same.
    VorendaGlobal::addToLog(QStringLiteral("PersonalizationWidget: Saving the style \"%1\" to \"%2\" failed: %3")
                                .arg(style.name, style.fileName, error));
    MessageDialog().exec(this, tr("The style \"%1\" could not be saved: %2").arg(style.name, error),
                         MessageDialog::Warning, MessageDialog::OkButton);
}
