#include "QuestionDriver.h"
#include "TestEnvironment.h"

#include "BookmarksWarningDialog.h"
#include "FolderWarningDialog.h"
#include "RemoveWarningDialog.h"
#include "SkinWidget.h"
#include "SubfoldersWarningDialog.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>

namespace {

// How the user answers: one of the ways out of a question window.
enum class Answer { Return, Enter, Escape, Ok, Cancel, TitleBarClose };

void give(QWidget* window, QPushButton* ok, QPushButton* cancel, Answer answer)
{
    switch (answer) {
    case Answer::Return:
        typeKey(window, Qt::Key_Return);
        break;
    case Answer::Enter:
        typeKey(window, Qt::Key_Enter);
        break;
    case Answer::Escape:
        typeKey(window, Qt::Key_Escape);
        break;
    case Answer::Ok:
        QTest::mouseClick(ok, Qt::LeftButton);
        break;
    case Answer::Cancel:
        QTest::mouseClick(cancel, Qt::LeftButton);
        break;
    case Answer::TitleBarClose:
        closeFromTitleBar(window);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Answer)

class TestChoiceDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnvironment::instance()->initializeGlobals(); }

    void folderAnswers_data();
    void folderAnswers();
    void folderShowsPathIconAndKind_data();
    void folderShowsPathIconAndKind();
    void folderKindSpeaksTheLanguage_data();
    void folderKindSpeaksTheLanguage();
    void longPathKeepsWindowWidth();
    void subfoldersContainingFolder_data();
    void subfoldersContainingFolder();
    void subfoldersAnswers_data();
    void subfoldersAnswers();
    void bookmarksAnswers_data();
    void bookmarksAnswers();
    void removeAnswersAndLists_data();
    void removeAnswersAndLists();
    void windowsStayOnTopWithoutParent();
    void removeIsModalToItsParentOnly();
    void losingTheParentCancels();
    void waitEndsExactlyOnce();
    void deletedWhileWaiting();
    void formsSpeakGerman();
};

void TestChoiceDialogs::folderAnswers_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("result");
    QTest::newRow("Return at once creates") << QString() << Answer::Return << 1;
    QTest::newRow("Enter at once creates") << QString() << Answer::Enter << 1;
    QTest::newRow("contents only") << "recurseRadioButton" << Answer::Ok << 2;
    QTest::newRow("skip is 3 though last on screen") << "skipRadioButton" << Answer::Return << 3;
    QTest::newRow("as item is 4") << "asItemRadioButton" << Answer::Ok << 4;
    QTest::newRow("Escape") << "skipRadioButton" << Answer::Escape << 0;
    QTest::newRow("Cancel") << "asItemRadioButton" << Answer::Cancel << 0;
    QTest::newRow("title-bar close") << "recurseRadioButton" << Answer::TitleBarClose << 0;
}

void TestChoiceDialogs::folderAnswers()
{
    QFETCH(QString, option);
    QFETCH(Answer, answer);
    QFETCH(int, result);

    FolderWarningDialog dialog;
    bool hiddenAfter = false;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        if (!option.isEmpty())
            chooseOption(dialog.findChild<QRadioButton*>(option));
        give(&dialog, dialog.okButton, dialog.cancelButton, answer);
    });
    QCOMPARE(dialog.exec(QDir::tempPath(), false), result);
    hiddenAfter = !dialog.isVisible();
    QVERIFY(driver.ran());
    QVERIFY(hiddenAfter);
}

void TestChoiceDialogs::folderShowsPathIconAndKind_data()
{
    QTest::addColumn<bool>("subcategory");
    QTest::addColumn<QString>("kind");
    QTest::newRow("in a category") << true << "subcategory";
    QTest::newRow("outside any category") << false << "category";
}

void TestChoiceDialogs::folderShowsPathIconAndKind()
{
    QFETCH(bool, subcategory);
    QFETCH(QString, kind);

    QTemporaryDir folder;
    FolderWarningDialog dialog;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QCOMPARE(dialog.pathLabel->text(), folder.path() + QLatin1Char('/'));
        const SkinWidget* skin = dialog.pathLabel->findChild<SkinWidget*>();
        QVERIFY(skin);
        QVERIFY(!skin->getIcon()[LookState::Normal].isNull());
        QCOMPARE(skin->getIcon()[LookState::Normal].size(), QSize(16, 16));
        QCOMPARE(skin->getSpacing(), 7);
        QCOMPARE(skin->getTextPen()[LookState::Hover].color(), QColor(Qt::black));
        QCOMPARE(dialog.createRadioButton->text(),
                 QStringLiteral("Create a new %1 for this folder and add its contents.").arg(kind));
        QCOMPARE(dialog.recurseRadioButton->text(), QStringLiteral("Add its contents but don't create any %1.").arg(kind));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Vorenda"));
        dialog.close();
    });
    QCOMPARE(dialog.exec(folder.path(), subcategory), 0);
    QVERIFY(driver.ran());
}

// The kind of category is named in the language of the sentence around it.
void TestChoiceDialogs::folderKindSpeaksTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("subcategory");
    QTest::addColumn<QString>("create");
    QTest::addColumn<QString>("contents");
    QTest::newRow("German subcategory") << "de" << true
                                        << "Für diesen Ordner eine neue Unterkategorie anlegen und seinen Inhalt hinzufügen."
                                        << "Seinen Inhalt hinzufügen, aber keine Unterkategorie anlegen.";
    QTest::newRow("Spanish category") << "es" << false << "Crear una nueva categoría para esta carpeta y añadir su contenido."
                                      << "Añadir su contenido sin crear ninguna categoría.";
}

void TestChoiceDialogs::folderKindSpeaksTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(bool, subcategory);
    QFETCH(QString, create);
    QFETCH(QString, contents);

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/Translations/Vorenda_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    QTemporaryDir folder;
    FolderWarningDialog dialog;
    QStringList texts;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        texts << dialog.createRadioButton->text() << dialog.recurseRadioButton->text();
        dialog.close();
    });
    dialog.exec(folder.path(), subcategory);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(texts, (QStringList{create, contents}));
}

void TestChoiceDialogs::longPathKeepsWindowWidth()
{
    int shortWidth = 0;
    {
        FolderWarningDialog dialog;
        QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
            shortWidth = dialog.width();
            dialog.close();
        });
        dialog.exec(QStringLiteral("/tmp"), false);
    }
    const QString longPath = QStringLiteral("/tmp/") + QString(600, QLatin1Char('x'));
    FolderWarningDialog dialog;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QCOMPARE(dialog.width(), shortWidth);
        QCOMPARE(dialog.pathLabel->width(), dialog.introLabel->width());
        dialog.close();
    });
    dialog.exec(longPath, false);
    QVERIFY(driver.ran());
}

void TestChoiceDialogs::subfoldersContainingFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");
    QTest::newRow("with separator") << "/home/ana/Photos/2019/" << "/home/ana/Photos/";
    QTest::newRow("without separator") << "/home/ana/Photos/2019" << "/home/ana/Photos/";
    QTest::newRow("top folder") << "/home/" << "/";
    QTest::newRow("root") << "/" << "/";
}

void TestChoiceDialogs::subfoldersContainingFolder()
{
    QFETCH(QString, path);
    QFETCH(QString, shown);
    QCOMPARE(SubfoldersWarningDialog::containingFolder(path), shown);
}

void TestChoiceDialogs::subfoldersAnswers_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("result");
    QTest::newRow("Return keeps the hierarchy") << QString() << Answer::Return << 1;
    QTest::newRow("flatten") << "recurseRadioButton" << Answer::Return << 2;
    QTest::newRow("skip") << "skipRadioButton" << Answer::Ok << 3;
    QTest::newRow("as items") << "asItemsRadioButton" << Answer::Ok << 4;
    QTest::newRow("title-bar close") << "asItemsRadioButton" << Answer::TitleBarClose << 0;
}

void TestChoiceDialogs::subfoldersAnswers()
{
    QFETCH(QString, option);
    QFETCH(Answer, answer);
    QFETCH(int, result);

    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("inner")));
    SubfoldersWarningDialog dialog;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QCOMPARE(dialog.pathLabel->text(), folder.path() + QLatin1Char('/'));
        if (!option.isEmpty())
            chooseOption(dialog.findChild<QRadioButton*>(option));
        give(&dialog, dialog.okButton, dialog.cancelButton, answer);
    });
    QCOMPARE(dialog.exec(folder.filePath(QStringLiteral("inner/"))), result);
    QVERIFY(driver.ran());
}

void TestChoiceDialogs::bookmarksAnswers_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("result");
    QTest::newRow("Return keeps the hierarchy") << QString() << Answer::Return << 1;
    QTest::newRow("flatten") << "recurseRadioButton" << Answer::Ok << 2;
    QTest::newRow("skip") << "skipRadioButton" << Answer::Enter << 3;
    QTest::newRow("Escape") << QString() << Answer::Escape << 0;
    QTest::newRow("title-bar close") << "skipRadioButton" << Answer::TitleBarClose << 0;
}

void TestChoiceDialogs::bookmarksAnswers()
{
    QFETCH(QString, option);
    QFETCH(Answer, answer);
    QFETCH(int, result);

    BookmarksWarningDialog dialog;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        if (!option.isEmpty())
            chooseOption(dialog.findChild<QRadioButton*>(option));
        give(&dialog, dialog.okButton, dialog.cancelButton, answer);
    });
    QCOMPARE(dialog.exec(), result);
    QVERIFY(driver.ran());
}

void TestChoiceDialogs::removeAnswersAndLists_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("result");
    QTest::newRow("empty list, Return") << QStringList() << Answer::Return << 1;
    QTest::newRow("empty list, Escape") << QStringList() << Answer::Escape << 0;
    QTest::newRow("Remove button") << QStringList{QStringLiteral("Photos"), QStringLiteral("Music")} << Answer::Ok << 1;
    QTest::newRow("Cancel") << QStringList{QStringLiteral("Photos")} << Answer::Cancel << 0;
    QTest::newRow("title-bar close") << QStringList{QStringLiteral("Photos")} << Answer::TitleBarClose << 0;
}

void TestChoiceDialogs::removeAnswersAndLists()
{
    QFETCH(QStringList, items);
    QFETCH(Answer, answer);
    QFETCH(int, result);

    const QString question = QStringLiteral("Are you sure you want to remove the selected categories?");
    RemoveWarningDialog dialog;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QCOMPARE(dialog.questionLabel->text(), question);
        QStringList listed;
        for (int row = 0; row < dialog.listWidget->count(); ++row)
            listed << dialog.listWidget->item(row)->text();
        QCOMPARE(listed, items);
        QCOMPARE(dialog.listWidget->textElideMode(), Qt::ElideMiddle);
        QCOMPARE(dialog.okButton->text(), QStringLiteral("Remove"));
        give(&dialog, dialog.okButton, dialog.cancelButton, answer);
    });
    QCOMPARE(dialog.exec(question, items), result);
    QVERIFY(driver.ran());
}

void TestChoiceDialogs::windowsStayOnTopWithoutParent()
{
    FolderWarningDialog folder;
    SubfoldersWarningDialog subfolders;
    BookmarksWarningDialog bookmarks;
    RemoveWarningDialog remove;
    const QList<QWidget*> windows{&folder, &subfolders, &bookmarks, &remove};
    for (QWidget* window : windows) {
        QVERIFY(window->isWindow());
        QVERIFY(isStayOnTopWindow(window));
        QVERIFY(!window->parentWidget());
        QVERIFY(window->windowIcon().isNull());
    }
    QCOMPARE(folder.focusWidget(), folder.createRadioButton);
    QCOMPARE(bookmarks.focusWidget(), bookmarks.createRadioButton);
    QVERIFY(folder.okButton->isDefault() && remove.okButton->isDefault());
}

void TestChoiceDialogs::removeIsModalToItsParentOnly()
{
    QWidget cabinet;
    auto* cabinetButton = new QPushButton(QStringLiteral("Add"), &cabinet);
    QWidget otherCabinet;
    auto* otherButton = new QPushButton(QStringLiteral("Add"), &otherCabinet);
    cabinet.show();
    otherCabinet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cabinet));
    QVERIFY(QTest::qWaitForWindowExposed(&otherCabinet));
    QSignalSpy blockedClicks(cabinetButton, &QPushButton::clicked);
    QSignalSpy otherClicks(otherButton, &QPushButton::clicked);

    RemoveWarningDialog dialog(&cabinet);
    QVERIFY(!dialog.parentWidget());
    QCOMPARE(dialog.windowType(), Qt::Dialog);
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QCOMPARE(dialog.windowModality(), Qt::WindowModal);
        clickThroughWindow(cabinetButton);
        clickThroughWindow(otherButton);
        QCOMPARE(blockedClicks.count(), 0);
        QCOMPARE(otherClicks.count(), 1);
        typeKey(&dialog, Qt::Key_Return);
    });
    QCOMPARE(dialog.exec(QStringLiteral("Remove?"), {QStringLiteral("Photos")}), 1);
    QVERIFY(driver.ran());
    clickThroughWindow(cabinetButton);
    QCOMPARE(blockedClicks.count(), 1);
}

void TestChoiceDialogs::losingTheParentCancels()
{
    auto* cabinet = new QWidget;
    cabinet->show();
    RemoveWarningDialog dialog(cabinet);
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) { delete cabinet; });
    QCOMPARE(dialog.exec(QStringLiteral("Remove?"), {}), 0);
    QVERIFY(driver.ran());
    QVERIFY(!dialog.isVisible());
}

void TestChoiceDialogs::waitEndsExactlyOnce()
{
    FolderWarningDialog dialog;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        chooseOption(dialog.asItemRadioButton);
        // Every further way out after the first answer changes nothing.
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        closeFromTitleBar(&dialog);
        QTest::mouseClick(dialog.cancelButton, Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(QStringLiteral("/tmp"), false), 4);
    QVERIFY(driver.ran());
    QVERIFY(dialog.hasEnded());
    // A second call gives the first answer without asking again.
    QCOMPARE(dialog.exec(QStringLiteral("/tmp"), false), 4);
    QVERIFY(!dialog.isVisible());
}

void TestChoiceDialogs::deletedWhileWaiting()
{
    QPointer<RemoveWarningDialog> dialog = new RemoveWarningDialog;
    QuestionDriver driver(waiting(dialog), [&](QWidget* window) { delete window; });
    QCOMPARE(dialog->exec(QStringLiteral("Remove?"), {}), 0);
    QVERIFY(driver.ran());
    QVERIFY(dialog.isNull());
}

void TestChoiceDialogs::formsSpeakGerman()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/Translations/Vorenda_de.qm")));
    QApplication::installTranslator(&german);
    FolderWarningDialog folder;
    RemoveWarningDialog remove;
    BookmarksWarningDialog bookmarks;
    QApplication::removeTranslator(&german);

    QCOMPARE(folder.skipRadioButton->text(), QStringLiteral("Ordner überspringen."));
    QVERIFY(folder.createRadioButton->text().contains(QLatin1String("%1")));
    QCOMPARE(folder.windowTitle(), QStringLiteral("Vorenda"));
    QCOMPARE(remove.okButton->text(), QStringLiteral("Entfernen"));
    QCOMPARE(bookmarks.cancelButton->text(), QStringLiteral("Abbrechen"));
}

VORENDA_TEST_MAIN(TestChoiceDialogs)
#include "tst_choicedialogs.moc"
