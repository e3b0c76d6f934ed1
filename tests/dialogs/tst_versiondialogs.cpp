#include "QuestionDriver.h"
#include "TestEnvironment.h"

#include "AboutDialog.h"
#include "NewVersionDialog.h"
#include "VorendaGlobal.h"

#include <QScrollBar>
#include <QTranslator>

namespace {

// Restores the version statics a test changes.
struct VersionGuard
{
    int minor = VorendaGlobal::MINOR_VER;
    int beta = VorendaGlobal::BETA_VER;
    ~VersionGuard()
    {
        VorendaGlobal::MINOR_VER = minor;
        VorendaGlobal::BETA_VER = beta;
    }
};

} // namespace

class TestVersionDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnvironment::instance()->initializeGlobals(); }

    void newVersionAnswers_data();
    void newVersionAnswers();
    void newVersionTexts();
    void longWhatsNewStartsAtTheTop();
    void aboutShowsVersion_data();
    void aboutShowsVersion();
    void aboutEnds_data();
    void aboutEnds();
    void germanTexts();
};

void TestVersionDialogs::newVersionAnswers_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");  // 0: the title bar's close button
    QTest::addColumn<int>("result");
    QTest::newRow("Return") << "okButton" << int(Qt::Key_Return) << 1;
    QTest::newRow("Enter with the check box focused") << "autoUpdatesCheckBox" << int(Qt::Key_Enter) << 1;
    QTest::newRow("Return with Later focused") << "cancelButton" << int(Qt::Key_Return) << 1;
    QTest::newRow("Escape") << "okButton" << int(Qt::Key_Escape) << 0;
    QTest::newRow("title-bar close") << "okButton" << 0 << 0;
}

void TestVersionDialogs::newVersionAnswers()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, result);

    NewVersionDialog dialog;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QWidget* target = dialog.findChild<QWidget*>(focus);
        QVERIFY(target);
        if (key == 0)
            closeFromTitleBar(&dialog);
        else
            QTest::keyClick(target, Qt::Key(key));
    });
    QCOMPARE(dialog.exec(), result);
    QVERIFY(driver.ran());
    QVERIFY(!dialog.isVisible());
}

void TestVersionDialogs::newVersionTexts()
{
    NewVersionDialog dialog;
    QVERIFY(isStayOnTopWindow(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Vorenda"));
    QVERIFY(dialog.okButton->isDefault());
    QCOMPARE(dialog.okButton->text(), QStringLiteral("Download"));
    QCOMPARE(dialog.cancelButton->text(), QStringLiteral("Later"));
    QVERIFY(dialog.whatsNewEdit->isReadOnly());
    dialog.setVersion(1, 3607);
    QCOMPARE(dialog.introLabel->text(),
             QStringLiteral("Vorenda 1.36.07 is available for download. It is recommended that you install "
                            "this new version to keep your product updated."));
    dialog.setVersion(2, 5);
    QVERIFY(dialog.introLabel->text().startsWith(QLatin1String("Vorenda 2.00.05 is available")));

    // The box keeps its state across the answer: the caller reads it after "Later".
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QTest::mouseClick(dialog.autoUpdatesCheckBox, Qt::LeftButton);
        QTest::mouseClick(dialog.cancelButton, Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), 0);
    QVERIFY(dialog.autoUpdatesCheckBox->isChecked());
}

void TestVersionDialogs::longWhatsNewStartsAtTheTop()
{
    QStringList lines;
    for (int i = 1; i <= 200; ++i)
        lines << QStringLiteral("Change number %1").arg(i);
    NewVersionDialog dialog;
    dialog.whatsNewEdit->setPlainText(QStringLiteral("left over from before"));
    dialog.setWhatsNew(lines.join(QLatin1Char('\n')));
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QScrollBar* bar = dialog.whatsNewEdit->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(dialog.whatsNewEdit->textCursor().position(), 0);
        QVERIFY(dialog.whatsNewEdit->toPlainText().startsWith(QLatin1String("Change number 1\n")));
        QVERIFY(!dialog.whatsNewEdit->toPlainText().contains(QLatin1String("left over")));
        dialog.close();
    });
    dialog.exec();
    QVERIFY(driver.ran());
}

void TestVersionDialogs::aboutShowsVersion_data()
{
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("beta");
    QTest::addColumn<QString>("shown");
    QTest::newRow("this version") << 3500 << 0 << "v1.35.00";
    QTest::newRow("patch") << 3607 << 0 << "v1.36.07";
    QTest::newRow("small minor") << 5 << 0 << "v1.00.05";
    QTest::newRow("four digits") << 1234 << 0 << "v1.12.34";
    QTest::newRow("beta") << 3500 << 1 << "v1.35.00 (BETA)";
}

void TestVersionDialogs::aboutShowsVersion()
{
    QFETCH(int, minor);
    QFETCH(int, beta);
    QFETCH(QString, shown);

    VersionGuard guard;
    VorendaGlobal::MINOR_VER = minor;
    VorendaGlobal::BETA_VER = beta;
    AboutDialog dialog;
    QCOMPARE(dialog.versionLabel->text(), shown);
}

void TestVersionDialogs::aboutEnds_data()
{
    QTest::addColumn<int>("key");  // 0: the OK button, -1: the title bar's close button
    QTest::newRow("OK") << 0;
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("title-bar close") << -1;
}

void TestVersionDialogs::aboutEnds()
{
    QFETCH(int, key);

    AboutDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Vorenda"));
    QVERIFY(isStayOnTopWindow(&dialog));
    QVERIFY(dialog.label->pixmap() && !dialog.label->pixmap()->isNull());
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        if (key == 0)
            QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        else if (key == -1)
            closeFromTitleBar(&dialog);
        else
            typeKey(&dialog, Qt::Key(key));
    });
    QCOMPARE(dialog.exec(), 0);
    QVERIFY(driver.ran());
    QVERIFY(!dialog.isVisible());
}

void TestVersionDialogs::germanTexts()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/Translations/Vorenda_de.qm")));
    QApplication::installTranslator(&german);
    NewVersionDialog dialog;
    dialog.setVersion(1, 3607);
    AboutDialog about;
    QApplication::removeTranslator(&german);

    QVERIFY(dialog.introLabel->text().contains(QLatin1String("1.36.07")));
    QVERIFY(dialog.introLabel->text().contains(QLatin1String("Herunterladen")));
    QCOMPARE(dialog.cancelButton->text(), QStringLiteral("Später"));
    QCOMPARE(about.windowTitle(), QStringLiteral("Über Vorenda"));
    QCOMPARE(about.versionLabel->text(), QStringLiteral("v1.35.00"));
}

VORENDA_TEST_MAIN(TestVersionDialogs)
#include "tst_versiondialogs.moc"
