#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QtTest>

// A private home for one test process: HOME, the XDG folders and the runtime
// folder point into a temporary folder, Qt's test mode is on and the store
// folder is a fresh one, so no test touches the user's files.
class TestEnvironment
{
public:
    TestEnvironment();

    static TestEnvironment* instance();

    QString root() const { return dir.path(); }
    QString home() const { return dir.path() + QStringLiteral("/home"); }
    QString storeFolder() const { return dir.path() + QStringLiteral("/store/"); }
    QString runtimeFolder() const { return dir.path() + QStringLiteral("/runtime"); }

    // Sets the application names, points the "StoreFolder" setting at storeFolder()
    // and runs VorendaGlobal::initialize(). In vorenda_testglobals, which links the core.
    void initializeGlobals();

    // The lines of the program's log at `path`, each without its time.
    static QStringList logLines(const QString& path);

    // Puts an executable shell script named `name` first on PATH, standing in for
    // a desktop program; returns its path.
    QString installStub(const QString& name, const QByteArray& script);

private:
    QTemporaryDir dir;
};

// Like QTEST_MAIN, with the test environment set up before the application object exists,
// and `first` done before either (while the process has one thread).
#define VORENDA_TEST_MAIN_APP_AFTER(TestObject, AppClass, first)                                        \
    int main(int argc, char** argv)                                                                    \
    {                                                                                                  \
        first;                                                                                         \
        TestEnvironment environment;                                                                   \
        AppClass app(argc, argv);                                                                      \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                       \
        TestObject test;                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                     \
        return QTest::qExec(&test, argc, argv);                                                        \
    }

#define VORENDA_TEST_MAIN_APP(TestObject, AppClass) VORENDA_TEST_MAIN_APP_AFTER(TestObject, AppClass, (void)0)
#define VORENDA_TEST_MAIN(TestObject) VORENDA_TEST_MAIN_APP(TestObject, QApplication)
