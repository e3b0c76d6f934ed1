#include "QuestionDriver.h"
#include "TestEnvironment.h"

#include "GetPasswordDialog.h"
#include "RemoveWarningDialog.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QX11Info>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

xcb_atom_t atom(const char* name)
{
    xcb_connection_t* connection = QX11Info::connection();
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

QVector<quint32> property32(WId window, const char* name, xcb_atom_t type)
{
    xcb_connection_t* connection = QX11Info::connection();
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, xcb_window_t(window), atom(name), type, 0, 64), nullptr);
    QVector<quint32> values;
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
        for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i)
            values << data[i];
    }
    std::free(reply);
    return values;
}

QuestionDriver::Finder waiting(ModalWindow* window)
{
    return [window]() -> QWidget* { return window->isVisible() && window->isWaiting() ? window : nullptr; };
}

} // namespace

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
        transientFor = property32(dialog.winId(), "WM_TRANSIENT_FOR", XCB_ATOM_WINDOW);
        states = property32(dialog.winId(), "_NET_WM_STATE", XCB_ATOM_ATOM);
        clickThroughWindow(button);
        typeKey(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(dialog.exec(QStringLiteral("Remove the selected items?"), {QStringLiteral("Notes")}), 0);
    QVERIFY(driver.ran());
    QCOMPARE(transientFor, QVector<quint32>{quint32(cabinet.winId())});
    QVERIFY(states.contains(atom("_NET_WM_STATE_MODAL")));
    QVERIFY(states.contains(atom("_NET_WM_STATE_ABOVE")));
    QCOMPARE(clicks.count(), 0);
}

void TestQuestionWindowsX11::parentlessQuestionStaysAbove()
{
    GetPasswordDialog dialog;
    QVector<quint32> states;
    QuestionDriver driver(waiting(&dialog), [&](QWidget*) {
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        states = property32(dialog.winId(), "_NET_WM_STATE", XCB_ATOM_ATOM);
        closeFromTitleBar(&dialog);
    });
    QCOMPARE(dialog.exec(QStringLiteral("Enter Kiosk Password"), QStringLiteral("5ebe2294ecd0e0f08eab7690d2a6ee69")), 0);
    QVERIFY(driver.ran());
    QVERIFY(states.contains(atom("_NET_WM_STATE_ABOVE")));
    QVERIFY(!states.contains(atom("_NET_WM_STATE_MODAL")));
}

VORENDA_TEST_MAIN(TestQuestionWindowsX11)
#include "tst_questionwindows_x11.moc"
