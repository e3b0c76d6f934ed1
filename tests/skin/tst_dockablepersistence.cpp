#include "TestEnvironment.h"

#include "DockableWidget.h"
#include "HotkeyManager.h"

#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

class TestDockablePersistence : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void maximisedUndockedRoundTrip();
    void undockedSavesItsGeometryTwice();
    void attributes_data();
    void attributes();
    void unknownNestedElementIsSkipped();
    void dockedOnRemovedScreenComesBackUndocked();
    void dockedFrameFollowsGrownScreen();
    void showHotkeyRoundTripRebindsGlobally();
    void settingsWithoutModeChangeNothing();
    void settingsRoundTripOfMaximisedDockedFrame();

private:
    QWidget* window(const QRect& geometry, bool show = true);
    QList<QWidget*> windows;
};

namespace {

QRect screen()
{
    return QGuiApplication::primaryScreen()->geometry();
}

QString saved(DockableWidget& frame)
{
    QString xml;
    QXmlStreamWriter writer(&xml);
    writer.writeStartElement(QStringLiteral("Window"));
    frame.save(writer);
    writer.writeEndElement();
    return xml;
}

// Restores from `xml`, whose first element is the frame's enclosing element;
// `next` receives the name of the first element after it.
bool restored(DockableWidget& frame, const QString& xml, QString* next = nullptr)
{
    QXmlStreamReader reader(QStringLiteral("<Settings>") + xml + QStringLiteral("<Next/></Settings>"));
    reader.readNextStartElement();
    reader.readNextStartElement();
    const bool result = frame.restore(reader);
    if (next) {
        *next = reader.isEndElement() ? reader.name().toString() + QStringLiteral(" closed") : QString();
        if (reader.readNextStartElement())
            *next += QStringLiteral(", then ") + reader.name().toString();
    }
    return result;
}

QXmlStreamAttributes attributesOf(const QString& xml, const QString& element)
{
    QXmlStreamReader reader(xml);
    while (reader.readNextStartElement()) {
        if (reader.name() == element)
            return reader.attributes();
        if (reader.name() != QLatin1String("Window"))
            reader.skipCurrentElement();
    }
    return {};
}

QRect rectOf(const QString& xml, const QString& element)
{
    const QXmlStreamAttributes a = attributesOf(xml, element);
    return QRect(a.value(QStringLiteral("x")).toInt(), a.value(QStringLiteral("y")).toInt(),
                 a.value(QStringLiteral("width")).toInt(), a.value(QStringLiteral("height")).toInt());
}

} // namespace

void TestDockablePersistence::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
}

void TestDockablePersistence::cleanup()
{
    qDeleteAll(windows);
    windows.clear();
    HotkeyManager::clear();
}

QWidget* TestDockablePersistence::window(const QRect& geometry, bool show)
{
    // Frameless, as the skinned cabinet windows are.
    auto* widget = new QWidget(nullptr, Qt::FramelessWindowHint);
    widget->setGeometry(geometry);
    if (show)
        widget->show();
    windows.append(widget);
    return widget;
}

void TestDockablePersistence::maximisedUndockedRoundTrip()
{
    auto* frame = new DockableWidget(window(QRect(100, 100, 400, 300)), 0);
    frame->showMaximized();
    const QString xml = saved(*frame);
    QCOMPARE(attributesOf(xml, QStringLiteral("Attributes")).value(QStringLiteral("maximized")), QLatin1String("1"));
    QCOMPARE(rectOf(xml, QStringLiteral("Undocked")), QRect(100, 100, 400, 300));

    QWidget* widget = window(QRect(0, 0, 50, 50), false);
    DockableWidget copy(widget, 0);
    QString next;
    QVERIFY(restored(copy, xml, &next));
    QCOMPARE(next, QStringLiteral("Window closed, then Next"));
    QVERIFY(copy.isMaximized());
    QCOMPARE(widget->geometry(), screen());
    QVERIFY(!widget->isVisible()); // its owner shows it
    copy.showNormal();
    QCOMPARE(widget->geometry(), QRect(100, 100, 400, 300));
}

void TestDockablePersistence::undockedSavesItsGeometryTwice()
{
    QWidget* widget = window(QRect(100, 100, 400, 300));
    DockableWidget frame(widget, 0);
    widget->setGeometry(120, 90, 350, 250);
    const QString xml = saved(frame);
    QCOMPARE(rectOf(xml, QStringLiteral("Shown")), QRect(120, 90, 350, 250));
    QCOMPARE(rectOf(xml, QStringLiteral("Undocked")), QRect(120, 90, 350, 250));
    QCOMPARE(attributesOf(xml, QStringLiteral("Attributes")).value(QStringLiteral("mode")), QLatin1String("0"));
}

void TestDockablePersistence::attributes_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("autoHide");
    QTest::addColumn<int>("autoHideDelay");
    QTest::addColumn<int>("showDelay");
    QTest::addColumn<int>("visibleSize");
    QTest::addColumn<int>("duration");
    QTest::addColumn<bool>("result");
    const int minDelay = DockableWidget::minimumAutoHideDelay;
    const int minDuration = DockableWidget::minimumSlideDuration;
    const QString undocked = QStringLiteral("<Undocked x='50' y='60' width='200' height='100'/>");

    // No rectangle: cannot be placed from the file.
    QTest::newRow("only mode 2") << "<Window><Attributes mode='2'/></Window>" << 2 << false << minDelay << 0 << 0
                                 << minDuration << false;
    QTest::newRow("zero delay and duration")
        << QStringLiteral("<Window><Attributes autohide='1' autohidedelay='0' animduration='0'/>") + undocked
            + QStringLiteral("</Window>")
        << 0 << true << minDelay << 0 << 0 << minDuration << true;
    QTest::newRow("full") << QStringLiteral(
                                 "<Window><Attributes mode='0' autohide='1' autohidedelay='3000' showdelay='250' "
                                 "animduration='800' visiblesize='4'/>")
            + undocked + QStringLiteral("</Window>")
                          << 0 << true << 3000 << 250 << 4 << 800 << true;
    QTest::newRow("bad values") << QStringLiteral("<Window><Attributes mode='9' visiblesize='-5' showdelay='soon' "
                                                  "autohidedelay='-1'/>")
            + undocked + QStringLiteral("</Window>")
                                << 0 << false << minDelay << 0 << 0 << minDuration << true;
    // Numbers at the ends of int are bounded before any arithmetic on them.
    const QString extremeRects = QStringLiteral(
        "<Shown x='2147483647' y='2147483647' width='16777215' height='16777215'/>"
        "<Docked x='-2147483648' y='2147483647' width='2147483647' height='16777215'/>"
        "<Undocked x='2147483647' y='-2147483648' width='16777215' height='16777215'/>");
    QTest::newRow("extreme numbers, undocked")
        << QStringLiteral("<Window><Attributes mode='0' autohide='1' autohidedelay='2147483647' showdelay='2147483647' "
                          "animduration='2147483647' visiblesize='2147483647'/>")
            + extremeRects + QStringLiteral("</Window>")
        << 0 << true << DockableWidget::maximumDelay << DockableWidget::maximumDelay << QWIDGETSIZE_MAX
        << DockableWidget::maximumDelay << true;
    QTest::newRow("extreme numbers, docked")
        << QStringLiteral("<Window><Attributes mode='3' autohidedelay='-2147483648' showdelay='-2147483648' "
                          "animduration='-2147483648' visiblesize='-2147483648'/>")
            + extremeRects + QStringLiteral("</Window>")
        << 3 << false << minDelay << 0 << 0 << minDuration << true;
    QTest::newRow("empty sizes skipped")
        << "<Window><Attributes/><Undocked x='5' y='5' width='0' height='-3'/></Window>" << 0 << false << minDelay
        << 0 << 0 << minDuration << false;
}

void TestDockablePersistence::attributes()
{
    QFETCH(QString, xml);
    QWidget* widget = window(QRect(100, 100, 400, 300), false);
    DockableWidget frame(widget, 0);
    const bool result = restored(frame, xml);
    QTEST(int(frame.mode()), "mode");
    QTEST(frame.isAutoHide(), "autoHide");
    QTEST(frame.autoHideDelay(), "autoHideDelay");
    QTEST(frame.showDelay(), "showDelay");
    QTEST(frame.visibleSize(), "visibleSize");
    QTEST(frame.animationDuration(), "duration");
    QTEST(result, "result");
    QVERIFY(!frame.isMaximized());
    QVERIFY(widget->geometry().isValid());
}

void TestDockablePersistence::unknownNestedElementIsSkipped()
{
    QWidget* widget = window(QRect(100, 100, 400, 300), false);
    DockableWidget frame(widget, 0);
    QString next;
    QVERIFY(restored(
        frame,
        QStringLiteral("<Window><Extra a='1'><Window><Attributes mode='3'/></Window><Deep><Deeper/></Deep></Extra>"
                       "<Attributes autohide='1' autohidedelay='3000'/>"
                       "<Undocked x='50' y='60' width='200' height='100'/><Hotkeys hide='Ctrl+H' mouse='1'/></Window>"),
        &next));
    QCOMPARE(next, QStringLiteral("Window closed, then Next"));
    QCOMPARE(frame.mode(), DockableWidget::Undocked);
    QCOMPARE(frame.autoHideDelay(), 3000);
    QCOMPARE(widget->geometry(), QRect(50, 60, 200, 100));
    QCOMPARE(frame.hideHotkey(), QKeySequence(QStringLiteral("Ctrl+H")));
    QVERIFY(frame.showsByMouse());
}

void TestDockablePersistence::dockedOnRemovedScreenComesBackUndocked()
{
    QWidget* widget = window(QRect(10, 10, 50, 50), false);
    DockableWidget frame(widget, 0);
    const QRect far(screen().right() + 4000, 100, 300, 200);
    const QString xml = QStringLiteral("<Window><Attributes mode='1' autohide='1' autohidedelay='2000' "
                                       "animduration='600'/>"
                                       "<Docked x='%1' y='100' width='300' height='200'/>"
                                       "<Shown x='%2' y='100' width='300' height='200'/>"
                                       "<Undocked x='100' y='120' width='300' height='200'/></Window>")
                            .arg(far.left())
                            .arg(far.left() + 300);
    QVERIFY(!restored(frame, xml));
    QCOMPARE(frame.mode(), DockableWidget::Undocked);
    QVERIFY(widget->isVisible());
    QCOMPARE(widget->geometry(), QRect(100, 120, 300, 200));
}

void TestDockablePersistence::dockedFrameFollowsGrownScreen()
{
    // Saved at the right edge of a narrower screen.
    const int oldRight = screen().right() - 200;
    QWidget* widget = window(QRect(10, 10, 50, 50), false);
    DockableWidget frame(widget, 0);
    const QString xml = QStringLiteral("<Window><Attributes mode='3' autohide='1' autohidedelay='2000' "
                                       "animduration='600'/>"
                                       "<Docked x='%1' y='100' width='300' height='200'/>"
                                       "<Shown x='%2' y='100' width='300' height='200'/></Window>")
                            .arg(oldRight + 1)
                            .arg(oldRight - 299);
    QVERIFY(restored(frame, xml));
    QCOMPARE(frame.mode(), DockableWidget::DockedRight);
    QCOMPARE(frame.state(), DockableWidget::Hidden);
    QCOMPARE(frame.dockedRect(), QRect(screen().right() + 1, 100, 300, 200));
    QCOMPARE(frame.shownRect(), QRect(screen().right() - 299, 100, 300, 200));
    QCOMPARE(widget->geometry(), frame.dockedRect());
    QVERIFY(!widget->isVisible());
}

void TestDockablePersistence::showHotkeyRoundTripRebindsGlobally()
{
    const QKeySequence sequence(Qt::CTRL | Qt::ALT | Qt::Key_V);
    QWidget* first = window(QRect(100, 100, 400, 300));
    auto* frame = new DockableWidget(first, 0);
    frame->setShowHotkey(sequence);
    frame->setShowModifiers(Qt::ShiftModifier);
    const QString xml = saved(*frame);
    const QXmlStreamAttributes hotkeys = attributesOf(xml, QStringLiteral("Hotkeys"));
    QCOMPARE(hotkeys.value(QStringLiteral("show")), QLatin1String("Ctrl+Alt+V"));
    QCOMPARE(hotkeys.value(QStringLiteral("modifiers")), QLatin1String("33554432"));
    delete frame;
    QVERIFY(!HotkeyManager::isBound(sequence));

    DockableWidget copy(window(QRect(0, 0, 50, 50), false), 0);
    QVERIFY(restored(copy, xml));
    QCOMPARE(copy.showHotkey(), sequence);
    QCOMPARE(copy.showModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier));
    QVERIFY(HotkeyManager::isBound(sequence));
    // A second restore replaces the binding instead of leaving the old one behind.
    QVERIFY(!restored(copy, QStringLiteral("<Window/>")));
    QVERIFY(!HotkeyManager::isBound(sequence));
}

void TestDockablePersistence::settingsWithoutModeChangeNothing()
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("frame.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("ShownRect"), QRect(1, 2, 3, 4));
    QWidget* widget = window(QRect(100, 100, 400, 300));
    DockableWidget frame(widget, 0);
    frame.setMode(DockableWidget::DockedTop);
    const QRect before = widget->geometry();
    QVERIFY(!frame.restore(settings));
    QCOMPARE(frame.mode(), DockableWidget::DockedTop);
    QCOMPARE(frame.state(), DockableWidget::Shown);
    QCOMPARE(widget->geometry(), before);
    QVERIFY(widget->isVisible());
}

void TestDockablePersistence::settingsRoundTripOfMaximisedDockedFrame()
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("frame.ini")), QSettings::IniFormat);
    QWidget* widget = window(QRect(100, 100, 300, 200));
    auto* frame = new DockableWidget(widget, 0);
    frame->setMode(DockableWidget::DockedLeft);
    frame->setShowDelay(300);
    frame->setHideHotkey(QKeySequence(QStringLiteral("Ctrl+H")));
    frame->showMaximized();
    settings.beginGroup(QStringLiteral("Frame"));
    frame->save(settings);
    settings.endGroup();
    settings.sync();

    QSettings reread(dir.filePath(QStringLiteral("frame.ini")), QSettings::IniFormat);
    reread.beginGroup(QStringLiteral("Frame"));
    QWidget* other = window(QRect(0, 0, 50, 50), false);
    DockableWidget copy(other, 0);
    QVERIFY(copy.restore(reread));
    QCOMPARE(copy.mode(), DockableWidget::DockedLeft);
    QCOMPARE(copy.showDelay(), 300);
    QCOMPARE(copy.hideHotkey(), QKeySequence(QStringLiteral("Ctrl+H")));
    QVERIFY(copy.isMaximized());
    QCOMPARE(other->frameGeometry().size(), screen().size());

    copy.show();
    QTRY_COMPARE(copy.state(), DockableWidget::Shown);
    copy.showNormal();
    QCOMPARE(other->frameGeometry(), QRect(0, 100, 300, 200));
}

VORENDA_TEST_MAIN(TestDockablePersistence)
#include "tst_dockablepersistence.moc"
