#include "HotkeyReceiver.h"
#include "TestEnvironment.h"

#include "GlobalHotkeyBackend.h"
#include "HotkeyManager.h"
#include "VorendaGlobal.h"

#include <QFile>

class TestHotkeyManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void idsStartAtOneAndFailuresUseNone();
    void oneRegistrationIsShared();
    void destroyedReceiverReleasesRegistration();
    void refusedSequenceIsRetriedOnNextConnect();
    void unknownIdAndEmptySequenceDoNothing();
    void clearReleasesEverything();
    void withoutX11RegistrationFailsWithLogLine();
};

namespace {

// Stands in for the desktop: records registrations and refuses chosen sequences.
class FakeBackend : public GlobalHotkeyBackend
{
public:
    QMap<int, QKeySequence> registered;
    QList<QKeySequence> refused;
    int registerCalls = 0;

    bool registerHotkey(int id, const QKeySequence& sequence) override
    {
        ++registerCalls;
        if (refused.contains(sequence))
            return false;
        registered.insert(id, sequence);
        return true;
    }
    void unregisterHotkey(int id) override { registered.remove(id); }
    QString errorString() const override { return QStringLiteral("taken by a fake"); }
    void press(const QKeySequence& sequence) { emit activated(registered.key(sequence, -1)); }
};

FakeBackend* installFake()
{
    auto backend = std::make_unique<FakeBackend>();
    FakeBackend* fake = backend.get();
    HotkeyManager::setBackend(std::move(backend));
    return fake;
}

} // namespace

void TestHotkeyManager::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
}

void TestHotkeyManager::idsStartAtOneAndFailuresUseNone()
{
    FakeBackend* fake = installFake();
    fake->refused.append(QKeySequence(QStringLiteral("Ctrl+F11")));
    HotkeyReceiver receiver;
    QVERIFY(HotkeyManager::connect(QKeySequence(QStringLiteral("Ctrl+F10")), &receiver, SLOT(onHotkey())));
    QVERIFY(!HotkeyManager::connect(QKeySequence(QStringLiteral("Ctrl+F11")), &receiver, SLOT(onHotkey())));
    QVERIFY(HotkeyManager::connect(QKeySequence(QStringLiteral("Meta+Space")), &receiver, SLOT(onHotkey())));

    QCOMPARE(HotkeyManager::hotkeyId(QKeySequence(QStringLiteral("Ctrl+F10"))), 1);
    QCOMPARE(HotkeyManager::hotkeyId(QKeySequence(QStringLiteral("Ctrl+F11"))), 0);
    QVERIFY(HotkeyManager::isBound(QKeySequence(QStringLiteral("Ctrl+F11"))));
    QCOMPARE(HotkeyManager::hotkeyId(QKeySequence(QStringLiteral("Meta+Space"))), 2);

    // Rebinding gives a new id; old ones are never handed out again.
    HotkeyManager::disconnect(QKeySequence(QStringLiteral("Ctrl+F10")), &receiver, SLOT(onHotkey()));
    QVERIFY(HotkeyManager::connect(QKeySequence(QStringLiteral("Ctrl+F10")), &receiver, SLOT(onHotkey())));
    QCOMPARE(HotkeyManager::hotkeyId(QKeySequence(QStringLiteral("Ctrl+F10"))), 3);
    HotkeyManager::clear();
}

void TestHotkeyManager::oneRegistrationIsShared()
{
    FakeBackend* fake = installFake();
    const QKeySequence sequence(QStringLiteral("Ctrl+1"));
    HotkeyReceiver first;
    HotkeyReceiver second;
    QVERIFY(HotkeyManager::connect(sequence, &first, SLOT(onHotkey())));
    QVERIFY(HotkeyManager::connect(sequence, &second, SIGNAL(relayed())));
    QVERIFY(HotkeyManager::connect(sequence, &second, SLOT(onHotkey())));
    QVERIFY(HotkeyManager::connect(sequence, &second, SLOT(onHotkey()))); // twice: still one call
    QSignalSpy relayed(&second, &HotkeyReceiver::relayed);
    QCOMPARE(fake->registerCalls, 1);
    QCOMPARE(fake->registered.size(), 1);

    fake->press(sequence);
    QCOMPARE(first.calls, 1);
    QCOMPARE(second.calls, 1);
    QCOMPARE(relayed.size(), 1);

    HotkeyManager::disconnect(sequence, &first, SLOT(onHotkey()));
    HotkeyManager::disconnect(sequence, &second, SIGNAL(relayed()));
    QCOMPARE(fake->registered.size(), 1);
    fake->press(sequence);
    QCOMPARE(first.calls, 1);
    QCOMPARE(second.calls, 2);

    HotkeyManager::disconnect(sequence, &second, SLOT(onHotkey()));
    QVERIFY(fake->registered.isEmpty());
    QVERIFY(!HotkeyManager::isBound(sequence));
}

void TestHotkeyManager::destroyedReceiverReleasesRegistration()
{
    FakeBackend* fake = installFake();
    auto* doomed = new HotkeyReceiver;
    HotkeyReceiver survivor;
    QVERIFY(HotkeyManager::connect(QKeySequence(QStringLiteral("Ctrl+F5")), doomed, SLOT(onHotkey())));
    QVERIFY(HotkeyManager::connect(QKeySequence(QStringLiteral("Ctrl+F6")), doomed, SLOT(onHotkey())));
    QVERIFY(HotkeyManager::connect(QKeySequence(QStringLiteral("Ctrl+F6")), &survivor, SLOT(onHotkey())));
    delete doomed;

    QCOMPARE(fake->registered.values(), QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+F6"))});
    fake->press(QKeySequence(QStringLiteral("Ctrl+F6")));
    QCOMPARE(survivor.calls, 1);
    HotkeyManager::clear();
}

void TestHotkeyManager::refusedSequenceIsRetriedOnNextConnect()
{
    FakeBackend* fake = installFake();
    const QKeySequence sequence(QStringLiteral("Ctrl+Alt+V"));
    fake->refused.append(sequence);
    HotkeyReceiver receiver;
    QVERIFY(!HotkeyManager::connect(sequence, &receiver, SLOT(onHotkey())));
    fake->refused.clear(); // the other program let it go
    QVERIFY(HotkeyManager::connect(sequence, &receiver, SLOT(onHotkey())));
    QVERIFY(HotkeyManager::hotkeyId(sequence) > 0);
    fake->press(sequence);
    QCOMPARE(receiver.calls, 1);
    HotkeyManager::clear();
}

void TestHotkeyManager::unknownIdAndEmptySequenceDoNothing()
{
    FakeBackend* fake = installFake();
    HotkeyReceiver receiver;
    QVERIFY(!HotkeyManager::connect(QKeySequence(), &receiver, SLOT(onHotkey())));
    QCOMPARE(fake->registerCalls, 0);
    QVERIFY(HotkeyManager::connect(QKeySequence(QStringLiteral("F9")), &receiver, SLOT(onHotkey())));
    emit fake->activated(9999);
    emit fake->activated(0);
    QCOMPARE(receiver.calls, 0);
    HotkeyManager::disconnect(QKeySequence(), &receiver, SLOT(onHotkey()));
    HotkeyManager::disconnect(QKeySequence(QStringLiteral("F8")), &receiver, SLOT(onHotkey()));
    QCOMPARE(fake->registered.size(), 1);
    HotkeyManager::clear();
}

void TestHotkeyManager::clearReleasesEverything()
{
    FakeBackend* fake = installFake();
    HotkeyReceiver receiver;
    HotkeyManager::connect(QKeySequence(QStringLiteral("Ctrl+F1")), &receiver, SLOT(onHotkey()));
    HotkeyManager::connect(QKeySequence(QStringLiteral("Ctrl+F2")), &receiver, SLOT(onHotkey()));
    HotkeyManager::clear();
    QVERIFY(fake->registered.isEmpty());
    QVERIFY(!HotkeyManager::isBound(QKeySequence(QStringLiteral("Ctrl+F1"))));
}

void TestHotkeyManager::withoutX11RegistrationFailsWithLogLine()
{
    // The tests run on the offscreen platform: no X server to grab keys on.
    HotkeyManager::setBackend(GlobalHotkeyBackend::create());
    VorendaGlobal::logEnabled = true;
    HotkeyReceiver receiver;
    QVERIFY(!HotkeyManager::connect(QKeySequence(QStringLiteral("Ctrl+F10")), &receiver, SLOT(onHotkey())));
    QVERIFY(HotkeyManager::isBound(QKeySequence(QStringLiteral("Ctrl+F10"))));
    VorendaGlobal::logEnabled = false;

    QFile log(VorendaGlobal::getLogFileName());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    QVERIFY2(text.contains(QStringLiteral("HotkeyManager: Could not register the hotkey \"Ctrl+F10\"")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("offscreen")));
    HotkeyManager::clear();
}

VORENDA_TEST_MAIN(TestHotkeyManager)
#include "tst_hotkeymanager.moc"
