#include "SmallFilesystem.h"
#include "TestEnvironment.h"

#include "ControllerFixture.h"
#include "FailedSaves.h"
#include "ShelfDataFile.h"
#include "QuestionDriver.h"
#include "UnsavedFilesQuestion.h"
#include "VorendaGlobal.h"
#include "VorendaMain.h"
#include "VorendaShelf.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <cerrno>
#include <cstring>
#include <memory>

// The store folder on a filesystem that turns read-only (as root too) or fills up
// while the program runs: a failed save says so at once in the cabinet's status label
// with the system's reason, a message tells of each failing file once until it saved
// again, and a quit asks whether to try again, which saves once the cause is gone.
class TestFailedSaves : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void toldOncePerFileUntilSaved_data();
    void toldOncePerFileUntilSaved();
    void quitAnywayLeavesTheOldFiles();
    // Last: the quit it runs ends every later event loop at once.
    void quitTriesAgainUntilSaved();

private:
    VorendaShelf* newShelf(const QString& name);
    static QByteArray readAll(const QString& path);
    static QString readOnlyReason() { return QString::fromLocal8Bit(std::strerror(EROFS)); }
    // Makes the store read-only or full, or takes that away again.
    bool setFault(const QString& fault, bool on);
    // Runs the event loop until what was posted before has run.
    static void settle();
    // The texts of the buttons of the question window, left to right.
    static QStringList buttonTexts(QMessageBox* box);

    std::unique_ptr<VorendaMain> controller;
    QString store;
    bool mounted = false;
};

// Answers every message box with its first button and keeps what they said.
class MessageReader : public QObject
{
public:
    MessageReader()
    {
        connect(&poll, &QTimer::timeout, this, [this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(window);
                if (box && box->isVisible() && !box->buttons().isEmpty()) {
                    texts << box->text();
                    box->buttons().first()->click();
                }
            }
        });
        poll.start(5);
    }
    QStringList texts;

private:
    QTimer poll;
};

void TestFailedSaves::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    VorendaGlobal::verCheckUrl = QStringLiteral("http://127.0.0.1:1/vercheck.xml");
    store = QDir(VorendaGlobal::getRootLocation()).absolutePath();
    QVERIFY(QDir().mkpath(store));
    if (!SmallFilesystem::mount(store, 4 * 1024 * 1024))
        QSKIP(qPrintable(QStringLiteral("no small filesystem: ") + SmallFilesystem::why()));
    mounted = true;
}

void TestFailedSaves::init()
{
    QSettings().setValue(QStringLiteral("Main/WelcomeShown"), true);
    controller = std::make_unique<VorendaMain>(nullptr);
}

void TestFailedSaves::cleanup()
{
    // With the cause gone every file saves, and nothing is left failing.
    setFault(QStringLiteral("read-only"), false);
    setFault(QStringLiteral("full"), false);
    if (controller)
        controller->save();
    for (VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves))
        shelf->save();
    QVERIFY(FailedSaves::instance().isEmpty());
    controller.reset();
    ControllerFixture::deleteShelves();
}

void TestFailedSaves::cleanupTestCase()
{
    if (mounted)
        SmallFilesystem::unmount(store);
}

VorendaShelf* TestFailedSaves::newShelf(const QString& name)
{
    VorendaShelf* shelf = controller->onCreateNewShelf(QString(), 0, -1);
    shelf->name = name;
    shelf->save();
    return shelf;
}

QByteArray TestFailedSaves::readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void TestFailedSaves::settle()
{
    bool reached = false;
    QTimer::singleShot(0, [&reached] { reached = true; });
    QTRY_VERIFY(reached);
}

QStringList TestFailedSaves::buttonTexts(QMessageBox* box)
{
    QList<QAbstractButton*> buttons = box->buttons();
    std::sort(buttons.begin(), buttons.end(),
              [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
    QStringList texts;
    for (QAbstractButton* button : buttons)
        texts << button->text();
    return texts;
}

bool TestFailedSaves::setFault(const QString& fault, bool on)
{
    if (fault == QLatin1String("read-only"))
        return SmallFilesystem::setReadOnly(store, on);
    const QString filler = store + QStringLiteral("/filler");
    return on ? SmallFilesystem::fill(store) : (!QFile::exists(filler) || QFile::remove(filler));
}

void TestFailedSaves::toldOncePerFileUntilSaved_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only") << QStringLiteral("read-only") << readOnlyReason();
    QTest::newRow("full") << QStringLiteral("full") << QString::fromLocal8Bit(std::strerror(ENOSPC));
}

void TestFailedSaves::toldOncePerFileUntilSaved()
{
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    VorendaShelf* shelf = newShelf(QStringLiteral("Work"));
    const QString file = ShelfDataFile::path(*shelf);
    const QByteArray before = readAll(file);
    QVERIFY(before.contains("name=\"Work\""));
    MessageReader messages;
    QVERIFY2(setFault(fault, true), qPrintable(SmallFilesystem::why()));

    // The status label says it before anything else runs; the message follows.
    shelf->name = QStringLiteral("Work 2");
    shelf->save();
    QCOMPARE(shelf->statusLabel->text(), QStringLiteral("Not saved: ") + reason);
    QTRY_COMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts.first().startsWith(QStringLiteral("Vorenda could not save the cabinet \"Work 2\" to %1:\n%2\n")
                                                   .arg(file, reason)),
             qPrintable(messages.texts.first()));
    QCOMPARE(readAll(file), before);

    // Failing again, the label says it again; the message is not repeated.
    shelf->statusLabel->clear();
    shelf->save();
    QCOMPARE(shelf->statusLabel->text(), QStringLiteral("Not saved: ") + reason);
    settle();
    QCOMPARE(messages.texts.size(), 1);

    // The main data file is a file of its own.
    controller->save();
    QTRY_COMPARE(messages.texts.size(), 2);
    QVERIFY2(messages.texts.last().startsWith(QStringLiteral("Vorenda could not save the list of cabinets and the "
                                                             "preferences to %1:\n%2\n")
                                                  .arg(VorendaMain::dataFilePath(), reason)),
             qPrintable(messages.texts.last()));
    controller->save();
    settle();
    QCOMPARE(messages.texts.size(), 2);

    // The cause gone, the next save succeeds and the label is the cabinet's again.
    QVERIFY(setFault(fault, false));
    shelf->save();
    QVERIFY(readAll(file).contains("name=\"Work 2\""));
    QVERIFY(!shelf->statusLabel->text().startsWith(QStringLiteral("Not saved")));
    QVERIFY(!FailedSaves::instance().contains(file));
    QVERIFY(FailedSaves::instance().contains(VorendaMain::dataFilePath()));

    // Saved once, a new failure of that file is told again; the other file's is not.
    QVERIFY(setFault(fault, true));
    shelf->save();
    controller->save();
    QTRY_COMPARE(messages.texts.size(), 3);
    settle();
    QCOMPARE(messages.texts.size(), 3);
    QVERIFY(messages.texts.last().startsWith(QStringLiteral("Vorenda could not save the cabinet \"Work 2\"")));
}

void TestFailedSaves::quitAnywayLeavesTheOldFiles()
{
    VorendaShelf* shelf = newShelf(QStringLiteral("Kept"));
    controller->save();
    const QString file = ShelfDataFile::path(*shelf);
    const QByteArray before = readAll(file);
    const QByteArray listBefore = readAll(VorendaMain::dataFilePath());
    QVERIFY(SmallFilesystem::setReadOnly(store, true));
    shelf->name = QStringLiteral("Lost");

    QString text;
    QStringList buttons;
    QuestionDriver question(QuestionDriver::visible<QMessageBox>(), [&](QWidget* window) {
        auto* box = static_cast<QMessageBox*>(window);
        text = box->text();
        buttons = buttonTexts(box);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == QLatin1String("Quit Anyway"))
                button->click();
        }
    });
    int saves = 0;
    UnsavedFilesQuestion::saveBeforeQuit([&] {
        ++saves;
        controller->save();
        shelf->save();
    });
    QVERIFY(question.ran());
    QCOMPARE(saves, 1);
    QCOMPARE(buttons, (QStringList{QStringLiteral("Try Again"), QStringLiteral("Quit Anyway")}));
    QVERIFY2(text.contains(QStringLiteral("the cabinet \"Lost\" (%1): %2").arg(file, readOnlyReason())), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("the list of cabinets and the preferences (%1): %2")
                               .arg(VorendaMain::dataFilePath(), readOnlyReason())),
             qPrintable(text));
    QCOMPARE(readAll(file), before);
    QCOMPARE(readAll(VorendaMain::dataFilePath()), listBefore);

    // The question told of them: no message comes after it.
    MessageReader messages;
    settle();
    QCOMPARE(messages.texts, QStringList());
}

void TestFailedSaves::quitTriesAgainUntilSaved()
{
    VorendaShelf* shelf = newShelf(QStringLiteral("Before"));
    const QString file = ShelfDataFile::path(*shelf);
    QVERIFY(SmallFilesystem::setReadOnly(store, true));
    shelf->name = QStringLiteral("After");

    // The first answer tries again with the cause still there, and is asked again; the
    // second removes it first.
    int asked = 0;
    std::unique_ptr<QuestionDriver> second;
    const auto tryAgain = [&asked](QWidget* window) {
        ++asked;
        for (QAbstractButton* button : static_cast<QMessageBox*>(window)->buttons()) {
            if (button->text() == QLatin1String("Try Again"))
                button->click();
        }
    };
    QuestionDriver first(QuestionDriver::visible<QMessageBox>(), [&](QWidget* window) {
        second = std::make_unique<QuestionDriver>(QuestionDriver::visible<QMessageBox>(), [&](QWidget* again) {
            QVERIFY(SmallFilesystem::setReadOnly(store, false));
            tryAgain(again);
        });
        tryAgain(window);
    });
    controller->quitAction->trigger();
    QVERIFY(first.ran());
    QVERIFY(second && second->ran());
    QCOMPARE(asked, 2);
    QVERIFY(FailedSaves::instance().isEmpty());
    QVERIFY(readAll(file).contains("name=\"After\""));
    QVERIFY(readAll(VorendaMain::dataFilePath()).contains(shelf->id.toLatin1()));
}

VORENDA_SMALL_FILESYSTEM_TEST_MAIN(TestFailedSaves)

#include "tst_failedsaves.moc"
