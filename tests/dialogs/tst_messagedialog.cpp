#include "QuestionDriver.h"
#include "TestEnvironment.h"

#include "MessageDialog.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {

QWidget* shownBox()
{
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

} // namespace

class TestMessageDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnvironment::instance()->initializeGlobals(); }
    void answers_data();
    void answers();
    void boxOfEachType_data();
    void boxOfEachType();
    void outOfRangeShowsNothing_data();
    void outOfRangeShowsNothing();
    void parentGoneWhileWaiting();
    void chooseTellsTheButtonPressed_data();
    void chooseTellsTheButtonPressed();
    void ownFormFollowsTheQuestionPattern();
};

void TestMessageDialog::answers_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<int>("press");  // a QMessageBox::StandardButton, or 0 for Escape
    QTest::addColumn<bool>("result");
    QTest::newRow("OK") << int(MessageDialog::OkButton) << int(QMessageBox::Ok) << true;
    QTest::newRow("OK box, Escape") << int(MessageDialog::OkButton) << 0 << true;
    QTest::newRow("Close") << int(MessageDialog::CloseButton) << int(QMessageBox::Close) << true;
    QTest::newRow("Close box, Escape") << int(MessageDialog::CloseButton) << 0 << true;
    QTest::newRow("Yes") << int(MessageDialog::YesNoButtons) << int(QMessageBox::Yes) << true;
    QTest::newRow("No") << int(MessageDialog::YesNoButtons) << int(QMessageBox::No) << false;
    QTest::newRow("Yes/No, Escape") << int(MessageDialog::YesNoButtons) << 0 << false;
    QTest::newRow("OK of OK/Cancel") << int(MessageDialog::OkCancelButtons) << int(QMessageBox::Ok) << true;
    QTest::newRow("Cancel") << int(MessageDialog::OkCancelButtons) << int(QMessageBox::Cancel) << false;
    QTest::newRow("OK/Cancel, Escape") << int(MessageDialog::OkCancelButtons) << 0 << false;
}

void TestMessageDialog::answers()
{
    QFETCH(int, role);
    QFETCH(int, press);
    QFETCH(bool, result);

    MessageDialog dialog;
    QuestionDriver driver(shownBox, [&](QWidget* window) {
        auto* box = static_cast<QMessageBox*>(window);
        if (press == 0) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            QAbstractButton* button = box->button(QMessageBox::StandardButton(press));
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    QCOMPARE(dialog.exec(nullptr, QStringLiteral("Go on?"), MessageDialog::Question, MessageDialog::ButtonsRole(role)),
             result);
    QVERIFY(driver.ran());
    QVERIFY(!shownBox());
}

void TestMessageDialog::boxOfEachType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("icon");
    QTest::newRow("question") << int(MessageDialog::Question) << int(QMessageBox::Question);
    QTest::newRow("information") << int(MessageDialog::Information) << int(QMessageBox::Information);
    QTest::newRow("warning") << int(MessageDialog::Warning) << int(QMessageBox::Warning);
    QTest::newRow("critical") << int(MessageDialog::Critical) << int(QMessageBox::Critical);
}

void TestMessageDialog::boxOfEachType()
{
    QFETCH(int, type);
    QFETCH(int, icon);

    // Text with markup-like characters and line breaks is shown as given.
    const QString text = QStringLiteral("The folder \"a & b\"\ncould not be read.");
    QWidget parent;
    parent.show();
    MessageDialog dialog;
    QuestionDriver driver(shownBox, [&](QWidget* window) {
        auto* box = static_cast<QMessageBox*>(window);
        QCOMPARE(box->windowTitle(), QStringLiteral("Vorenda"));
        QCOMPARE(box->text(), text);
        QCOMPARE(int(box->icon()), icon);
        QCOMPARE(box->parentWidget(), &parent);
        QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
        QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
    });
    QVERIFY(dialog.exec(&parent, text, MessageDialog::MessageType(type), MessageDialog::YesNoButtons));
    QVERIFY(driver.ran());
}

void TestMessageDialog::outOfRangeShowsNothing_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("result");
    QTest::newRow("role 4") << int(MessageDialog::Information) << 4 << false;
    QTest::newRow("role -1") << int(MessageDialog::Warning) << -1 << false;
    QTest::newRow("type 4, OK") << 4 << int(MessageDialog::OkButton) << true;
    QTest::newRow("type 4, Close") << 4 << int(MessageDialog::CloseButton) << true;
    QTest::newRow("type -1, Yes/No") << -1 << int(MessageDialog::YesNoButtons) << false;
    QTest::newRow("type 9, OK/Cancel") << 9 << int(MessageDialog::OkCancelButtons) << false;
}

void TestMessageDialog::outOfRangeShowsNothing()
{
    QFETCH(int, type);
    QFETCH(int, role);
    QFETCH(bool, result);

    MessageDialog dialog;
    bool shown = false;
    QuestionDriver driver(shownBox, [&](QWidget* window) {
        shown = true;
        window->close();
    });
    QCOMPARE(dialog.exec(nullptr, QStringLiteral("Hello"), MessageDialog::MessageType(type),
                         MessageDialog::ButtonsRole(role)),
             result);
    QCoreApplication::processEvents();
    QVERIFY(!shown);
}

void TestMessageDialog::parentGoneWhileWaiting()
{
    auto* parent = new QWidget;
    parent->show();
    MessageDialog dialog;
    QuestionDriver driver(shownBox, [&](QWidget*) { delete parent; });
    QVERIFY(!dialog.exec(parent, QStringLiteral("Remove?"), MessageDialog::Question, MessageDialog::YesNoButtons));
    QVERIFY(driver.ran());
    QVERIFY(!shownBox());
}

void TestMessageDialog::chooseTellsTheButtonPressed_data()
{
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("result");
    QTest::newRow("first") << QStringLiteral("first") << 0;
    QTest::newRow("second") << QStringLiteral("second") << 1;
    QTest::newRow("Return takes the first") << QStringLiteral("return") << 0;
    // No choice is the escape: the box waits for a button.
    QTest::newRow("Escape, then the second") << QStringLiteral("escape") << 1;
    QTest::newRow("parent gone") << QStringLiteral("parent gone") << -1;
}

void TestMessageDialog::chooseTellsTheButtonPressed()
{
    QFETCH(QString, press);
    QFETCH(int, result);

    auto* parent = new QWidget;
    parent->show();
    MessageDialog dialog;
    QStringList texts;
    QuestionDriver driver(shownBox, [&](QWidget* window) {
        auto* box = static_cast<QMessageBox*>(window);
        QCOMPARE(box->text(), QStringLiteral("Try again?"));
        QCOMPARE(int(box->icon()), int(QMessageBox::Warning));
        for (QAbstractButton* button : box->buttons())
            texts << button->text();
        if (press == QLatin1String("parent gone")) {
            delete parent;
            parent = nullptr;
        } else if (press == QLatin1String("return")) {
            QTest::keyClick(box, Qt::Key_Return);
        } else if (press == QLatin1String("escape")) {
            QTest::keyClick(box, Qt::Key_Escape);
            QVERIFY(box->isVisible());
            QTest::mouseClick(box->buttons().at(1), Qt::LeftButton);
        } else {
            QTest::mouseClick(box->buttons().at(press == QLatin1String("first") ? 0 : 1), Qt::LeftButton);
        }
    });
    QCOMPARE(dialog.choose(parent, QStringLiteral("Try again?"), MessageDialog::Warning,
                           {QStringLiteral("Try Again"), QStringLiteral("Quit Anyway")}),
             result);
    QVERIFY(driver.ran());
    texts.sort();
    QCOMPARE(texts, (QStringList{QStringLiteral("Quit Anyway"), QStringLiteral("Try Again")}));
    QVERIFY(!shownBox());
    delete parent;
}

void TestMessageDialog::ownFormFollowsTheQuestionPattern()
{
    MessageDialog dialog;
    QVERIFY(isStayOnTopWindow(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Vorenda"));
    QCOMPARE(dialog.size(), QSize(484, 114));
    QCOMPARE(dialog.okButton->text(), QStringLiteral("OK"));
    QCOMPARE(dialog.cancelButton->text(), QStringLiteral("Cancel"));
    QVERIFY(dialog.messageLabel->wordWrap());
}

VORENDA_TEST_MAIN(TestMessageDialog)
#include "tst_messagedialog.moc"
