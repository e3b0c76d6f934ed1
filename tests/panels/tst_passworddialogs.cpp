#include "QuestionDriver.h"
#include "TestEnvironment.h"

#include "GetPasswordDialog.h"
#include "SetPasswordDialog.h"
#include "TextFunctions.h"

#include <QCryptographicHash>
#include <QTranslator>

namespace {

QString md5Hex(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

bool isRed(const QLineEdit* field)
{
    return field->styleSheet().contains(QLatin1String("background: rgb(220,0,0)"));
}

const QString secretHash = QStringLiteral("5ebe2294ecd0e0f08eab7690d2a6ee69");  // "secret"

} // namespace

class TestPasswordDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnvironment::instance()->initializeGlobals(); }

    void rightPasswordOpens_data();
    void rightPasswordOpens();
    void wrongPasswordStaysOpen_data();
    void wrongPasswordStaysOpen();
    void noPasswordSetAsksNothing();
    void cancelAnswersZero_data();
    void cancelAnswersZero();
    void nonLatinPasswordsDiffer();
    void setPassword_data();
    void setPassword();
    void setPasswordMismatch_data();
    void setPasswordMismatch();
    void windowsAndTexts();
};

void TestPasswordDialogs::rightPasswordOpens_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("key");
    QTest::newRow("lower-case digest, Return") << "secret" << secretHash << int(Qt::Key_Return);
    QTest::newRow("upper-case digest, Enter") << "secret" << secretHash.toUpper() << int(Qt::Key_Enter);
    QTest::newRow("Cyrillic") << QStringLiteral("пароль") << md5Hex(QStringLiteral("пароль").toUtf8())
                              << int(Qt::Key_Return);
    QTest::newRow("OK button") << "secret" << secretHash << 0;
}

void TestPasswordDialogs::rightPasswordOpens()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(int, key);

    GetPasswordDialog dialog;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Enter Kiosk Password"));
        typeText(dialog.passwordLineEdit, typed);
        if (key == 0)
            QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        else
            QTest::keyClick(dialog.passwordLineEdit, Qt::Key(key));
    });
    QCOMPARE(dialog.exec(QStringLiteral("Enter Kiosk Password"), stored), 1);
    QVERIFY(driver.ran());
    QVERIFY(!dialog.isVisible());
}

void TestPasswordDialogs::wrongPasswordStaysOpen_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("other letter case") << "Secret";
    QTest::newRow("empty") << "";
    QTest::newRow("the digest itself") << secretHash;
}

void TestPasswordDialogs::wrongPasswordStaysOpen()
{
    QFETCH(QString, typed);

    GetPasswordDialog dialog;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QCOMPARE(dialog.infoLabel->text(), QStringLiteral("Remember the password is case sensitive."));
        typeText(dialog.passwordLineEdit, typed);
        QTest::keyClick(dialog.passwordLineEdit, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.hasEnded());
        QCOMPARE(dialog.infoLabel->text(), QStringLiteral("The password is incorrect. Please try again."));
        QVERIFY(isRed(dialog.passwordLineEdit));
        QCOMPARE(dialog.passwordLineEdit->text(), typed);
        QCOMPARE(dialog.focusWidget(), dialog.passwordLineEdit);
        // Typing again puts the field and the hint back.
        QTest::keyClick(dialog.passwordLineEdit, Qt::Key_X);
        QVERIFY(!isRed(dialog.passwordLineEdit));
        QCOMPARE(dialog.infoLabel->text(), QStringLiteral("Remember the password is case sensitive."));
        // Tries are not limited: the right one still opens.
        dialog.passwordLineEdit->clear();
        QTest::keyClicks(dialog.passwordLineEdit, QStringLiteral("secret"));
        QTest::keyClick(dialog.passwordLineEdit, Qt::Key_Return);
    });
    QCOMPARE(dialog.exec(QStringLiteral("Enter Kiosk Password"), secretHash), 1);
    QVERIFY(driver.ran());
}

void TestPasswordDialogs::noPasswordSetAsksNothing()
{
    GetPasswordDialog dialog;
    bool shown = false;
    QuestionDriver driver(waiting(&dialog), [&](QWidget* window) {
        shown = true;
        window->close();
    });
    QCOMPARE(dialog.exec(QStringLiteral("Enter Kiosk Password"), QString()), 1);
    QCoreApplication::processEvents();
    QVERIFY(!shown);
    QVERIFY(!dialog.isVisible());
}

void TestPasswordDialogs::cancelAnswersZero_data()
{
    QTest::addColumn<int>("how");  // a key, 0 for the Cancel button, -1 for the title bar's close
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Cancel") << 0;
    QTest::newRow("title-bar close") << -1;
}

void TestPasswordDialogs::cancelAnswersZero()
{
    QFETCH(int, how);

    const auto cancel = [how](ModalWindow* dialog, QLineEdit* field, QPushButton* cancelButton) {
        QTest::keyClicks(field, QStringLiteral("secret"));
        if (how == 0)
            QTest::mouseClick(cancelButton, Qt::LeftButton);
        else if (how == -1)
            closeFromTitleBar(dialog);
        else
            QTest::keyClick(field, Qt::Key(how));
    };
    GetPasswordDialog getDialog;
    QuestionDriver getDriver(waiting(&getDialog), [&](QWidget*) {
        cancel(&getDialog, getDialog.passwordLineEdit, getDialog.cancelButton);
    });
    QCOMPARE(getDialog.exec(QStringLiteral("Enter Kiosk Password"), secretHash), 0);
    QVERIFY(getDriver.ran());

    SetPasswordDialog setDialog;
    QuestionDriver setDriver(waiting(&setDialog), [&](QWidget*) {
        cancel(&setDialog, setDialog.passwordLineEdit, setDialog.cancelButton);
    });
    QCOMPARE(setDialog.exec(QStringLiteral("Set Kiosk Password")), 0);
    QVERIFY(setDriver.ran());
    QVERIFY(setDialog.hash().isEmpty());
}

void TestPasswordDialogs::nonLatinPasswordsDiffer()
{
    // Both words are six letters no 8-bit code page shares; their digests must still differ.
    const QString word = QStringLiteral("пароль");
    const QString other = QStringLiteral("ЖЖЖЖЖЖ");
    QVERIFY(getHash(word, QCryptographicHash::Md5) != getHash(other, QCryptographicHash::Md5));

    GetPasswordDialog dialog;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        typeText(dialog.passwordLineEdit, other);
        QTest::keyClick(dialog.passwordLineEdit, Qt::Key_Return);
        QVERIFY(isRed(dialog.passwordLineEdit));
        QTest::keyClick(dialog.passwordLineEdit, Qt::Key_Escape);
    });
    QCOMPARE(dialog.exec(QStringLiteral("Enter Kiosk Password"), md5Hex(word.toUtf8())), 0);
    QVERIFY(driver.ran());
}

void TestPasswordDialogs::setPassword_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("hash");
    QTest::newRow("a password") << "secret" << secretHash;
    QTest::newRow("Cyrillic") << QStringLiteral("пароль") << md5Hex(QStringLiteral("пароль").toUtf8());
    QTest::newRow("both blank removes it") << "" << "";
}

void TestPasswordDialogs::setPassword()
{
    QFETCH(QString, password);
    QFETCH(QString, hash);

    SetPasswordDialog dialog;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QCOMPARE(dialog.focusWidget(), dialog.passwordLineEdit);
        typeText(dialog.passwordLineEdit, password);
        typeText(dialog.confirmLineEdit, password);
        QTest::keyClick(dialog.confirmLineEdit, Qt::Key_Return);
    });
    QCOMPARE(dialog.exec(QStringLiteral("Set Kiosk Password")), 1);
    QVERIFY(driver.ran());
    QCOMPARE(dialog.hash(), hash);
    QCOMPARE(dialog.hash().isNull(), hash.isEmpty());
    // What the password dialog expects: the digest set here opens it.
    if (!hash.isEmpty())
        QCOMPARE(dialog.hash(), getHash(password, QCryptographicHash::Md5));
}

void TestPasswordDialogs::setPasswordMismatch_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirmation");
    QTest::newRow("letter case") << "secret" << "Secret";
    QTest::newRow("confirmation blank") << "secret" << "";
    QTest::newRow("password blank") << "" << "secret";
}

void TestPasswordDialogs::setPasswordMismatch()
{
    QFETCH(QString, password);
    QFETCH(QString, confirmation);

    SetPasswordDialog dialog;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QCOMPARE(dialog.infoLabel->text(), QStringLiteral("To remove the password leave both fields blank."));
        typeText(dialog.passwordLineEdit, password);
        QTest::keyClicks(dialog.confirmLineEdit, confirmation);
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        QVERIFY(!dialog.hasEnded());
        QCOMPARE(dialog.infoLabel->text(), QStringLiteral("The passwords didn't match. Please try again."));
        QVERIFY(isRed(dialog.confirmLineEdit));
        QVERIFY(!isRed(dialog.passwordLineEdit));
        QCOMPARE(dialog.focusWidget(), dialog.confirmLineEdit);
        // Typing in either field clears the mark.
        QTest::keyClick(dialog.passwordLineEdit, Qt::Key_A);
        QVERIFY(!isRed(dialog.confirmLineEdit));
        QCOMPARE(dialog.infoLabel->text(), QStringLiteral("To remove the password leave both fields blank."));
        QTest::keyClick(dialog.confirmLineEdit, Qt::Key_Escape);
    });
    QCOMPARE(dialog.exec(QStringLiteral("Set Kiosk Password")), 0);
    QVERIFY(driver.ran());
    QVERIFY(dialog.hash().isEmpty());
}

void TestPasswordDialogs::windowsAndTexts()
{
    GetPasswordDialog getDialog;
    SetPasswordDialog setDialog;
    for (QWidget* window : {static_cast<QWidget*>(&getDialog), static_cast<QWidget*>(&setDialog)}) {
        QVERIFY(isStayOnTopWindow(window));
        QVERIFY(window->windowIcon().isNull());
    }
    QCOMPARE(getDialog.passwordLineEdit->echoMode(), QLineEdit::Password);
    QCOMPARE(setDialog.confirmLineEdit->echoMode(), QLineEdit::Password);
    QVERIFY(getDialog.keyIcon->pixmap() && !getDialog.keyIcon->pixmap()->isNull());
    QVERIFY(getDialog.okButton->isDefault());

    QTranslator spanish;
    QVERIFY(spanish.load(QStringLiteral(":/Translations/Vorenda_es.qm")));
    QApplication::installTranslator(&spanish);
    GetPasswordDialog spanishDialog;
    QApplication::removeTranslator(&spanish);
    QCOMPARE(spanishDialog.passwordLabel->text(), QStringLiteral("Contraseña:"));
    QCOMPARE(spanishDialog.infoLabel->text(), QStringLiteral("Recuerda que la contraseña distingue entre mayúsculas y minúsculas."));
}

VORENDA_TEST_MAIN(TestPasswordDialogs)
#include "tst_passworddialogs.moc"
