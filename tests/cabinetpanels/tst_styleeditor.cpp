#include "TestEnvironment.h"

#include "PersonalizationFixtures.h"
#include "QuestionDriver.h"
#include "ShelfDataFile.h"
#include "StyleItem.h"
#include "StyleSwatchFactory.h"
#include "UserStyleFile.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

// The Style page of the personalization panel: the preview it sends for each edit, the
// swatches it offers and lets go, and the style files it keeps.
class TestStyleEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void slidersSendOnlyChanges();
    void elementsShowTheirSwatches();
    void applyToRelated_data();
    void applyToRelated();
    void choosingAStyle();
    void deletingSwatches_data();
    void deletingSwatches();
    void addingColorsAndPatterns();
    void changedStylesAreKept();
    void styleNamesMakeSafeFileNames_data();
    void styleNamesMakeSafeFileNames();
    void copiesGetFreeNames_data();
    void copiesGetFreeNames();
    void failedStyleWriteIsReported();
    void aCopyNeverOverwritesAnotherFile();

private:
    struct Change
    {
        ShelfStyle style;
        int element;
    };
    // Records every styleChanged() of the panel.
    void record();
    static PersonalizationWidget* panel() { return PersonalizationWidget::instance(); }
    static StyleItem* swatchNamed(ThumbnailView* view, const QString& text);
    static StyleItem* selectedSwatch(ThumbnailView* view);
    static void chooseElement(StyleElement element);
    static ShelfStyle loaded(const QString& path);

    PanelCabinets cabinets;
    QList<Change> changes;
    QMetaObject::Connection recorder;
};

void TestStyleEditor::initTestCase()
{
    warmUpJpegDecoder();
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    PersonalizationWidget::installCabinetLink();
}

void TestStyleEditor::cleanupTestCase()
{
    delete PersonalizationWidget::instance();
}

void TestStyleEditor::cleanup()
{
    disconnect(recorder);
    changes.clear();
    resetPanel();
    cabinets.clear();
    // Each test starts from the built-in styles and a panel built from them.
    delete PersonalizationWidget::instance();
    const QString styles = VorendaGlobal::getStylesLocation();
    QFile::remove(styles);
    QDir(styles).removeRecursively();
    QSettings().remove(QStringLiteral("Personalization"));
    VorendaGlobal::load();
}

void TestStyleEditor::record()
{
    recorder = connect(panel(), &PersonalizationWidget::styleChanged, this,
                       [this](const ShelfStyle& style, StyleElement element) { changes.append({style, element}); });
}

StyleItem* TestStyleEditor::swatchNamed(ThumbnailView* view, const QString& text)
{
    const QList<AbstractThumbnailItem*> items = view->getAllItems();
    for (AbstractThumbnailItem* item : items) {
        auto* swatch = qobject_cast<StyleItem*>(item);
        if (swatch && swatch->getText() == text)
            return swatch;
    }
    return nullptr;
}

StyleItem* TestStyleEditor::selectedSwatch(ThumbnailView* view)
{
    return qobject_cast<StyleItem*>(view->getSelectedItem());
}

void TestStyleEditor::chooseElement(StyleElement element)
{
    panel()->elementComboBox->setCurrentIndex(panel()->elementComboBox->findData(int(element)));
}

ShelfStyle TestStyleEditor::loaded(const QString& path)
{
    ShelfStyle style;
    style.load(path);
    return style;
}

void TestStyleEditor::slidersSendOnlyChanges()
{
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Sliders"));
    const ShelfStyle before = shelf->style;
    panel()->show(shelf, 2, CabinetColor);
    record();

    panel()->reflectionLevelSlider->setValue(before.reflectionLevel);
    panel()->perspectiveAngleSlider->setValue(before.perspectiveAngle);
    QVERIFY(changes.isEmpty());

    panel()->reflectionLevelSlider->setValue(before.reflectionLevel + 1);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.last().element, int(ReflectionLevel));
    QCOMPARE(changes.last().style.reflectionLevel, before.reflectionLevel + 1);
    // The preview reached the cabinet.
    QCOMPARE(shelf->style.reflectionLevel, before.reflectionLevel + 1);

    panel()->perspectiveAngleSlider->setValue(before.perspectiveAngle - 1);
    panel()->darknessLevelSlider->setValue(before.backDarknessLevel - 1);
    QCOMPARE(changes.size(), 3);
    QCOMPARE(changes.at(1).element, int(PerspectiveAngle));
    QCOMPARE(changes.at(2).element, int(BackDarkness));
    QCOMPARE(shelf->style.backDarknessLevel, before.backDarknessLevel - 1);
}

void TestStyleEditor::elementsShowTheirSwatches()
{
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Elements"));
    panel()->show(shelf, 2, CabinetColor);
    QVERIFY(panel()->viewColors->isVisible());
    QVERIFY(!panel()->viewPatterns->isVisible());
    QCOMPARE(panel()->addButton->text(), QStringLiteral("Add &New Color..."));
    QCOMPARE(StyleSwatchFactory::colorOf(selectedSwatch(panel()->viewColors)), shelf->style.cabinetColor);
    QCOMPARE(panel()->focusWidget(), panel()->viewColors);

    chooseElement(ShelfPattern);
    QVERIFY(panel()->viewPatterns->isVisible());
    QVERIFY(!panel()->viewColors->isVisible());
    QCOMPARE(panel()->addButton->text(), QStringLiteral("Add &New Pattern..."));
    QCOMPARE(StyleSwatchFactory::patternOf(selectedSwatch(panel()->viewPatterns)), shelf->style.shelfPattern);

    // A click on a swatch restyles that element.
    record();
    swatchNamed(panel()->viewPatterns, QStringLiteral("None"))->setSelected(true);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.last().element, int(ShelfPattern));
    QCOMPARE(shelf->style.shelfPattern, QString());
}

void TestStyleEditor::applyToRelated_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<bool>("sends");
    QTest::addColumn<QStringList>("changed");
    const QStringList texts{QStringLiteral("cabinetText"), QStringLiteral("categoryText"),
                            QStringLiteral("dropIndicator"), QStringLiteral("itemSelection")};
    const QStringList grounds{QStringLiteral("shelf"), QStringLiteral("cabinet"), QStringLiteral("category")};
    QTest::newRow("cabinet text colour") << int(CabinetTextColor) << "Red" << true << texts;
    QTest::newRow("item selection colour") << int(ItemSelectionColor) << "Red" << true << texts;
    QTest::newRow("category background colour") << int(CategoryColor) << "Red" << true << grounds;
    QTest::newRow("name text colour") << int(ToolTipTextColor) << "Red" << false << QStringList();
    QTest::newRow("name text colour, no swatch") << int(ToolTipTextColor) << "" << true << QStringList();
    QTest::newRow("cabinet pattern") << int(CabinetPattern) << "wood1" << true
                                     << QStringList{QStringLiteral("patterns")};
    QTest::newRow("shelf pattern") << int(ShelfPattern) << "wood1" << true << QStringList{QStringLiteral("patterns")};
}

void TestStyleEditor::applyToRelated()
{
    QFETCH(int, element);
    QFETCH(QString, swatch);
    QFETCH(bool, sends);
    QFETCH(QStringList, changed);
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Related"), QStringLiteral("Marble"));
    panel()->show(shelf, 2, StyleElement(element));
    ThumbnailView* view = element > 8 ? panel()->viewColors : panel()->viewPatterns;
    view->clearSelection();
    if (!swatch.isEmpty())
        swatchNamed(view, swatch)->setSelected(true);
    const ShelfStyle picked = shelf->style;
    record();

    panel()->applyRelatedButton->click();
    QCOMPARE(changes.size(), sends ? 1 : 0);
    if (sends)
        QCOMPARE(changes.last().element, int(AllElements));
    const ShelfStyle& style = shelf->style;
    const QColor red(Qt::red);
    QCOMPARE(style.cabinetTextColor == red, changed.contains(QStringLiteral("cabinetText")));
    QCOMPARE(style.categoryTextColor == red, changed.contains(QStringLiteral("categoryText")));
    QCOMPARE(style.dropIndicatorColor == red, changed.contains(QStringLiteral("dropIndicator")));
    QCOMPARE(style.itemSelectionColor == red, changed.contains(QStringLiteral("itemSelection")));
    QCOMPARE(style.shelfColor == red, changed.contains(QStringLiteral("shelf")));
    QCOMPARE(style.cabinetColor == red, changed.contains(QStringLiteral("cabinet")));
    QCOMPARE(style.categoryColor == red, changed.contains(QStringLiteral("category")));
    const QString wood = QStringLiteral(":/Resources/Patterns/wood1.png");
    const bool patterns = changed.contains(QStringLiteral("patterns"));
    QCOMPARE(style.shelfPattern == wood && style.cabinetPattern == wood && style.categoryPattern == wood, patterns);
    if (!sends)
        QVERIFY(style == picked);
}

void TestStyleEditor::choosingAStyle()
{
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Styles"));
    panel()->show(shelf, 2, CabinetColor);
    record();
    QComboBox* styles = panel()->styleComboBox;
    const int current = styles->currentIndex();
    QCOMPARE(styles->itemText(current), QStringLiteral("Wood #2"));

    // The style the cabinet wears already: nothing happens.
    panel()->onCurrentStyleChanged(current);
    QVERIFY(changes.isEmpty());

    styles->setCurrentIndex(styles->findText(QStringLiteral("Marble")));
    QVERIFY(!changes.isEmpty());
    QCOMPARE(changes.first().element, int(AllElements));
    const ShelfStyle marble = builtInStyle(QStringLiteral("Marble"));
    QVERIFY(shelf->style == marble);
    QCOMPARE(panel()->reflectionLevelSlider->value(), marble.reflectionLevel);
    QCOMPARE(panel()->darknessLevelSlider->value(), marble.backDarknessLevel);
    QCOMPARE(StyleSwatchFactory::colorOf(selectedSwatch(panel()->viewColors)), marble.cabinetColor);
}

void TestStyleEditor::deletingSwatches_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<bool>("removed");
    QTest::newRow("built-in colour") << int(CabinetColor) << "System" << false;
    QTest::newRow("user colour a style uses") << int(CabinetColor) << "#523516" << false;
    QTest::newRow("unused user colour") << int(CabinetColor) << "#123456" << true;
    QTest::newRow("built-in pattern") << int(ShelfPattern) << "wood1" << false;
    QTest::newRow("unused user pattern") << int(ShelfPattern) << "mine" << true;
}

void TestStyleEditor::deletingSwatches()
{
    QFETCH(int, element);
    QFETCH(QString, swatch);
    QFETCH(bool, removed);
    const QString mine = TestEnvironment::instance()->root() + QStringLiteral("/mine.png");
    VorendaGlobal::userColors.append(0xff123456u);
    VorendaGlobal::userPatterns.append(mine);
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Deleting"));
    panel()->show(shelf, 2, StyleElement(element));
    ThumbnailView* view = element > 8 ? panel()->viewColors : panel()->viewPatterns;
    StyleItem* item = swatchNamed(view, swatch);
    QVERIFY(item);
    view->clearSelection();
    item->setSelected(true);

    QString message;
    QuestionDriver warning(QuestionDriver::visible<QMessageBox>(), [&](QWidget* window) {
        auto* box = static_cast<QMessageBox*>(window);
        message = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(swatchNamed(view, swatch) == nullptr, removed);
    QCOMPARE(warning.ran(), !removed);
    if (!removed)
        QVERIFY(message.startsWith(element > 8 ? QStringLiteral("This color cannot be removed")
                                               : QStringLiteral("This pattern cannot be removed")));
    QCOMPARE(VorendaGlobal::userColors.contains(0xff123456u), !(removed && element > 8));
    QCOMPARE(VorendaGlobal::userPatterns.contains(mine), !(removed && element <= 8));
}

void TestStyleEditor::addingColorsAndPatterns()
{
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Adding"));
    panel()->show(shelf, 2, CabinetTextColor);
    const int colors = panel()->viewColors->getAllItems().size();
    for (int i = 0; i < 2; ++i) {
        QuestionDriver chooser(QuestionDriver::visible<QColorDialog>(), [](QWidget* window) {
            auto* dialog = static_cast<QColorDialog*>(window);
            dialog->setCurrentColor(QColor(1, 2, 3));
            dialog->accept();
        });
        panel()->addButton->click();
        QVERIFY(chooser.ran());
    }
    // The same colour twice is two swatches; the new one is chosen.
    QCOMPARE(panel()->viewColors->getAllItems().size(), colors + 2);
    QCOMPARE(VorendaGlobal::userColors.count(QColor(1, 2, 3).rgba()), 2);
    QCOMPARE(selectedSwatch(panel()->viewColors)->getText(), QStringLiteral("#010203"));
    QCOMPARE(shelf->style.cabinetTextColor, QColor(1, 2, 3));

    // A pattern that is listed already is only chosen.
    chooseElement(CategoryPattern);
    const int patterns = panel()->viewPatterns->getAllItems().size();
    const QString listed = VorendaGlobal::userPatterns.value(0, VorendaGlobal::patterns.last());
    QuestionDriver picker(QuestionDriver::visible<QFileDialog>(), [&](QWidget* window) {
        auto* dialog = static_cast<QFileDialog*>(window);
        dialog->selectFile(listed);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    panel()->addButton->click();
    QVERIFY(picker.ran());
    QCOMPARE(panel()->viewPatterns->getAllItems().size(), patterns);
    QCOMPARE(shelf->style.categoryPattern, listed);
}

void TestStyleEditor::changedStylesAreKept()
{
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Keeping"));
    const int builtIn = VorendaGlobal::shelfStyles.size();
    const QString copyPath = VorendaGlobal::getStylesLocation() + QStringLiteral("/Wood #2 (Modified)/Wood #2 (Modified).xml");

    // A built-in style is never written over: the change becomes a copy of it.
    panel()->show(shelf, 2, AllElements);
    panel()->reflectionLevelSlider->setValue(200);
    panel()->accept(true);
    QCOMPARE(shelf->style.name, QStringLiteral("Wood #2 (Modified)"));
    QCOMPARE(shelf->style.fileName, copyPath);
    QCOMPARE(shelf->style.key, builtIn);
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(shelf->style.id).hasMatch());
    QVERIFY(shelf->committedStyle == shelf->style);
    QVERIFY(VorendaGlobal::shelfStyles.value(builtIn) == shelf->style);
    QVERIFY(panel()->styleComboBox->findText(QStringLiteral("Wood #2 (Modified)")) >= 0);
    ShelfStyle onDisk = loaded(copyPath);
    QCOMPARE(onDisk.name, QStringLiteral("Wood #2 (Modified)"));
    QCOMPARE(onDisk.id, shelf->style.id);
    QCOMPARE(onDisk.reflectionLevel, 200);
    // The cabinet's data file names the copy soon after, before any quit.
    QTRY_COMPARE_WITH_TIMEOUT(PanelCabinets::saved(shelf, QStringLiteral("Personalization"), QStringLiteral("style")),
                              shelf->style.id, ShelfDataFile::saveDelay + 3000);

    // The user's own copy, worn by no other cabinet, is saved over.
    panel()->show(shelf, 2, AllElements);
    panel()->darknessLevelSlider->setValue(20);
    panel()->accept(true);
    QCOMPARE(VorendaGlobal::shelfStyles.size(), builtIn + 1);
    QCOMPARE(shelf->style.fileName, copyPath);
    QCOMPARE(loaded(copyPath).backDarknessLevel, 20);

    // Worn by another cabinet too, it is copied again so the other keeps its look.
    VorendaShelf* other = cabinets.add(QStringLiteral("Other"));
    other->style = shelf->style;
    panel()->show(shelf, 2, AllElements);
    panel()->darknessLevelSlider->setValue(40);
    panel()->accept(true);
    QCOMPARE(shelf->style.name, QStringLiteral("Wood #2 (Modified1)"));
    QCOMPARE(loaded(copyPath).backDarknessLevel, 20);
    QCOMPARE(loaded(shelf->style.fileName).backDarknessLevel, 40);
    QCOMPARE(other->style.backDarknessLevel, 20);

    // Back at the next start, under the same id.
    const QString id = shelf->style.id;
    VorendaGlobal::load();
    bool found = false;
    for (const ShelfStyle& style : qAsConst(VorendaGlobal::shelfStyles))
        found = found || (style.id == id && style.backDarknessLevel == 40);
    QVERIFY(found);
}

void TestStyleEditor::styleNamesMakeSafeFileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("plain") << "Wood #2 (Modified)" << "Wood #2 (Modified)";
    QTest::newRow("slashes") << "Blue/Green\\Grey" << "BlueGreenGrey";
    QTest::newRow("climbing out") << "../../../.config/evil" << "configevil";
    QTest::newRow("hidden") << "...hidden" << "hidden";
    QTest::newRow("only dots and slashes") << "./../" << "Style";
    QTest::newRow("blank") << "   " << "Style";
}

void TestStyleEditor::styleNamesMakeSafeFileNames()
{
    QFETCH(QString, name);
    QFETCH(QString, fileName);
    QCOMPARE(UserStyleFile::safeFileName(name), fileName);

    // Saved, the style lands in a folder of its own right below the styles folder.
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Names"));
    shelf->style.name = name;
    shelf->style.key = -1;
    panel()->show(shelf, 2, AllElements);
    panel()->reflectionLevelSlider->setValue(90);
    panel()->accept(true);
    const QString styles = QDir(VorendaGlobal::getStylesLocation()).absolutePath();
    QCOMPARE(shelf->style.fileName,
             styles + QLatin1Char('/') + fileName + QLatin1Char('/') + fileName + QStringLiteral(".xml"));
    QVERIFY(QFile::exists(shelf->style.fileName));
    QCOMPARE(loaded(shelf->style.fileName).name, name);
}

void TestStyleEditor::copiesGetFreeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("free");
    QTest::newRow("free already") << "Mine" << QStringList() << "Mine";
    QTest::newRow("first copy") << "Wood" << QStringList{QStringLiteral("Wood")} << "Wood (Modified)";
    QTest::newRow("second copy") << "Wood" << QStringList{QStringLiteral("Wood"), QStringLiteral("Wood (Modified)")}
                                 << "Wood (Modified1)";
    QTest::newRow("third copy") << "Wood"
                                << QStringList{QStringLiteral("Wood"), QStringLiteral("Wood (Modified)"),
                                               QStringLiteral("Wood (Modified1)")}
                                << "Wood (Modified2)";
    QTest::newRow("copy of a copy") << "Wood (Modified)" << QStringList{QStringLiteral("Wood (Modified)")}
                                    << "Wood (Modified1)";
    QTest::newRow("word inside the name")
        << "Unmodified" << QStringList{QStringLiteral("Unmodified")} << "Unmodified (Modified1)";
}

void TestStyleEditor::copiesGetFreeNames()
{
    QFETCH(QString, name);
    QFETCH(QStringList, taken);
    QFETCH(QString, free);
    QCOMPARE(UserStyleFile::freeName(name, [&](const QString& candidate) { return taken.contains(candidate); }),
             free);
}

void TestStyleEditor::failedStyleWriteIsReported()
{
    // The styles folder cannot be made: a file stands where it belongs.
    QFile blocker(VorendaGlobal::getStylesLocation());
    QVERIFY(QDir().mkpath(QFileInfo(blocker.fileName()).absolutePath()));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    VorendaShelf* shelf = cabinets.add(QStringLiteral("Failing"));
    panel()->show(shelf, 2, AllElements);
    panel()->reflectionLevelSlider->setValue(10);
    QString message;
    QuestionDriver warning(QuestionDriver::visible<QMessageBox>(), [&](QWidget* window) {
        auto* box = static_cast<QMessageBox*>(window);
        message = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    panel()->accept(true);
    QVERIFY(warning.ran());
    QVERIFY2(message.startsWith(QStringLiteral("The style \"Wood #2 (Modified)\" could not be saved")),
             qPrintable(message));
    QVERIFY(!QFile::exists(shelf->style.fileName));
    // The cabinet wears the changed style all the same.
    QCOMPARE(shelf->style.reflectionLevel, 10);
    QVERIFY(!panel()->isVisible());
}

void TestStyleEditor::aCopyNeverOverwritesAnotherFile()
{
    // A file the styles list does not show (it did not load) still has its name taken.
    const QString taken = VorendaGlobal::getStylesLocation() + QStringLiteral("/Wood #2 (Modified)/Wood #2 (Modified).xml");
    QVERIFY(QDir().mkpath(QFileInfo(taken).absolutePath()));
    QFile file(taken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a style");
    file.close();

    VorendaShelf* shelf = cabinets.add(QStringLiteral("Taken"));
    panel()->show(shelf, 2, AllElements);
    panel()->reflectionLevelSlider->setValue(33);
    panel()->accept(true);
    QCOMPARE(shelf->style.name, QStringLiteral("Wood #2 (Modified1)"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("not a style"));
    QCOMPARE(loaded(shelf->style.fileName).reflectionLevel, 33);
}

VORENDA_TEST_MAIN(TestStyleEditor)
#include "tst_styleeditor.moc"
