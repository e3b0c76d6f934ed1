#include "TestEnvironment.h"

#include "EditorItem.h"
#include "TextEdit.h"
#include "TextItem.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>

// In-place editing ends exactly once: Escape cancels, Return, Enter and focus loss
// commit, the parent's z value comes back once, and an editor disposed of by its
// owner on editingFinished() is never touched again.
class TestTextEditing : public QObject
{
    Q_OBJECT

private slots:
    void textItemEnds_data();
    void textItemEnds();
    void textItemDoesNotStartTwice();
    void aboutToEditChangesTheStartText();
    void textItemBounds();
    void naturalSizeHoldsForEveryWidth_data();
    void naturalSizeHoldsForEveryWidth();
    void editorsAreMadeForAnEditOnly();
    void editorItemEnds_data();
    void editorItemEnds();
    void editorItemSize();
    void bothItemsEndEditingOnceOnFocusOut_data();
    void bothItemsEndEditingOnceOnFocusOut();
};

enum Ending { Escape, Return, Enter, FocusLoss };

// A shown, active view with a parent rectangle, a sibling that can take the focus,
// and the item under test as the parent's child.
struct EditScene
{
    EditScene()
    {
        parent = scene.addRect(0, 0, 200, 40);
        parent->setZValue(3.0);
        sibling = scene.addRect(0, 100, 20, 20);
        sibling->setFlag(QGraphicsItem::ItemIsFocusable);
        view.setScene(&scene);
        view.resize(300, 200);
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
    }

    void end(Ending ending, QWidget* editor)
    {
        switch (ending) {
        case Escape:
            QTest::keyClick(editor, Qt::Key_Escape);
            break;
        case Return:
            QTest::keyClick(editor, Qt::Key_Return);
            break;
        case Enter:
            QTest::keyClick(editor, Qt::Key_Enter);
            break;
        case FocusLoss:
            sibling->setFocus(Qt::MouseFocusReason);
            break;
        }
    }

    QGraphicsScene scene;
    QGraphicsView view;
    QGraphicsRectItem* parent;
    QGraphicsRectItem* sibling;
};

static void typeInto(QWidget* editor, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(text);
    else if (auto* edit = qobject_cast<QTextEdit*>(editor))
        edit->setPlainText(text);
}

void TestTextEditing::textItemEnds_data()
{
    QTest::addColumn<int>("ending");
    QTest::addColumn<bool>("singleLine");
    QTest::addColumn<bool>("committed");
    QTest::newRow("escape") << int(Escape) << true << false;
    QTest::newRow("return") << int(Return) << true << true;
    QTest::newRow("enter, multi-line") << int(Enter) << false << true;
    QTest::newRow("focus loss") << int(FocusLoss) << true << true;
    QTest::newRow("focus loss, multi-line") << int(FocusLoss) << false << true;
    QTest::newRow("escape, multi-line") << int(Escape) << false << false;
}

void TestTextEditing::textItemEnds()
{
    QFETCH(int, ending);
    QFETCH(bool, singleLine);
    QFETCH(bool, committed);
    EditScene fixture;
    auto* item = new TextItem(singleLine, true, fixture.parent);
    item->setText(QStringLiteral("old"));
    item->setSize(QSizeF(150, 30));
    QSignalSpy started(item, &TextItem::editingStarted);
    QSignalSpy finished(item, &TextItem::editingFinished);
    // Reference arguments do not go through a signal spy.
    QStringList edited;
    connect(item, &TextItem::textEdited, this, [&edited](QString& text) { edited << text; });

    item->startEdit();
    QCOMPARE(started.count(), 1);
    QVERIFY(item->isEditing());
    QCOMPARE(fixture.parent->zValue(), 13.0);
    QWidget* editor = item->editorWidget();
    QVERIFY(singleLine ? bool(qobject_cast<QLineEdit*>(editor)) : bool(qobject_cast<TextEdit*>(editor)));
    QVERIFY(editor->hasFocus());
    typeInto(editor, QStringLiteral("  new name  "));

    fixture.end(Ending(ending), editor);
    QTRY_VERIFY(!item->isEditing());
    QTest::qWait(20);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(edited, committed ? QStringList{QStringLiteral("new name")} : QStringList());
    QCOMPARE(fixture.parent->zValue(), 3.0);
    QVERIFY(!item->editorProxy()->isVisible());
    // The item only edits; the receiver decides what to store.
    QCOMPARE(item->getText(), QStringLiteral("old"));

    // A late focus change after the end does nothing more.
    fixture.sibling->setFocus();
    item->setFocus();
    fixture.sibling->setFocus();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(edited.count(), committed ? 1 : 0);
}

void TestTextEditing::textItemDoesNotStartTwice()
{
    EditScene fixture;
    auto* item = new TextItem(true, false, fixture.parent);
    QSignalSpy started(item, &TextItem::editingStarted);
    int about = 0;
    connect(item, &TextItem::aboutToEdit, this, [&about](QString&) { ++about; });
    item->setEditable(false);
    item->startEdit();
    QCOMPARE(about, 0);
    item->setEditable(true);
    item->startEdit();
    item->startEdit();
    QCOMPARE(started.count(), 1);
    QCOMPARE(about, 1);
    QCOMPARE(fixture.parent->zValue(), 13.0);
    item->endEdit();
    item->endEdit();
    QCOMPARE(fixture.parent->zValue(), 3.0);
}

void TestTextEditing::aboutToEditChangesTheStartText()
{
    EditScene fixture;
    auto* item = new TextItem(true, true, fixture.parent);
    item->setText(QStringLiteral("shown  (3)"));
    connect(item, &TextItem::aboutToEdit, this, [](QString& text) { text = QStringLiteral("bare"); });
    item->startEdit();
    QCOMPARE(qobject_cast<QLineEdit*>(item->editorWidget())->text(), QStringLiteral("bare"));
    QCOMPARE(item->getText(), QStringLiteral("shown  (3)"));
    item->endEdit();
}

void TestTextEditing::textItemBounds()
{
    TextItem item(true, true);
    item.setText(QStringLiteral("abc"));
    item.setMargin(MarginProperty(1, 2, 3, 4));
    const QFontMetricsF metrics(item.getFont());
    QCOMPARE(item.boundingRect(),
             QRectF(0, 0, 6 + std::ceil(metrics.horizontalAdvance(QStringLiteral("abc"))), 4 + metrics.lineSpacing()));
    // A negative side is kept but the bounds still follow the text.
    item.setSize(QSizeF(-1, 40));
    QCOMPARE(item.getSize(), QSizeF(-1, 40));
    QCOMPARE(item.boundingRect().height(), 4 + metrics.lineSpacing());
    item.setSize(QSizeF(50, 20));
    QCOMPARE(item.boundingRect(), QRectF(0, 0, 50, 20));
    QCOMPARE(item.editorProxy()->size(), QSizeF(50, 20));
    QCOMPARE(item.type(), int(QGraphicsItem::UserType + 4));
}

void TestTextEditing::naturalSizeHoldsForEveryWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<double>>("widths");

    const QList<double> narrowingAndBack{1000.0, 20.0, 1000.0, 0.0, 55.5, 1000.0};
    QTest::newRow("short text") << QStringLiteral("Category 12") << narrowingAndBack;
    QTest::newRow("empty") << QString() << narrowingAndBack;
    // Longer than one measured piece: a narrow width measures only its start.
    QTest::newRow("long text") << QString(600, QLatin1Char('w')) << QList<double>{40.0, 5000.0, 300.0, 40.0, 100000.0};
}

void TestTextEditing::naturalSizeHoldsForEveryWidth()
{
    QFETCH(QString, text);
    QFETCH(QList<double>, widths);

    // One item asked at each width in turn answers as a new item asked at that width.
    TextItem asked(true, false);
    asked.setText(text);
    asked.setMargin(MarginProperty(1, 2, 3, 4));
    for (const double width : widths) {
        TextItem fresh(true, false);
        fresh.setText(text);
        fresh.setMargin(MarginProperty(1, 2, 3, 4));
        QCOMPARE(asked.naturalSize(width), fresh.naturalSize(width));
    }
}

void TestTextEditing::editorsAreMadeForAnEditOnly()
{
    // Each editor widget is a window of its own: a cabinet of thousands of category
    // headers must not make one for each.
    EditScene fixture;
    const int windows = QGuiApplication::allWindows().size();
    QList<TextItem*> items;
    for (int i = 0; i < 20; ++i) {
        auto* item = new TextItem(true, false);
        item->setEditable(true);
        item->setText(QStringLiteral("header %1").arg(i));
        item->setSize(QSizeF(120, 20));
        item->setParentItem(fixture.parent);
        items << item;
    }
    QCOMPARE(QGuiApplication::allWindows().size(), windows);
    items.first()->startEdit();
    QVERIFY(items.first()->isEditing());
    QVERIFY(items.first()->editorWidget()->hasFocus());
    QCOMPARE(items.first()->editorProxy()->size(), QSizeF(120, 20));
    QCOMPARE(QGuiApplication::allWindows().size(), windows + 1);
}

// The owner of an editor: fills it on aboutToEdit, stores the result, and disposes
// of it when the edit ends.
class EditorOwner : public QObject
{
public:
    explicit EditorOwner(EditorItem* editor)
        : editor(editor)
    {
        connect(editor, &EditorItem::aboutToEdit, this, [](QString& text) { text = QStringLiteral("label"); });
        connect(editor, &EditorItem::textEdited, this, [this](QString text) { results << text; });
        connect(editor, &EditorItem::editingFinished, this, [this]() {
            ++finished;
            this->editor->deleteLater();
        });
    }

    QPointer<EditorItem> editor;
    QStringList results;
    int finished = 0;
};

void TestTextEditing::editorItemEnds_data()
{
    QTest::addColumn<int>("ending");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("escape") << int(Escape) << QStringLiteral("x") << QStringList();
    QTest::newRow("return") << int(Return) << QStringLiteral(" renamed ") << QStringList{QStringLiteral("renamed")};
    QTest::newRow("blanks") << int(Return) << QStringLiteral("   ") << QStringList{QString()};
    QTest::newRow("focus loss") << int(FocusLoss) << QStringLiteral("moved") << QStringList{QStringLiteral("moved")};
}

void TestTextEditing::editorItemEnds()
{
    QFETCH(int, ending);
    QFETCH(QString, typed);
    QFETCH(QStringList, results);
    EditScene fixture;
    auto* item = new EditorItem(false, false, fixture.parent);
    item->setSize(QSizeF(120, 40));
    EditorOwner owner(item);
    QSignalSpy started(item, &EditorItem::editingStarted);

    item->startEdit();
    item->startEdit();
    QCOMPARE(started.count(), 1);
    QVERIFY(item->isVisible());
    QCOMPARE(fixture.parent->zValue(), 13.0);
    QWidget* editor = item->editorWidget();
    QCOMPARE(qobject_cast<QTextEdit*>(editor)->toPlainText(), QStringLiteral("label"));
    typeInto(editor, typed);

    fixture.end(Ending(ending), editor);
    QTRY_VERIFY(owner.editor.isNull());
    QCOMPARE(owner.finished, 1);
    QCOMPARE(owner.results, results);
    QCOMPARE(fixture.parent->zValue(), 3.0);
}

void TestTextEditing::editorItemSize()
{
    EditorItem item(true, true);
    QCOMPARE(item.boundingRect(), QRectF());
    const QSizeF proxySize = item.editorProxy()->size();
    item.setSize(QSizeF(-1, -1));
    QCOMPARE(item.editorProxy()->size(), proxySize);
    item.setSize(QSizeF(80, 24));
    QCOMPARE(item.boundingRect(), QRectF(0, 0, 80, 24));
    QCOMPARE(item.editorProxy()->size(), QSizeF(80, 24));
    QCOMPARE(item.type(), int(QGraphicsItem::UserType + 5));
}

void TestTextEditing::bothItemsEndEditingOnceOnFocusOut_data()
{
    QTest::addColumn<bool>("textItem");
    QTest::addColumn<bool>("singleLine");
    QTest::newRow("text item") << true << true;
    QTest::newRow("text item, multi-line") << true << false;
    QTest::newRow("editor item") << false << true;
    QTest::newRow("editor item, multi-line") << false << false;
}

// A focus-out commits once; later focus-outs and keys reach the closed editor without
// committing again, and the editor itself still learns that it lost the focus.
template <typename Item>
static void checkEndsOnceOnFocusOut(EditScene& fixture, Item* item)
{
    int commits = 0;
    QSignalSpy finished(item, &Item::editingFinished);
    QObject::connect(item, &Item::textEdited, item, [&commits] { ++commits; });
    item->startEdit();
    QWidget* editor = item->editorWidget();
    QVERIFY(editor->hasFocus());
    typeInto(editor, QStringLiteral("typed"));
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->selectAll();

    fixture.sibling->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(!item->isEditing());
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        QVERIFY(!line->hasSelectedText());

    QFocusEvent lateFocusOut(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(editor, &lateFocusOut);
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClick(editor, Qt::Key_Escape);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(commits, 1);
}

void TestTextEditing::bothItemsEndEditingOnceOnFocusOut()
{
    QFETCH(bool, textItem);
    QFETCH(bool, singleLine);
    EditScene fixture;
    if (textItem) {
        auto* item = new TextItem(singleLine, true, fixture.parent);
        item->setSize(QSizeF(150, 30));
        checkEndsOnceOnFocusOut(fixture, item);
    } else {
        auto* item = new EditorItem(singleLine, false, fixture.parent);
        item->setSize(QSizeF(150, 30));
        checkEndsOnceOnFocusOut(fixture, item);
    }
}

VORENDA_TEST_MAIN(TestTextEditing)
#include "tst_textediting.moc"
