#include "QuestionDriver.h"
#include "TestEnvironment.h"
#include "X11Properties.h"

#include "GetPasswordDialog.h"
#include "RemoveWarningDialog.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QX11Info>

// What the window manager is told about the question windows on a real X server.
class TestQuestionWindowsX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestEnvironment::instance()->initializeGlobals();
        if (!QX11Info::isPlatformX11())
            QSKIP("needs an X server");
    }
    void removeConfirmationBelongsToItsCabinet();
    void parentlessQuestionStaysAbove();
};

void TestQuestionWindowsX11::removeConfirmationBelongsToItsCabinet()
{
    QWidget cabinet;
    cabinet.resize(400, 300);
    auto* button = new QPushButton(QStringLiteral("Add"), &cabinet);
    cabinet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cabinet));
    QSignalSpy clicks(button, &QPushButton::clicked);

    RemoveWarningDialog dialog(&cabinet);
    QVector<quint32> transientFor;
    QVector<quint32> states;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        transientFor = X11Properties::property32(xcb_window_t(dialog.winId()), "WM_TRANSIENT_FOR", XCB_ATOM_WINDOW);
        states = X11Properties::property32(xcb_window_t(dialog.winId()), "_NET_WM_STATE", XCB_ATOM_ATOM);
        clickThroughWindow(button);
        typeKey(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(dialog.exec(QStringLiteral("Remove the selected items?"), {QStringLiteral("Notes")}), 0);
    QVERIFY(driver.ran());
    QCOMPARE(transientFor, QVector<quint32>{quint32(cabinet.winId())});
    QVERIFY(states.contains(X11Properties::atom("_NET_WM_STATE_MODAL")));
    QVERIFY(states.contains(X11Properties::atom("_NET_WM_STATE_ABOVE")));
    QCOMPARE(clicks.count(), 0);
}

void TestQuestionWindowsX11::parentlessQuestionStaysAbove()
{
    GetPasswordDialog dialog;
    QVector<quint32> states;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        states = X11Properties::property32(xcb_window_t(dialog.winId()), "_NET_WM_STATE", XCB_ATOM_ATOM);
        closeFromTitleBar(&dialog);
    });
    QCOMPARE(dialog.exec(QStringLiteral("Enter Kiosk Password"), QStringLiteral("5ebe2294ecd0e0f08eab7690d2a6ee69")), 0);
    QVERIFY(driver.ran());
    QVERIFY(states.contains(X11Properties::atom("_NET_WM_STATE_ABOVE")));
    QVERIFY(!states.contains(X11Properties::atom("_NET_WM_STATE_MODAL")));
}

VORENDA_TEST_MAIN(TestQuestionWindowsX11)
#include "tst_questionwindows_x11.moc"
