#include "JsonDuplicateKeys.h"

#include <QtTest>

// An object naming a key twice is found wherever it stands, the key told after its
// escapes are undone; the same key in other objects, and strings that only look like
// keys, are none.
class TestJsonDuplicateKeys : public QObject
{
    Q_OBJECT

private slots:
    void findsKeysNamedTwice_data();
    void findsKeysNamedTwice();
};

void TestJsonDuplicateKeys::findsKeysNamedTwice_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("duplicate");

    QTest::newRow("keys of their own") << QByteArray(R"({"a": 1, "b": {"c": [1, {"d": 2}]}})") << false;
    QTest::newRow("same key in sibling objects") << QByteArray(R"([{"a": 1}, {"a": 2}])") << false;
    QTest::newRow("same key in a nested object") << QByteArray(R"({"a": {"a": {"a": 1}}})") << false;
    QTest::newRow("value equal to a key") << QByteArray(R"({"a": "a", "b": ["b", "b"]})") << false;
    QTest::newRow("quotes, braces and commas in strings")
        << QByteArray(R"({"a": "}\", \"a", "b": "{", "c\"": 1, "c": 2})") << false;
    QTest::newRow("key twice") << QByteArray(R"({"children": [{}], "children": ""})") << true;
    QTest::newRow("key twice, deep") << QByteArray(R"([{"x": {"y": [{"k": 1, "j": 2, "k": 3}]}}])") << true;
    QTest::newRow("key twice, once escaped") << QByteArray(R"({"ab": 1, "\u0061\u0062": 2})") << true;
    QTest::newRow("key twice before the text breaks") << QByteArray(R"({"a": [1], "a": 2, ]]]})") << true;
    QTest::newRow("keys differing in case") << QByteArray(R"({"a": 1, "A": 2})") << false;
    QTest::newRow("escape at the end") << QByteArray(R"({"a": 1, "\)") << false;
    QTest::newRow("string left open") << QByteArray(R"({"a": 1, "a)") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestJsonDuplicateKeys::findsKeysNamedTwice()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, duplicate);
    QCOMPARE(jsonHasDuplicateKey(json), duplicate);
}

QTEST_APPLESS_MAIN(TestJsonDuplicateKeys)
#include "tst_jsonduplicatekeys.moc"
