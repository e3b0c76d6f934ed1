#include "TestEnvironment.h"

#include "DynamicAction.h"
#include "ObjectEventFilter.h"

#include <QFocusEvent>
#include <QResizeEvent>

class TestDynamicAction : public QObject
{
    Q_OBJECT

private slots:
    void emission_data();
    void emission();
    void delayedReadsCheckedStateWhenTimerFires();
    void bothSignalFormsRun();
    void filterReportsAndSwallowsOnlyItsType_data();
    void filterReportsAndSwallowsOnlyItsType();
};

namespace {

// Records every event that reaches it.
class EventSink : public QObject
{
public:
    QList<QEvent::Type> seen;
    bool event(QEvent* event) override
    {
        seen.append(event->type());
        return QObject::event(event);
    }
};

} // namespace

void TestDynamicAction::emission_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<bool>("duringTrigger");
    QTest::newRow("at once") << -1 << true;
    QTest::newRow("next loop pass") << 0 << false;
    QTest::newRow("50 ms") << 50 << false;
}

void TestDynamicAction::emission()
{
    QFETCH(int, delay);
    DynamicAction action(nullptr);
    action.setData(QStringLiteral("payload"));
    action.setDelayed(delay != -1, delay);
    QList<QVariant> received;
    connect(&action, &DynamicAction::triggered, this, [&](const QVariant& data, bool) { received.append(data); });

    action.trigger();
    QTEST(received.size() == 1, "duringTrigger");
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received.first(), QVariant(QStringLiteral("payload")));
    QTest::qWait(qMax(delay, 0) + 30);
    QCOMPARE(received.size(), 1);
}

void TestDynamicAction::delayedReadsCheckedStateWhenTimerFires()
{
    DynamicAction action(nullptr);
    action.setCheckable(true);
    action.setDelayed(true, 0);
    QList<bool> states;
    connect(&action, &DynamicAction::triggered, this, [&](const QVariant&, bool checked) { states.append(checked); });

    action.trigger(); // checks it
    action.trigger(); // unchecks it before either timer fires
    action.setData(42);
    QCOMPARE(states.size(), 0);
    QTRY_COMPARE(states.size(), 2);
    QCOMPARE(states, (QList<bool>{false, false}));

    action.trigger();
    QTRY_COMPARE(states.size(), 3);
    QCOMPARE(states.last(), true);
}

void TestDynamicAction::bothSignalFormsRun()
{
    DynamicAction action(nullptr);
    action.setData(7);
    QSignalSpy shortForm(&action, SIGNAL(triggered(QVariant)));
    QSignalSpy longForm(&action, SIGNAL(triggered(QVariant, bool)));
    action.trigger();
    QCOMPARE(shortForm.size(), 1);
    QCOMPARE(longForm.size(), 1);
    QCOMPARE(shortForm.first().first(), QVariant(7));
}

void TestDynamicAction::filterReportsAndSwallowsOnlyItsType_data()
{
    QTest::addColumn<bool>("consume");
    QTest::newRow("swallowing") << true;
    QTest::newRow("passing") << false;
}

void TestDynamicAction::filterReportsAndSwallowsOnlyItsType()
{
    QFETCH(bool, consume);
    QList<QEvent::Type> reported;
    ObjectEventFilter filter(QEvent::FocusOut, consume);
    connect(&filter, &ObjectEventFilter::filterEvent, this, [&](QEvent* event) { reported.append(event->type()); });
    EventSink first;
    EventSink second;
    first.installEventFilter(&filter);
    second.installEventFilter(&filter);

    QFocusEvent focusOut(QEvent::FocusOut);
    QFocusEvent focusIn(QEvent::FocusIn);
    QResizeEvent resize(QSize(10, 10), QSize(5, 5));
    QCoreApplication::sendEvent(&first, &focusOut);
    QCoreApplication::sendEvent(&first, &focusIn);
    QCoreApplication::sendEvent(&first, &resize);
    QCoreApplication::sendEvent(&second, &focusOut);

    QCOMPARE(reported, (QList<QEvent::Type>{QEvent::FocusOut, QEvent::FocusOut}));
    const QList<QEvent::Type> passed{QEvent::FocusIn, QEvent::Resize};
    const QList<QEvent::Type> all{QEvent::FocusOut, QEvent::FocusIn, QEvent::Resize};
    QCOMPARE(first.seen, consume ? passed : all);
    QCOMPARE(second.seen.contains(QEvent::FocusOut), !consume);
}

VORENDA_TEST_MAIN(TestDynamicAction)
#include "tst_dynamicaction.moc"
