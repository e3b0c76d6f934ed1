#include "TestEnvironment.h"

#include "HotkeyWidget.h"

#include <QApplication>
#include <QStyleFactory>

// The hotkey field: what a press shows, what stays after the release, the grey
// placeholder, and a field filled by the panel that a lost focus leaves alone.
class TestHotkeyWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pressAndRelease_data();
    void pressAndRelease();
    void heldModifierShowsAloneThenKey();
    void focusLossReleasesHeldKeys();
    void panelTextSurvivesFocusLoss();
    void placeholderOnlyWhenEmptyAndUnfocused();

private:
    // Two fields in an active window; the second has the focus.
    struct Window
    {
        QWidget window;
        HotkeyWidget* field = new HotkeyWidget(&window);
        HotkeyWidget* other = new HotkeyWidget(&window);
    };
    static bool activate(Window& w);
    static int greyPixels(const QImage& image);
};

void TestHotkeyWidget::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // A steady text cursor, so two pictures of a focused field are alike.
    QApplication::setCursorFlashTime(0);
}

bool TestHotkeyWidget::activate(Window& w)
{
    w.field->setGeometry(0, 0, 160, 24);
    w.other->setGeometry(0, 30, 160, 24);
    w.window.show();
    QApplication::setActiveWindow(&w.window);
    if (!QTest::qWaitForWindowActive(&w.window))
        return false;
    w.other->setFocus();
    return QTest::qWaitFor([&] { return w.other->hasFocus(); });
}

int TestHotkeyWidget::greyPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - c.green()) < 8 && qAbs(c.green() - c.blue()) < 8 && c.red() > 120 && c.red() < 200)
                ++count;
        }
    }
    return count;
}

void TestHotkeyWidget::pressAndRelease_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("kept");

    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    QTest::newRow("Ctrl+F10") << int(Qt::Key_F10) << ctrl << "Ctrl+F10" << "Ctrl+F10";
    QTest::newRow("F5 alone") << int(Qt::Key_F5) << 0 << "F5" << "";
    QTest::newRow("Ctrl+F5") << int(Qt::Key_F5) << ctrl << "Ctrl+F5" << "Ctrl+F5";
    QTest::newRow("Home alone") << int(Qt::Key_Home) << 0 << "Home" << "Home";
    QTest::newRow("Shift+Left") << int(Qt::Key_Left) << shift << "Shift+Left" << "Shift+Left";
    QTest::newRow("Shift+A keeps Shift") << int(Qt::Key_A) << shift << "Shift+A" << "";
    QTest::newRow("Ctrl+Shift+A") << int(Qt::Key_A) << ctrl + shift << "Ctrl+Shift+A" << "Ctrl+Shift+A";
    QTest::newRow("Shift+1 drops Shift") << int(Qt::Key_1) << shift << "1" << "";
    QTest::newRow("Ctrl+Shift+1") << int(Qt::Key_1) << ctrl + shift << "Ctrl+1" << "Ctrl+1";
    QTest::newRow("Ctrl+Shift+Tab drops Shift") << int(Qt::Key_Tab) << ctrl + shift << "Ctrl+Tab" << "";
    QTest::newRow("Meta+Space") << int(Qt::Key_Space) << int(Qt::MetaModifier) << "Meta+Space" << "Meta+Space";
    QTest::newRow("Shift+Space alone") << int(Qt::Key_Space) << shift << "Shift+Space" << "";
    QTest::newRow("keypad bit dropped") << int(Qt::Key_5) << ctrl + int(Qt::KeypadModifier) << "Ctrl+5" << "Ctrl+5";
    // As X11 reports it, a modifier key's own press comes with the state before it.
    QTest::newRow("modifier alone") << int(Qt::Key_Control) << 0 << "Ctrl+" << "";
    QTest::newRow("Alt alone") << int(Qt::Key_Alt) << 0 << "Alt+" << "";
    QTest::newRow("Ctrl+Escape clears") << int(Qt::Key_Escape) << ctrl << "Ctrl+Esc" << "";
    QTest::newRow("Backspace clears") << int(Qt::Key_Backspace) << 0 << "Backspace" << "";
    QTest::newRow("Ctrl+Delete clears") << int(Qt::Key_Delete) << ctrl << "Ctrl+Del" << "";
    QTest::newRow("Ctrl+Return clears") << int(Qt::Key_Return) << ctrl << "Ctrl+Return" << "";
    QTest::newRow("unknown key") << int(Qt::Key_unknown) << ctrl << "Ctrl+" << "";
}

void TestHotkeyWidget::pressAndRelease()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, pressed);
    QFETCH(QString, kept);

    HotkeyWidget field;
    field.setText(QStringLiteral("Ctrl+F12"));
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
    QApplication::sendEvent(&field, &press);
    QCOMPARE(field.text(), pressed);
    QVERIFY(press.isAccepted());
    QKeyEvent release(QEvent::KeyRelease, key, Qt::KeyboardModifiers(modifiers));
    QApplication::sendEvent(&field, &release);
    QCOMPARE(field.text(), kept);
}

void TestHotkeyWidget::heldModifierShowsAloneThenKey()
{
    HotkeyWidget field;
    QTest::keyPress(&field, Qt::Key_Control, Qt::NoModifier);
    QCOMPARE(field.text(), QStringLiteral("Ctrl+"));
    QTest::keyPress(&field, Qt::Key_F10, Qt::ControlModifier);
    QCOMPARE(field.text(), QStringLiteral("Ctrl+F10"));
    // Letting go of the modifier first keeps the whole combination.
    QTest::keyRelease(&field, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyRelease(&field, Qt::Key_F10, Qt::NoModifier);
    QCOMPARE(field.text(), QStringLiteral("Ctrl+F10"));
}

void TestHotkeyWidget::focusLossReleasesHeldKeys()
{
    Window w;
    QVERIFY(activate(w));
    w.field->setFocus();
    QTRY_VERIFY(w.field->hasFocus());
    QTest::keyPress(w.field, Qt::Key_Alt, Qt::NoModifier);
    QCOMPARE(w.field->text(), QStringLiteral("Alt+"));
    w.other->setFocus();
    QTRY_VERIFY(!w.field->hasFocus());
    QCOMPARE(w.field->text(), QString());
}

void TestHotkeyWidget::panelTextSurvivesFocusLoss()
{
    Window w;
    QVERIFY(activate(w));
    w.field->setFocus();
    QTRY_VERIFY(w.field->hasFocus());
    QTest::keyClick(w.field, Qt::Key_F9, Qt::ControlModifier);
    QCOMPARE(w.field->text(), QStringLiteral("Ctrl+F9"));

    // The panel is cancelled and shown again with the stored hotkey: the sequence
    // pressed before must not come back when the field loses the focus.
    w.field->setText(QStringLiteral("Ctrl+F10"));
    w.other->setFocus();
    QTRY_VERIFY(!w.field->hasFocus());
    QCOMPARE(w.field->text(), QStringLiteral("Ctrl+F10"));
}

void TestHotkeyWidget::placeholderOnlyWhenEmptyAndUnfocused()
{
    Window w;
    QVERIFY(activate(w));
    QCOMPARE(w.field->emptyText(), QStringLiteral("None"));
    const auto withoutPlaceholder = [&] {
        const QString text = w.field->emptyText();
        w.field->setEmptyText(QString());
        const QImage image = w.field->grab().toImage();
        w.field->setEmptyText(text);
        return image;
    };

    // Empty and unfocused: the grey word.
    QVERIFY(greyPixels(w.field->grab().toImage()) > greyPixels(withoutPlaceholder()) + 10);

    // Filled by the panel: its text only.
    w.field->setText(QStringLiteral("Home"));
    QCOMPARE(w.field->grab().toImage(), withoutPlaceholder());

    // Empty but focused: nothing grey either.
    w.field->setText(QString());
    w.field->setFocus();
    QTRY_VERIFY(w.field->hasFocus());
    QCOMPARE(w.field->grab().toImage(), withoutPlaceholder());
}

VORENDA_TEST_MAIN(TestHotkeyWidget)
#include "tst_hotkeywidget.moc"
