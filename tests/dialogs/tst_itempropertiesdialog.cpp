#include "QuestionDriver.h"
#include "TestEnvironment.h"

#include "ItemPropertiesDialog.h"
#include "ItemPropertiesLink.h"
#include "MyThumbnailItem.h"
#include "TagItem.h"
#include "TextFunctions.h"
#include "ThumbnailItemModel.h"
#include "ThumbnailView.h"
#include "VorendaGlobal.h"

#include <QMessageBox>
#include <QSignalSpy>
#include <QStyleOptionGraphicsItem>

#include <memory>

// The item properties dialog and its tag chips: fields written back or dropped, the
// tag field, the vocabulary kept in step with the cabinets, and deleting a tag.
class TestItemPropertiesDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void noKnownTagsStartsEmpty();
    void tagFieldAddsAndMarks_data();
    void tagFieldAddsAndMarks();
    void clickTogglesMark();
    void returnKey_data();
    void returnKey();
    void okWritesTheFields();
    void emptyFieldsKeepTargetAndBlankName();
    void closingDropsTheEdits_data();
    void closingDropsTheEdits();
    void anotherItemWritesTheFirstBack();
    void lockedItemIsNeverWritten();
    void tagsAddedSinceGetChips();
    void unchangedItemKeepsEveryTag();
    void okMergesTheVocabulary();
    void deletingATag_data();
    void deletingATag();
    void picture_data();
    void picture();
    void renameInPlaceRefreshes();
    void goneItemIsNoItem();
    void chipGeometryAndLook();

private:
    MyThumbnailItem* addItem(ThumbnailView& view, const QString& name, const QStringList& tags = {});
    static ItemPropertiesDialog* dialog() { return ItemPropertiesDialog::instance(); }
    static QStringList chips();
    static QStringList marked();
    static TagItem* chip(const QString& text);

    std::unique_ptr<ThumbnailView> view;
};

void TestItemPropertiesDialog::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
}

void TestItemPropertiesDialog::init()
{
    VorendaGlobal::tags.clear();
    view = std::make_unique<ThumbnailView>();
    view->resize(400, 300);
}

void TestItemPropertiesDialog::cleanup()
{
    // Each test builds the dialog from the vocabulary it sets up.
    delete ItemPropertiesDialog::instance();
    view.reset();
}

MyThumbnailItem* TestItemPropertiesDialog::addItem(ThumbnailView& target, const QString& name, const QStringList& tags)
{
    auto* item = new MyThumbnailItem;
    item->properties.name = name;
    item->properties.target = QStringLiteral("/home/user/") + name;
    item->properties.tags = tags;
    item->setText(name);
    target.addItem(item);
    return item;
}

QStringList TestItemPropertiesDialog::chips()
{
    QStringList texts;
    for (AbstractThumbnailItem* item : dialog()->tagsView->getAllItems())
        texts << qobject_cast<TagItem*>(item)->getText();
    return texts;
}

QStringList TestItemPropertiesDialog::marked()
{
    QStringList texts;
    for (AbstractThumbnailItem* item : dialog()->tagsView->getAllItems()) {
        if (auto* tag = qobject_cast<TagItem*>(item); tag->isTagSelected())
            texts << tag->getText();
    }
    return texts;
}

TagItem* TestItemPropertiesDialog::chip(const QString& text)
{
    for (AbstractThumbnailItem* item : dialog()->tagsView->getAllItems()) {
        if (auto* tag = qobject_cast<TagItem*>(item); tag->getText() == text)
            return tag;
    }
    return nullptr;
}

void TestItemPropertiesDialog::noKnownTagsStartsEmpty()
{
    dialog()->show(addItem(*view, QStringLiteral("Notes")));
    QVERIFY(dialog()->tagsView->getAllItems().isEmpty());
    QVERIFY(isStayOnTopWindow(dialog()));
    QCOMPARE(dialog()->minimumSize(), QSize(450, 450));
    QVERIFY(!dialog()->widgetSizeLabel->isVisible());
}

void TestItemPropertiesDialog::tagFieldAddsAndMarks_data()
{
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expectedChips");
    QTest::addColumn<QStringList>("expectedMarked");
    QTest::newRow("new tags") << QStringList() << "  Work, work ,, HOME "
                              << QStringList{QStringLiteral("home"), QStringLiteral("work")}
                              << QStringList{QStringLiteral("home"), QStringLiteral("work")};
    QTest::newRow("known tags are marked, not doubled")
        << QStringList{QStringLiteral("work"), QStringLiteral("zoo"), QStringLiteral("home"), QStringLiteral("admin")}
        << "  Work, work ,, HOME "
        << QStringList{QStringLiteral("admin"), QStringLiteral("home"), QStringLiteral("work"), QStringLiteral("zoo")}
        << QStringList{QStringLiteral("home"), QStringLiteral("work")};
    QTest::newRow("inner blanks stay") << QStringList{QStringLiteral("b")} << "two  words,a"
                                       << QStringList{QStringLiteral("a"), QStringLiteral("b"),
                                                      QStringLiteral("two  words")}
                                       << QStringList{QStringLiteral("a"), QStringLiteral("two  words")};
    QTest::newRow("only commas") << QStringList{QStringLiteral("b")} << " , ,, " << QStringList{QStringLiteral("b")}
                                 << QStringList();
}

void TestItemPropertiesDialog::tagFieldAddsAndMarks()
{
    QFETCH(QStringList, known);
    QFETCH(QString, typed);
    QFETCH(QStringList, expectedChips);
    QFETCH(QStringList, expectedMarked);

    VorendaGlobal::tags = known;
    dialog()->show(addItem(*view, QStringLiteral("Notes")));
    dialog()->tagLineEdit->setText(typed);
    dialog()->addTagButton->click();

    QCOMPARE(chips(), expectedChips);
    QCOMPARE(marked(), expectedMarked);
    QVERIFY(dialog()->tagLineEdit->text().isEmpty());
}

void TestItemPropertiesDialog::clickTogglesMark()
{
    VorendaGlobal::tags = QStringList{QStringLiteral("home"), QStringLiteral("work")};
    dialog()->show(addItem(*view, QStringLiteral("Notes"), {QStringLiteral("work")}));
    QCOMPARE(marked(), QStringList{QStringLiteral("work")});
    emit dialog()->tagsView->itemClicked(chip(QStringLiteral("home")), Qt::ShiftModifier);
    emit dialog()->tagsView->itemClicked(chip(QStringLiteral("work")), Qt::NoModifier);
    QCOMPARE(marked(), QStringList{QStringLiteral("home")});
}

void TestItemPropertiesDialog::returnKey_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("confirms");
    QTest::newRow("tag field") << "tagLineEdit" << false;
    QTest::newRow("name field") << "nameLineEdit" << true;
    QTest::newRow("target field") << "targetLineEdit" << true;
}

void TestItemPropertiesDialog::returnKey()
{
    QFETCH(QString, focus);
    QFETCH(bool, confirms);

    MyThumbnailItem* item = addItem(*view, QStringLiteral("Notes"));
    dialog()->show(item);
    QVERIFY(QTest::qWaitForWindowActive(dialog()));
    dialog()->nameLineEdit->setText(QStringLiteral("Renamed"));
    dialog()->tagLineEdit->setText(QStringLiteral("urgent"));
    auto* field = dialog()->findChild<QLineEdit*>(focus);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    typeKey(dialog(), Qt::Key_Return);

    QCOMPARE(dialog()->isVisible(), !confirms);
    QCOMPARE(item->properties.name, confirms ? QStringLiteral("Renamed") : QStringLiteral("Notes"));
    if (!confirms) {
        // Return in the tag field added the tag; Return elsewhere then confirms.
        QCOMPARE(marked(), QStringList{QStringLiteral("urgent")});
        dialog()->nameLineEdit->setFocus();
        QTRY_VERIFY(dialog()->nameLineEdit->hasFocus());
        typeKey(dialog(), Qt::Key_Enter);
        QVERIFY(!dialog()->isVisible());
        QCOMPARE(item->properties.name, QStringLiteral("Renamed"));
        QCOMPARE(item->properties.tags, QStringList{QStringLiteral("urgent")});
    }
}

void TestItemPropertiesDialog::okWritesTheFields()
{
    VorendaGlobal::tags = QStringList{QStringLiteral("work"), QStringLiteral("home")};
    MyThumbnailItem* item = addItem(*view, QStringLiteral("Notes"), {QStringLiteral("work")});
    item->properties.notes = QStringLiteral("  old notes \n");
    item->showItemLabel(false, false);
    QSignalSpy reset(view->model(), &QAbstractItemModel::modelReset);

    dialog()->show(item);
    QCOMPARE(dialog()->getItemView(), view.get());
    QCOMPARE(dialog()->targetLineEdit->text(), QStringLiteral("/home/user/Notes"));
    QCOMPARE(dialog()->descriptionTextEdit->toPlainText(), QStringLiteral("old notes"));
    QCOMPARE(dialog()->nameLineEdit->text(), QStringLiteral("Notes"));
    QVERIFY(!dialog()->showLabelCheckBox->isChecked());

    dialog()->targetLineEdit->setText(QStringLiteral("  /srv/notes.txt "));
    dialog()->nameLineEdit->setText(QStringLiteral("  Meeting notes  "));
    dialog()->descriptionTextEdit->setPlainText(QStringLiteral("\n  for Monday  \n"));
    dialog()->showLabelCheckBox->setChecked(true);
    dialog()->tagLineEdit->setText(QStringLiteral("Urgent"));
    dialog()->onAddTag();
    emit dialog()->tagsView->itemClicked(chip(QStringLiteral("work")), Qt::NoModifier);
    dialog()->okButton->click();

    QVERIFY(!dialog()->isVisible());
    QVERIFY(!dialog()->item);
    QCOMPARE(item->properties.target, QStringLiteral("/srv/notes.txt"));
    QCOMPARE(item->properties.name, QStringLiteral("Meeting notes"));
    QCOMPARE(item->getText(), QStringLiteral("Meeting notes"));
    QCOMPARE(item->properties.notes, QStringLiteral("for Monday"));
    QVERIFY(item->isLabelShown());
    QCOMPARE(item->properties.tags, QStringList{QStringLiteral("urgent")});
    QCOMPARE(VorendaGlobal::tags,
             (QStringList{QStringLiteral("home"), QStringLiteral("urgent"), QStringLiteral("work")}));
    QVERIFY(reset.count() > 0);
}

void TestItemPropertiesDialog::emptyFieldsKeepTargetAndBlankName()
{
    MyThumbnailItem* item = addItem(*view, QStringLiteral("Notes"));
    dialog()->show(item);
    dialog()->targetLineEdit->setText(QStringLiteral("   "));
    dialog()->nameLineEdit->clear();
    dialog()->accept();
    QCOMPARE(item->properties.target, QStringLiteral("/home/user/Notes"));
    QCOMPARE(item->properties.name, QStringLiteral(" "));
}

void TestItemPropertiesDialog::closingDropsTheEdits_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("title-bar close") << "titlebar";
}

void TestItemPropertiesDialog::closingDropsTheEdits()
{
    QFETCH(QString, how);
    VorendaGlobal::tags = QStringList{QStringLiteral("work")};
    MyThumbnailItem* item = addItem(*view, QStringLiteral("Notes"), {QStringLiteral("work")});
    dialog()->show(item);
    QVERIFY(QTest::qWaitForWindowExposed(dialog()));
    dialog()->nameLineEdit->setText(QStringLiteral("Changed"));
    emit dialog()->tagsView->itemClicked(chip(QStringLiteral("work")), Qt::NoModifier);
    if (how == QLatin1String("cancel"))
        dialog()->cancelButton->click();
    else if (how == QLatin1String("escape"))
        typeKey(dialog(), Qt::Key_Escape);
    else
        closeFromTitleBar(dialog());

    QTRY_VERIFY(!dialog()->isVisible());
    QVERIFY(!dialog()->item);
    QCOMPARE(item->properties.name, QStringLiteral("Notes"));
    QCOMPARE(item->properties.tags, QStringList{QStringLiteral("work")});
    // The next show fills every field again.
    dialog()->show(item);
    QCOMPARE(dialog()->nameLineEdit->text(), QStringLiteral("Notes"));
    QCOMPARE(marked(), QStringList{QStringLiteral("work")});
}

void TestItemPropertiesDialog::anotherItemWritesTheFirstBack()
{
    MyThumbnailItem* first = addItem(*view, QStringLiteral("First"));
    MyThumbnailItem* second = addItem(*view, QStringLiteral("Second"));
    dialog()->show(first);
    dialog()->nameLineEdit->setText(QStringLiteral("First, edited"));
    dialog()->tagLineEdit->setText(QStringLiteral("alpha"));
    dialog()->onAddTag();

    // The same item again only raises the window: the edits stay in the fields.
    dialog()->show(first);
    QCOMPARE(dialog()->nameLineEdit->text(), QStringLiteral("First, edited"));
    QCOMPARE(first->properties.name, QStringLiteral("First"));

    dialog()->show(second);
    QCOMPARE(first->properties.name, QStringLiteral("First, edited"));
    QCOMPARE(first->properties.tags, QStringList{QStringLiteral("alpha")});
    QCOMPARE(dialog()->item.data(), second);
    QCOMPARE(dialog()->nameLineEdit->text(), QStringLiteral("Second"));
    QVERIFY(marked().isEmpty());
}

// An item whose cabinet is locked (its view read-only) takes nothing from the dialog:
// not from OK on a dialog opened before the lock, nor through another item's show.
void TestItemPropertiesDialog::lockedItemIsNeverWritten()
{
    VorendaGlobal::tags = QStringList{QStringLiteral("work")};
    MyThumbnailItem* item = addItem(*view, QStringLiteral("Notes"), {QStringLiteral("work")});
    ThumbnailView otherCabinet;
    MyThumbnailItem* other = addItem(otherCabinet, QStringLiteral("Plan"));

    dialog()->show(item);
    dialog()->targetLineEdit->setText(QStringLiteral("/usr/bin/xterm"));
    dialog()->nameLineEdit->setText(QStringLiteral("Changed"));
    dialog()->tagLineEdit->setText(QStringLiteral("new"));
    dialog()->onAddTag();
    view->setReadOnly(true);
    // Showing another item writes the first one back: not while it is locked.
    dialog()->show(other);
    QCOMPARE(dialog()->item.data(), other);
    QCOMPARE(item->properties.target, QStringLiteral("/home/user/Notes"));
    QCOMPARE(item->properties.name, QStringLiteral("Notes"));
    QCOMPARE(item->getText(), QStringLiteral("Notes"));
    QCOMPARE(item->properties.tags, QStringList{QStringLiteral("work")});

    dialog()->reject();
    view->setReadOnly(false);
    dialog()->show(item);
    dialog()->nameLineEdit->setText(QStringLiteral("Changed"));
    dialog()->tagLineEdit->setText(QStringLiteral("newer"));
    dialog()->onAddTag();
    const QStringList vocabulary = VorendaGlobal::tags;
    view->setReadOnly(true);
    dialog()->okButton->click();
    QVERIFY(!dialog()->isVisible());
    QCOMPARE(item->properties.name, QStringLiteral("Notes"));
    QCOMPARE(item->properties.tags, QStringList{QStringLiteral("work")});
    QCOMPARE(VorendaGlobal::tags, vocabulary);

    // A locked item opens no dialog; the lock of a cabinet closes only a dialog on its items.
    dialog()->show(item);
    QVERIFY(!dialog()->isVisible());
    QVERIFY(!dialog()->item);
    dialog()->show(other);
    ItemPropertiesDialog::closeFor(view.get());
    QVERIFY(dialog()->isVisible());
    ItemPropertiesDialog::closeFor(&otherCabinet);
    QVERIFY(!dialog()->isVisible());
    QVERIFY(!dialog()->item);
}

void TestItemPropertiesDialog::tagsAddedSinceGetChips()
{
    VorendaGlobal::tags = QStringList{QStringLiteral("work")};
    dialog();
    // A cabinet loaded later brings its items' tags into the vocabulary.
    VorendaGlobal::tags << QStringLiteral("garden") << QStringLiteral("bills");
    dialog()->show(addItem(*view, QStringLiteral("Notes"), {QStringLiteral("garden")}));
    QCOMPARE(chips(), (QStringList{QStringLiteral("bills"), QStringLiteral("garden"), QStringLiteral("work")}));
    QCOMPARE(marked(), QStringList{QStringLiteral("garden")});
}

void TestItemPropertiesDialog::unchangedItemKeepsEveryTag()
{
    // "orphan" is missing from the vocabulary, "Work" differs in case only.
    VorendaGlobal::tags = QStringList{QStringLiteral("work")};
    MyThumbnailItem* item = addItem(*view, QStringLiteral("Notes"), {QStringLiteral("orphan"), QStringLiteral("Work")});
    dialog()->show(item);
    QCOMPARE(marked(), (QStringList{QStringLiteral("orphan"), QStringLiteral("work")}));
    dialog()->accept();
    QCOMPARE(item->properties.tags, (QStringList{QStringLiteral("orphan"), QStringLiteral("work")}));
    QCOMPARE(VorendaGlobal::tags, (QStringList{QStringLiteral("orphan"), QStringLiteral("work")}));
}

void TestItemPropertiesDialog::okMergesTheVocabulary()
{
    VorendaGlobal::tags = QStringList{QStringLiteral("work")};
    dialog()->show(addItem(*view, QStringLiteral("Notes")));
    // Tags a cabinet brings while the dialog is open have no chip yet; OK keeps them.
    VorendaGlobal::tags << QStringLiteral("late") << QStringLiteral("WORK");
    dialog()->accept();
    QCOMPARE(VorendaGlobal::tags, (QStringList{QStringLiteral("work"), QStringLiteral("late")}));
}

void TestItemPropertiesDialog::deletingATag_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("otherLocked");
    QTest::newRow("No") << false << false;
    QTest::newRow("Yes") << true << false;
    QTest::newRow("Yes, the other cabinet locked") << true << true;
}

void TestItemPropertiesDialog::deletingATag()
{
    QFETCH(bool, yes);
    QFETCH(bool, otherLocked);
    VorendaGlobal::tags = QStringList{QStringLiteral("home"), QStringLiteral("work")};
    ThumbnailView otherCabinet;
    MyThumbnailItem* edited = addItem(*view, QStringLiteral("Notes"), {QStringLiteral("work"), QStringLiteral("home")});
    // An item may still carry the tag in capitals.
    MyThumbnailItem* elsewhere = addItem(otherCabinet, QStringLiteral("Plan"), {QStringLiteral("Work")});
    otherCabinet.setReadOnly(otherLocked);
    dialog()->show(edited);
    QVERIFY(QTest::qWaitForWindowExposed(dialog()));

    QString asked;
    QuestionDriver driver(QuestionDriver::visible<QMessageBox>(), [&](QWidget* window) {
        auto* box = static_cast<QMessageBox*>(window);
        asked = box->text();
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    chip(QStringLiteral("work"))->setSelected(true);
    dialog()->tagsView->setFocus();
    QTest::keyClick(dialog()->tagsView, Qt::Key_Delete);
    QVERIFY(driver.ran());
    QCOMPARE(asked, QStringLiteral("Are you sure you want to delete the tag 'work'? This action cannot be undone."));

    const QStringList left =
        yes ? QStringList{QStringLiteral("home")} : QStringList{QStringLiteral("home"), QStringLiteral("work")};
    QCOMPARE(chips(), left);
    QCOMPARE(VorendaGlobal::tags, left);
    QCOMPARE(edited->properties.tags,
             yes ? QStringList{QStringLiteral("home")} : (QStringList{QStringLiteral("work"), QStringLiteral("home")}));
    // A locked cabinet's items keep the tag.
    QCOMPARE(elsewhere->properties.tags, yes && !otherLocked ? QStringList() : QStringList{QStringLiteral("Work")});
    // Gone even though the edits are then cancelled.
    dialog()->reject();
    QCOMPARE(edited->properties.tags,
             yes ? QStringList{QStringLiteral("home")} : (QStringList{QStringLiteral("work"), QStringLiteral("home")}));
}

void TestItemPropertiesDialog::picture_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("wide") << QSize(200, 100) << QSize(83, 41);
    QTest::newRow("tall") << QSize(50, 300) << QSize(13, 83);
    QTest::newRow("small") << QSize(40, 40) << QSize(40, 40);
    QTest::newRow("none") << QSize() << QSize(0, 0);
}

void TestItemPropertiesDialog::picture()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, shown);
    MyThumbnailItem* item = addItem(*view, QStringLiteral("Photo"));
    QPixmap pixmap(picture);
    if (!pixmap.isNull())
        pixmap.fill(Qt::red);
    item->setImage(pixmap);
    dialog()->show(item);
    QCOMPARE(dialog()->thumbnail->size(), QSize(83, 83));
    QCOMPARE(dialog()->thumbnail->pixmap(Qt::ReturnByValue).size(), shown);
}

void TestItemPropertiesDialog::renameInPlaceRefreshes()
{
    MyThumbnailItem* item = addItem(*view, QStringLiteral("Old"));
    MyThumbnailItem* other = addItem(*view, QStringLiteral("Other"));
    dialog()->show(item);
    QVERIFY(QTest::qWaitForWindowExposed(dialog()));
    item->properties.name = QStringLiteral("New");
    other->properties.name = QStringLiteral("Other, renamed");
    const auto itemRenamed = [](MyThumbnailItem* renamed) {
        if (ItemPropertiesLink* link = ItemPropertiesLink::installed())
            link->itemRenamed(renamed);
    };
    itemRenamed(other);
    QCOMPARE(dialog()->nameLineEdit->text(), QStringLiteral("Old"));
    itemRenamed(item);
    QCOMPARE(dialog()->nameLineEdit->text(), QStringLiteral("New"));

    // A closed dialog is left alone, and a deleted one leaves the hook empty.
    dialog()->close();
    item->properties.name = QStringLiteral("Newer");
    itemRenamed(item);
    QCOMPARE(dialog()->nameLineEdit->text(), QStringLiteral("New"));
    delete ItemPropertiesDialog::instance();
    itemRenamed(item);
}

void TestItemPropertiesDialog::goneItemIsNoItem()
{
    MyThumbnailItem* item = addItem(*view, QStringLiteral("Notes"));
    dialog()->show(item);
    view->removeItem(item);
    QVERIFY(!dialog()->item);
    QVERIFY(!dialog()->getItemView());
    dialog()->nameLineEdit->setText(QStringLiteral("Nobody"));
    dialog()->accept();
    QVERIFY(!dialog()->isVisible());
}

void TestItemPropertiesDialog::chipGeometryAndLook()
{
    VorendaGlobal::tags = QStringList{QStringLiteral("a rather long tag that cannot fit into the narrow view"),
                                      QStringLiteral("short"),
                                      QStringLiteral("family"),
                                      QStringLiteral("holiday"),
                                      QStringLiteral("recipes"),
                                      QStringLiteral("finance"),
                                      QStringLiteral("work")};
    dialog()->show(nullptr);
    TagItem* shortChip = chip(QStringLiteral("short"));
    TagItem* longChip = chip(QStringLiteral("a rather long tag that cannot fit into the narrow view"));
    QVERIFY(shortChip && longChip);

    // Without a view: the text in the normal font plus the margins.
    TagItem loose;
    loose.setText(QStringLiteral("short"));
    loose.setTextFont(FontProperty(VorendaGlobal::getNormalFont(false, QString())));
    loose.setMargin(MarginProperty(2, 10, 2, 10));
    const QRect text = QFontMetrics(VorendaGlobal::getNormalFont(false, QString())).boundingRect(QStringLiteral("short"));
    QCOMPARE(loose.boundingRect(), QRectF(0, 0, text.width() + 20, text.height() + 4));
    loose.setText(QString());
    QVERIFY(loose.boundingRect().isNull());
    QVERIFY(loose.getDragImage(true).isNull());

    // A chip that has room shows its whole text.
    const QFont font = VorendaGlobal::getNormalFont(false, QString());
    for (const QString& tag :
         QStringList{QStringLiteral("short"), QStringLiteral("family"), QStringLiteral("holiday"),
                     QStringLiteral("recipes"), QStringLiteral("finance"), QStringLiteral("work")}) {
        const int room = int(chip(tag)->boundingRect().width()) - 20;
        QCOMPARE(getElidedText(tag, font, Qt::ElideMiddle, room), tag);
    }

    // In the view: no wider than the view has room for.
    AbstractThumbnailView* tags = dialog()->tagsView;
    tags->resize(160, 100);
    QCoreApplication::processEvents();
    const double room = tags->viewport()->width() - tags->getVerticalSpacing() - 4;
    QCOMPARE(longChip->boundingRect().width(), room);
    QVERIFY(shortChip->boundingRect().width() < room);
    QCOMPARE(longChip->boundingRect().height(), shortChip->boundingRect().height());
    QCOMPARE(shortChip->getGroundPos(), shortChip->viewBoundingRect().center());

    // Unmarked: light fill, black text; marked: blue fill, white text.
    const auto render = [](TagItem* item) {
        QImage image(item->boundingRect().size().toSize(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        QStyleOptionGraphicsItem option;
        item->paint(&painter, &option, nullptr);
        return image;
    };
    QImage plain = render(shortChip);
    QCOMPARE(plain.pixelColor(plain.width() / 2, 2), QColor(222, 231, 248));
    shortChip->setTagSelected(true);
    QImage chosen = render(shortChip);
    QCOMPARE(chosen.pixelColor(chosen.width() / 2, 1), QColor(89, 139, 236));
    bool whiteText = false;
    for (int x = 10; x < chosen.width() - 10 && !whiteText; ++x)
        whiteText = chosen.pixelColor(x, chosen.height() / 2).lightness() > 200;
    QVERIFY(whiteText);
}

VORENDA_TEST_MAIN(TestItemPropertiesDialog)
#include "tst_itempropertiesdialog.moc"
