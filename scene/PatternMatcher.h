#pragma once

#include <QRegExp>
#include <QString>

// Whether a text holds a match of a QRegExp anywhere, exactly as `indexIn(text) != -1`
// answers it, but faster where that is safe:
// - plain text is looked for directly; ignoring case, texts and patterns of ASCII
//   characters only are compared as such (elsewhere Unicode case folding applies and
//   the expression decides);
// - QRegExp tries every start position in turn, so ".*z" on a long text without a z
//   costs the square of its length; "anywhere" is the same as "at the start, after any
//   prefix", so a pattern with unbounded repeats is tried once as
//   "^[\s\S]*(?:pattern)" instead.
// Not shareable between threads: each thread takes a copy.
class PatternMatcher
{
public:
    explicit PatternMatcher(const QRegExp& pattern = QRegExp());

    bool found(const QString& text);
    const QRegExp& pattern() const { return plain; }
    // True when the pattern has no special characters: a text extended by more plain
    // characters can only match where the shorter one did.
    static bool isPlainText(const QRegExp& pattern);
    // False for patterns that could keep the matcher busy for seconds on long texts:
    // invalid or overlong ones, back-references (they need the backtracking matcher)
    // and a repeated group that repeats inside ("(a*)*", "((a|aa)+)+").
    static bool isUsable(const QRegExp& pattern);

private:
    static constexpr int maxPatternLength = 256;
    // Below this length trying every start costs less than the single anchored pass.
    static constexpr int shortText = 128;

    // The outcome for a plain-text pattern, or -1 when the expression must decide.
    int findText(const QString& text) const;

    QRegExp plain;
    QRegExp anchored;
    bool repeats = false;
    // A plain, non-empty pattern: the text to look for, in lower case when case is
    // ignored and it is ASCII.
    QString needle;
    bool literal = false;
    bool asciiFold = false;
};
