#include "TestEnvironment.h"

#include "XmlAttributes.h"

class TestXmlAttributes : public QObject
{
    Q_OBJECT

private slots:
    void setters_data();
    void setters();
    void keySequences();
    void unknownElementIsSkippedWhole();
    void deepNestingIsSkippedWithoutRecursion();
};

namespace {

QXmlStreamAttributes attributesOf(const QString& xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd() && !reader.isStartElement())
        reader.readNext();
    return reader.attributes();
}

} // namespace

void TestXmlAttributes::setters_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("intResult");
    QTest::addColumn<bool>("boolResult");
    QTest::addColumn<QString>("keepResult");
    QTest::addColumn<QString>("takeResult");
    // Targets start as int 7, bool true, strings "old".
    QTest::newRow("missing") << "<e/>" << 7 << true << "old" << "old";
    QTest::newRow("empty") << "<e v=''/>" << 7 << true << "old" << "";
    QTest::newRow("12px") << "<e v='12px'/>" << 0 << false << "12px" << "12px";
    QTest::newRow("2") << "<e v='2'/>" << 2 << true << "2" << "2";
    QTest::newRow("0") << "<e v='0'/>" << 0 << false << "0" << "0";
    QTest::newRow("true") << "<e v='true'/>" << 0 << false << "true" << "true";
    QTest::newRow("-5") << "<e v='-5'/>" << -5 << true << "-5" << "-5";
}

void TestXmlAttributes::setters()
{
    QFETCH(QString, element);
    const QXmlStreamAttributes attributes = attributesOf(element);
    int number = 7;
    setIntAttribute(attributes, QStringLiteral("v"), &number);
    QTEST(number, "intResult");
    bool flag = true;
    setBoolAttribute(attributes, QStringLiteral("v"), flag);
    QTEST(flag, "boolResult");
    QString kept = QStringLiteral("old");
    setStringAttribute(attributes, QStringLiteral("v"), kept, true);
    QTEST(kept, "keepResult");
    QString taken = QStringLiteral("old");
    setStringAttribute(attributes, QStringLiteral("v"), taken, false);
    QTEST(taken, "takeResult");
    setIntAttribute(attributes, QStringLiteral("v"), nullptr);
}

void TestXmlAttributes::keySequences()
{
    QKeySequence key(QStringLiteral("Ctrl+F10"));
    setKeySequenceAttribute(attributesOf(QStringLiteral("<e/>")), QStringLiteral("k"), key, false);
    QCOMPARE(key, QKeySequence(Qt::CTRL | Qt::Key_F10));
    setKeySequenceAttribute(attributesOf(QStringLiteral("<e k=''/>")), QStringLiteral("k"), key, true);
    QCOMPARE(key, QKeySequence(Qt::CTRL | Qt::Key_F10));
    setKeySequenceAttribute(attributesOf(QStringLiteral("<e k='Meta+Space'/>")), QStringLiteral("k"), key, true);
    QCOMPARE(key, QKeySequence(Qt::META | Qt::Key_Space));
    setKeySequenceAttribute(attributesOf(QStringLiteral("<e k=''/>")), QStringLiteral("k"), key, false);
    QVERIFY(key.isEmpty());
}

void TestXmlAttributes::unknownElementIsSkippedWhole()
{
    QXmlStreamReader reader(QStringLiteral(
        "<Root><Unknown a='1'><L1><L2><L3>text</L3></L2><!-- c --></L1></Unknown><Next/></Root>"));
    reader.readNextStartElement(); // Root
    reader.readNextStartElement(); // Unknown
    QCOMPARE(reader.name(), QLatin1String("Unknown"));
    readUnknownElement(reader);
    QVERIFY(reader.isEndElement());
    QCOMPARE(reader.name(), QLatin1String("Unknown"));
    QVERIFY(reader.readNextStartElement());
    QCOMPARE(reader.name(), QLatin1String("Next"));
    QVERIFY(!reader.hasError());
}

void TestXmlAttributes::deepNestingIsSkippedWithoutRecursion()
{
    const int depth = 100000;
    QByteArray xml = "<Root><Unknown>";
    xml.reserve(depth * 8 + 64);
    for (int i = 0; i < depth; ++i)
        xml += "<a>";
    for (int i = 0; i < depth; ++i)
        xml += "</a>";
    xml += "</Unknown><Next/></Root>";
    QXmlStreamReader reader(xml);
    reader.readNextStartElement();
    reader.readNextStartElement();
    readUnknownElement(reader);
    QVERIFY(reader.readNextStartElement());
    QCOMPARE(reader.name(), QLatin1String("Next"));

    // A broken document ends at its end, without a crash.
    QXmlStreamReader broken(QByteArray("<Root><Unknown><a><b>"));
    broken.readNextStartElement();
    broken.readNextStartElement();
    readUnknownElement(broken);
    QVERIFY(broken.atEnd() || broken.hasError());
}

VORENDA_TEST_MAIN(TestXmlAttributes)
#include "tst_xmlattributes.moc"
