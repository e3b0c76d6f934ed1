#include "TestEnvironment.h"

#include "AddProgressWidget.h"
#include "QuestionDriver.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>
#include <QWindow>

// The add-progress window: its form, Pause and Continue, Abort and Escape, and every
// way of closing it.
class TestAddProgressWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void oneWindowWithItsForm();
    void pauseAndContinue();
    void returnDoesNothing();
    void endingTheWindow_data();
    void endingTheWindow();
    void speaksTheUsersLanguage_data();
    void speaksTheUsersLanguage();

private:
    std::unique_ptr<VorendaShelf> shelf;
};

void TestAddProgressWidget::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    shelf = std::make_unique<VorendaShelf>();
}

void TestAddProgressWidget::cleanup()
{
    AddProgressWidget::instance()->close();
}

void TestAddProgressWidget::oneWindowWithItsForm()
{
    AddProgressWidget* window = AddProgressWidget::instance();
    QCOMPARE(AddProgressWidget::instance(), window);
    QVERIFY(!AddProgressWidget::visible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Adding items to Vorenda"));
    QVERIFY(isStayOnTopWindow(window));
    QCOMPARE(window->thumbnail->minimumSize(), QSize(60, 60));
    QCOMPARE(window->thumbnail->maximumSize(), QSize(60, 60));
    QVERIFY(window->pauseButton->isDefault());
    QCOMPARE(window->pauseButton->text(), QStringLiteral("Pause"));
    QCOMPARE(window->abortButton->text(), QStringLiteral("Abort"));
    QVERIFY(!window->shelf);
    QVERIFY(!window->paused);

    window->show(shelf.get());
    QVERIFY(AddProgressWidget::visible());
    QCOMPARE(window->shelf, shelf.get());
    // The window keeps the size it was shown at.
    QCOMPARE(window->minimumSize(), window->maximumSize());
}

void TestAddProgressWidget::pauseAndContinue()
{
    AddProgressWidget* window = AddProgressWidget::instance();
    window->show(shelf.get());
    QSignalSpy ready(window, &AddProgressWidget::ready);

    window->pauseButton->click();
    QVERIFY(window->paused);
    QCOMPARE(window->pauseButton->text(), QStringLiteral("Continue"));
    QCOMPARE(ready.count(), 0);

    window->pauseButton->click();
    QVERIFY(!window->paused);
    QCOMPARE(window->pauseButton->text(), QStringLiteral("Pause"));
    QCOMPARE(ready.count(), 1);

    // Showing again for a cabinet leaves a pause as it is.
    window->pause();
    window->show(shelf.get());
    QVERIFY(window->paused);
}

void TestAddProgressWidget::returnDoesNothing()
{
    AddProgressWidget* window = AddProgressWidget::instance();
    window->show(shelf.get());
    QSignalSpy ready(window, &AddProgressWidget::ready);
    QSignalSpy aborted(window, &AddProgressWidget::aborted);
    QTest::keyClick(window, Qt::Key_Return);
    QTest::keyClick(window, Qt::Key_Enter);
    // Not even the default button takes Return when it has the focus.
    for (QPushButton* button : {window->pauseButton, window->abortButton}) {
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
    }
    QVERIFY(!window->paused);
    QVERIFY(window->isVisible());
    QCOMPARE(ready.count() + aborted.count(), 0);

    // Escape from a focused button still aborts.
    QTest::keyClick(window->pauseButton, Qt::Key_Escape);
    QCOMPARE(aborted.count(), 1);
}

enum class Ending { AbortButton, Escape, TitleBarClose, Close };
Q_DECLARE_METATYPE(Ending)

void TestAddProgressWidget::endingTheWindow_data()
{
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<int>("aborted");
    QTest::addColumn<int>("ready");
    QTest::newRow("Abort") << Ending::AbortButton << false << 1 << 0;
    QTest::newRow("Abort while paused") << Ending::AbortButton << true << 1 << 0;
    QTest::newRow("Escape while paused") << Ending::Escape << true << 1 << 0;
    QTest::newRow("title bar") << Ending::TitleBarClose << false << 0 << 0;
    // Nobody could continue a paused walk once the window is gone, so it goes on.
    QTest::newRow("title bar while paused") << Ending::TitleBarClose << true << 0 << 1;
    QTest::newRow("end of the walk") << Ending::Close << false << 0 << 0;
}

void TestAddProgressWidget::endingTheWindow()
{
    QFETCH(Ending, ending);
    QFETCH(bool, paused);
    QFETCH(int, aborted);
    QFETCH(int, ready);

    AddProgressWidget* window = AddProgressWidget::instance();
    window->show(shelf.get());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (paused)
        window->pause();
    QSignalSpy readySpy(window, &AddProgressWidget::ready);
    QSignalSpy abortedSpy(window, &AddProgressWidget::aborted);
    VorendaShelf* shelfWhenAborted = nullptr;
    connect(window, &AddProgressWidget::aborted, this, [&] { shelfWhenAborted = window->shelf; });

    switch (ending) {
    case Ending::AbortButton:
        window->abortButton->click();
        break;
    case Ending::Escape:
        QTest::keyClick(window, Qt::Key_Escape);
        break;
    case Ending::TitleBarClose:
        window->windowHandle()->close();
        break;
    case Ending::Close:
        window->close();
        break;
    }
    disconnect(window, &AddProgressWidget::aborted, this, nullptr);

    QCOMPARE(abortedSpy.count(), aborted);
    QCOMPARE(readySpy.count(), ready);
    if (aborted)
        QCOMPARE(shelfWhenAborted, shelf.get());  // receivers still see whose walk it was
    QVERIFY(!window->isVisible());
    QVERIFY(!window->shelf);
    QVERIFY(!window->paused);
    QCOMPARE(window->pauseButton->text(), QStringLiteral("Pause"));
    // The window stays for the next walk.
    QCOMPARE(AddProgressWidget::instance(), window);
}

void TestAddProgressWidget::speaksTheUsersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("German") << "de"
                            << QStringList{QStringLiteral("Objekte werden zu Vorenda hinzugefügt"),
                                           QStringLiteral("Abbrechen"), QStringLiteral("Pause"),
                                           QStringLiteral("Fortsetzen")};
    QTest::newRow("Spanish") << "es"
                             << QStringList{QStringLiteral("Añadiendo elementos a Vorenda"), QStringLiteral("Detener"),
                                            QStringLiteral("Pausa"), QStringLiteral("Continuar")};
}

void TestAddProgressWidget::speaksTheUsersLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, texts);

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/Translations/Vorenda_%1.qm").arg(language)));
    QApplication::installTranslator(&translator);
    AddProgressWidget window;
    const QString pause = window.pauseButton->text();
    window.pause();
    const QString resume = window.pauseButton->text();
    QApplication::removeTranslator(&translator);

    QCOMPARE((QStringList {window.windowTitle(), window.abortButton->text(), pause, resume}), texts);
}

VORENDA_TEST_MAIN(TestAddProgressWidget)
#include "tst_addprogresswidget.moc"
