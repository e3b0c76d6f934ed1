#include "ShelfCategories.h"

#include "BackgroundPainter.h"
#include "BorderPainter.h"
#include "ButtonItem.h"
#include "CategoryHeaderItem.h"
#include "FontProperty.h"
#include "GradientPainter.h"
#include "ImagePainter.h"
#include "MyThumbnailView.h"
#include "NavigatorItem.h"
#include "OverrideCursor.h"
#include "RemoveWarningDialog.h"
#include "ShelfLog.h"
#include "ShelfParts.h"
#include "TextItem.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QCoreApplication>
#include <QPainterPath>
#include <QPointer>

namespace {

// The state button's look, made once for every header: reading a resource picture
// asks for its time, which reads the time zone anew each time, and a look of its own
// for each of thousands of headers was much of what they held.
struct StateButtonLook
{
    QPixmap normalImage;
    BackgroundProperty background;
};

const StateButtonLook& stateButtonLook()
{
    static StateButtonLook look;
    if (look.normalImage.isNull()) {
        look.normalImage.load(QStringLiteral(":/Resources/Images/circularButtonNormal.png"));
        const QPixmap activeImage(QStringLiteral(":/Resources/Images/circularButtonActive.png"));
        const BackgroundPainter normal(ImagePainter(look.normalImage, ImagePainter::TopLeft));
        const BackgroundPainter active(ImagePainter(activeImage, ImagePainter::TopLeft));
        look.background = BackgroundProperty(normal, active, normal, active, normal);
        // Pictures go before the application object does, not after it.
        qAddPostRoutine([] { look = StateButtonLook(); });
    }
    return look;
}

ButtonItem* newStateButton()
{
    const StateButtonLook& look = stateButtonLook();
    auto* button = new ButtonItem;
    button->setIcon(ImageResource(), MarginProperty(0.0), Qt::AlignHCenter | Qt::AlignVCenter);
    button->setBackground(look.background);
    QPainterPath shape;
    shape.addEllipse(QRectF(look.normalImage.rect()));
    button->setShape(shape);
    button->enableVisibleAnimation(true);
    button->setAnimVisibleDuration(700);
    return button;
}

TextItem* newHeaderText()
{
    auto* text = new TextItem(true, false);
    text->setFlags(Qt::TextSingleLine | Qt::AlignHCenter | Qt::AlignVCenter);
    text->setEditable(true);
    text->setContextMenu(false);
    text->setMargin(MarginProperty(2.0, 0.0, 2.0, 0.0));
    return text;
}

BackgroundPainter navigatorPainter(const QColor& top, const QColor& bottom, const QColor& border)
{
    GradientPainter gradient(top, bottom, Qt::Vertical, QGradient::LinearGradient);
    BackgroundPainter painter(gradient);
    painter.setBorderPainter(BorderPainter(0.0, 18.0, border));
    return painter;
}

} // namespace

ShelfCategories::ShelfCategories(VorendaShelf& shelf)
    : shelf(shelf)
{
}

CategoryHeaderItem* ShelfCategories::newHeader(const QString& name)
{
    ButtonItem* button = newStateButton();
    TextItem* text = newHeaderText();

    auto* header = new CategoryHeaderItem;
    header->setButtonOnHover(true);
    header->setDiscardClick(true);
    header->setDiscardDoubleClick(false);
    header->setHideIfEmpty(false);
    header->setMargin(MarginProperty(0.0));
    header->setTextItem(text, MarginProperty(0.0, 0.0, 0.0, 10.0));
    header->setText(name);
    header->setShowPath(shelf.showcatfullpath);
    header->setShowItems(shelf.showcatnumberofitems);
    header->setShowMatches(shelf.showcatnumberofmatches);
    // The style supplies the expanded and collapsed icons below.
    header->setStateButton(button, ImageResource(), ImageResource(), MarginProperty(6.0, 10.0, 6.0, 10.0),
                           Qt::AlignRight);
    button->setEnabled(!shelf.hidecatstatusbutton);
    shelf.onApplyStyle(shelf.style, header);
    return header;
}

CategoryHeaderItem* ShelfCategories::add(const QString& name, int parentKey)
{
    // The walks, imports and drops make their categories here; a locked cabinet takes none.
    if (shelf.kiosk)
        return nullptr;
    // Among siblings a name is one category whatever its case; the last match wins.
    CategoryHeaderItem* found = nullptr;
    const QList<CategoryHeaderItem*> siblings = shelf.view->getCategoryHeaderList(parentKey, false);
    for (CategoryHeaderItem* sibling : siblings) {
        if (sibling && sibling->getText().compare(name, Qt::CaseInsensitive) == 0)
            found = sibling;
    }
    if (found)
        return found;

    CategoryHeaderItem* header = newHeader(name);
    const int key = shelf.view->getLastCategoryKey() + 1;
    // In a long batch the category is laid out with the batch's items.
    ShelfItems& items = ShelfParts::of(shelf).items;
    const bool now = !items.inLongBatch();
    if (!now) {
        CategoryHeaderItem* parent = shelf.view->getCategoryHeader(parentKey);
        if (parent && !parent->isExpanded())
            parent->setExpanded(true);
    }
    if (!shelf.view->setCategoryHeader(key, header, parentKey, -1, now)) {
        // The view refuses only impossible parents; the header then stays ours.
        ShelfLog::write(shelf, QStringLiteral("Category '%1' could not be placed under %2").arg(name).arg(parentKey));
        delete header;
        return nullptr;
    }
    if (!now)
        items.scheduleLayout();
    return header;
}

NavigatorItem* ShelfCategories::newNavigatorItem(const QString& name)
{
    const BackgroundPainter rest =
        navigatorPainter(QColor(210, 210, 210, 150), QColor(70, 70, 70, 150), QColor(50, 50, 50, 0));
    const BackgroundPainter hover =
        navigatorPainter(QColor(110, 110, 110, 150), QColor(110, 110, 110, 150), QColor(255, 255, 255, 0));

    auto* item = new NavigatorItem;
    item->setToolTip(QString());
    item->setText(name);
    item->setTextFont(FontProperty(VorendaGlobal::getLargeFont(false, shelf.textfont)));
    item->setTextPen(PenProperty(QPen(Qt::white)));
    item->setBackground(BackgroundProperty(rest, rest, hover, hover, BackgroundPainter()));
    item->setMargin(MarginProperty(8.0, 15.0, 8.0, 15.0));
    return item;
}

void ShelfCategories::deleteRequest(int categoryKey, bool subcategoriesOnly, bool recurse, bool* ok)
{
    if (!ok)
        return;
    *ok = false;
    shelf.view->hideFloatingLabel();

    // One question at a time: a second request while any question of this cabinet is
    // up would nest a wait inside the first and act on what it may have removed.
    if (shelf.dialogOpen) {
        ShelfLog::write(shelf, QStringLiteral("Category removal refused: a question is open"));
        return;
    }

    const bool wholeCategory = categoryKey != -1 && !subcategoriesOnly;
    QList<QPointer<CategoryHeaderItem>> going;
    QString message;
    if (wholeCategory) {
        if (CategoryHeaderItem* header = shelf.view->getCategoryHeader(categoryKey))
            going.append(header);
        message = recurse ? VorendaShelf::tr("Are you sure you want to remove the following category and all the subcategories "
                               "and items it might contain?")
                          : VorendaShelf::tr("Are you sure you want to remove the following category and all the items it "
                               "might contain?");
    } else {
        const QList<CategoryHeaderItem*> children = shelf.view->getCategoryHeaderList(categoryKey, false);
        for (CategoryHeaderItem* child : children) {
            if (child)
                going.append(child);
        }
        message = categoryKey == -1 ? VorendaShelf::tr("Are you sure you want to remove the following categories and all the "
                                         "subcategories and items they might contain?")
                                    : VorendaShelf::tr("Are you sure you want to remove the following subcategories and all the "
                                         "items they might contain?");
    }
    if (shelf.kiosk || going.isEmpty())
        return;

    QStringList names;
    for (const QPointer<CategoryHeaderItem>& header : qAsConst(going))
        names.append(header->getText());

    const QPointer<VorendaShelf> self(&shelf);
    shelf.dialogOpen = true;
    RemoveWarningDialog dialog(&shelf);
    const bool accepted = dialog.exec(message, names) != 0;
    if (!self)
        return;
    shelf.dialogOpen = false;
    // Another window may have locked the cabinet while the question waited.
    if (!accepted || shelf.kiosk)
        return;

    // The wait let everything else run: act only on categories that are still there.
    QList<int> keys;
    for (const QPointer<CategoryHeaderItem>& header : qAsConst(going)) {
        if (header && header->getView() == shelf.view)
            keys.append(header->getKey());
    }
    if (keys.isEmpty() || (wholeCategory && !shelf.view->getCategoryHeader(categoryKey))) {
        ShelfLog::write(shelf, QStringLiteral("Category removal dropped: the categories are gone"));
        return;
    }
    *ok = true;

    // Only the pictures of items that leave go: removing subcategories keeps the
    // category's own items, and a category removed alone hands its subcategories
    // (with their items) to its parent.
    OverrideCursor busy(Qt::BusyCursor);
    QList<AbstractThumbnailItem*> leaving;
    if (wholeCategory) {
        leaving = shelf.view->getItems(categoryKey, recurse);
    } else {
        const bool wholeSubtrees = categoryKey == -1 || recurse;
        for (int key : qAsConst(keys))
            leaving.append(shelf.view->getItems(key, wholeSubtrees));
    }
    shelf.removeCache(leaving);
}

// ---- The cabinet's entry points

CategoryHeaderItem* VorendaShelf::getCategoryHeaderItem(const QString& name)
{
    return ShelfCategories(*this).newHeader(name);
}

CategoryHeaderItem* VorendaShelf::addCategory(const QString& name, int parentKey)
{
    return ShelfCategories(*this).add(name, parentKey);
}

NavigatorItem* VorendaShelf::getNavigatorItem(const QString& name)
{
    return ShelfCategories(*this).newNavigatorItem(name);
}

void VorendaShelf::onDeleteCategoryRequest(int categoryKey, bool subcategoriesOnly, bool recurse, bool* ok)
{
    ShelfCategories(*this).deleteRequest(categoryKey, subcategoriesOnly, recurse, ok);
}
