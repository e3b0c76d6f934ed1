#include "TestEnvironment.h"

#include "PatternMatcher.h"

#include <QRegExp>
#include <QStringList>

#include <functional>
#include <random>

// The search's matcher answers exactly as QRegExp::indexIn(text) != -1 does, for plain
// text, case folding beyond ASCII, and expressions it tries anchored on long texts.
class TestPatternMatcher : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithTheExpression_data();
    void agreesWithTheExpression();
    void randomExpressionsAgree();
    void plainText_data();
    void plainText();
};

namespace {

// Long enough for the anchored form: words, a newline now and then, no z and no q.
QString longText(const QString& tail = QString())
{
    static const QStringList words{QStringLiteral("lorem"), QStringLiteral("ipsum"), QStringLiteral("dolor"), QStringLiteral("sit"), QStringLiteral("amet"), QStringLiteral("elit"), QStringLiteral("sed"), QStringLiteral("tempor"), QStringLiteral("labore"),
                                   QStringLiteral("magna"), QStringLiteral("veniam"), QStringLiteral("nostrud"), QStringLiteral("ullamco"), QStringLiteral("laboris"), QStringLiteral("nisi"), QStringLiteral("commodo")};
    QString text;
    for (int i = 0; text.size() < 600; ++i)
        text += words.at(i * 7 % words.size()) + (i % 9 == 8 ? QLatin1Char('\n') : QLatin1Char(' '));
    return text + tail;
}

bool expected(const QRegExp& pattern, const QString& text)
{
    QRegExp copy(pattern);
    return copy.indexIn(text) != -1;
}

} // namespace

void TestPatternMatcher::agreesWithTheExpression_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("sensitivity");
    QTest::addColumn<int>("syntax");
    QTest::addColumn<QStringList>("texts");

    const QStringList names{QStringLiteral("Internet"), QStringLiteral("NETWORK"), QStringLiteral("abc"), QStringLiteral(""), QStringLiteral("net"), QStringLiteral("ne t"), QStringLiteral("Ünet")};
    const int ci = Qt::CaseInsensitive;
    const int cs = Qt::CaseSensitive;
    const int rx = QRegExp::RegExp;
    QTest::newRow("plain, case ignored") << QStringLiteral("net") << ci << rx << names;
    QTest::newRow("plain, case kept") << QStringLiteral("Net") << cs << rx << (names + QStringList{QStringLiteral("Network")});
    QTest::newRow("fixed string with specials") << QStringLiteral("a.c(") << ci << int(QRegExp::FixedString)
                                                << QStringList{QStringLiteral("xa.c(y"), QStringLiteral("abc("), QStringLiteral("A.C(")};
    // Unicode case folding turns these into the ASCII letters of the pattern.
    QTest::newRow("long s") << QStringLiteral("s") << ci << rx << QStringList{QString(QChar(0x017F)), QStringLiteral("S"), QStringLiteral("x")};
    QTest::newRow("kelvin sign") << QStringLiteral("k") << ci << rx << QStringList{QString(QChar(0x212A)), QStringLiteral("K")};
    QTest::newRow("sharp s") << QStringLiteral("ss") << ci << rx << QStringList{QString(QChar(0x00DF)), QStringLiteral("SS"), QStringLiteral("Stra\u00dfe")};
    QTest::newRow("dotted capital i") << QStringLiteral("i") << ci << rx << QStringList{QString(QChar(0x0130)), QString(QChar(0x0131))};
    QTest::newRow("final sigma") << QString(QChar(0x03C3)) << ci << rx
                                 << QStringList{QString(QChar(0x03C2)), QString(QChar(0x03A3))};
    QTest::newRow("capital non-ASCII") << QStringLiteral("\u00e9t\u00e9") << ci << rx
                                       << QStringList{QStringLiteral("\u00c9T\u00c9"), QStringLiteral("ete")};

    const QStringList longOnes{longText(), longText(QStringLiteral("z")), longText(QStringLiteral("\nz")), QStringLiteral("z") + longText(),
                               longText(QStringLiteral("q7")), longText(QStringLiteral("x1"))};
    QTest::newRow("dot star") << QStringLiteral(".*z") << ci << rx << longOnes;
    QTest::newRow("captured dot star") << QStringLiteral("(.*)z") << ci << rx << longOnes;
    QTest::newRow("dot star chain") << QStringLiteral("e.*e.*e.*q") << ci << rx << longOnes;
    QTest::newRow("class repeat") << QStringLiteral("[^a]*zz") << ci << rx << longOnes;
    QTest::newRow("alternation repeat") << QStringLiteral("(a|e)+q") << ci << rx << longOnes;
    QTest::newRow("word and digit") << QStringLiteral("\\w+q\\d") << ci << rx << longOnes;
    QTest::newRow("open range") << QStringLiteral("o{2,}") << ci << rx << (longOnes + QStringList{longText(QStringLiteral("oo"))});
    QTest::newRow("caret") << QStringLiteral("^lorem.*z") << ci << rx << longOnes;
    QTest::newRow("dollar") << QStringLiteral("r.*z$") << ci << rx << longOnes;
    QTest::newRow("lookahead") << QStringLiteral("l(?=a).*q") << ci << rx << longOnes;
    QTest::newRow("negative lookahead") << QStringLiteral("x(?!1).*") << ci << rx << longOnes;
    QTest::newRow("word boundary") << QStringLiteral("\\bz+") << ci << rx << longOnes;
    QTest::newRow("case kept") << QStringLiteral("Z.*") << cs << rx << longOnes;
    QTest::newRow("minimal repeat") << QStringLiteral("e.+?q") << ci << int(QRegExp::RegExp2) << longOnes;
    QTest::newRow("empty") << QStringLiteral("") << ci << rx << QStringList{QStringLiteral(""), QStringLiteral("x"), longText()};
    QTest::newRow("invalid") << QStringLiteral("(a*") << ci << rx << QStringList{QStringLiteral(""), QStringLiteral("aaa"), longText()};
}

void TestPatternMatcher::agreesWithTheExpression()
{
    QFETCH(QString, pattern);
    QFETCH(int, sensitivity);
    QFETCH(int, syntax);
    QFETCH(QStringList, texts);
    const QRegExp expression(pattern, Qt::CaseSensitivity(sensitivity), QRegExp::PatternSyntax(syntax));
    PatternMatcher matcher(expression);
    for (const QString& text : texts)
        QCOMPARE(matcher.found(text), expected(expression, text));
}

void TestPatternMatcher::randomExpressionsAgree()
{
    // Small expressions of repeats, classes, groups, anchors and lookaheads over texts
    // short and long, in a fixed sequence.
    std::mt19937 random(20240611);
    const auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    std::function<QString(int)> sequence;
    const auto atom = [&](int depth) -> QString {
        static const QStringList simple{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("A"), QStringLiteral("."), QStringLiteral("[ab]"), QStringLiteral("[^a]"), QStringLiteral("\\w"), QStringLiteral("\\d"), QStringLiteral("\\s"), QStringLiteral("\\b"),
                                        QStringLiteral("^"), QStringLiteral("$"), QStringLiteral("\\n"), QStringLiteral(" "), QStringLiteral("x"), QStringLiteral("\\."), QStringLiteral("[a-c]")};
        const int kind = pick(depth < 2 ? simple.size() + 4 : simple.size());
        if (kind < simple.size())
            return simple.at(kind);
        static const QStringList groups{QStringLiteral("("), QStringLiteral("(?:"), QStringLiteral("(?="), QStringLiteral("(?!")};
        return groups.at(kind - simple.size()) + sequence(depth + 1) + QLatin1Char(')');
    };
    sequence = [&](int depth) {
        QString text;
        for (int i = 1 + pick(3); i > 0; --i) {
            text += atom(depth);
            static const QStringList repeats{QStringLiteral(""), QStringLiteral(""), QStringLiteral(""), QStringLiteral(""), QStringLiteral(""), QStringLiteral("*"), QStringLiteral("+"), QStringLiteral("?"), QStringLiteral("{1,2}"), QStringLiteral("{2,}")};
            text += repeats.at(pick(repeats.size()));
        }
        if (pick(4) == 0)
            text += QLatin1Char('|') + atom(depth);
        return text;
    };
    const auto text = [&] {
        static const QString letters = QStringLiteral("abcAxB \n.1");
        QString result;
        for (int i = pick(4) == 0 ? 130 + pick(200) : pick(25); i > 0; --i)
            result += letters.at(pick(letters.size()));
        return result;
    };
    for (int round = 0; round < 1500; ++round) {
        const QRegExp expression(sequence(0), Qt::CaseInsensitive, QRegExp::RegExp);
        PatternMatcher matcher(expression);
        for (int i = 0; i < 12; ++i) {
            const QString sample = text();
            if (matcher.found(sample) != expected(expression, sample))
                QFAIL(qPrintable(QStringLiteral("\"%1\" on \"%2\"").arg(expression.pattern(), sample)));
        }
    }
}

void TestPatternMatcher::plainText_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("syntax");
    QTest::addColumn<bool>("plain");
    QTest::newRow("words") << QStringLiteral("item 12") << int(QRegExp::RegExp) << true;
    QTest::newRow("empty") << QStringLiteral("") << int(QRegExp::RegExp) << true;
    QTest::newRow("dot") << QStringLiteral("a.c") << int(QRegExp::RegExp) << false;
    QTest::newRow("brace") << QStringLiteral("a{2}") << int(QRegExp::RegExp) << false;
    QTest::newRow("backslash") << QStringLiteral("a\\d") << int(QRegExp::RegExp) << false;
    QTest::newRow("fixed string") << QStringLiteral("a.c") << int(QRegExp::FixedString) << true;
    QTest::newRow("wildcard") << QStringLiteral("abc") << int(QRegExp::Wildcard) << false;
}

void TestPatternMatcher::plainText()
{
    QFETCH(QString, pattern);
    QFETCH(int, syntax);
    QFETCH(bool, plain);
    QCOMPARE(PatternMatcher::isPlainText(QRegExp(pattern, Qt::CaseInsensitive, QRegExp::PatternSyntax(syntax))), plain);
}

VORENDA_TEST_MAIN(TestPatternMatcher)
#include "tst_patternmatcher.moc"
