#pragma once

#include <QString>
#include <QStringList>

// The names a category header shows as its path, from the top category down. A header
// shows one line, elided in the middle, so of a path far longer than any line only the
// names at both ends are kept, with an ellipsis between them. A child's path is its
// parent's with one more name, so the paths of a deep chain of categories cost
// neither time nor memory of the square of its depth.
class CategoryPathNames
{
public:
    // Characters (with separators) kept at each end before the middle is left out:
    // both ends together fill a line across a screen 4,000 pixels wide, and thousands
    // of deep headers keep no more than that.
    static constexpr int keptAtEachEnd = 256;

    explicit CategoryPathNames(int separatorLength = 1);

    // The path of a category under this one, named `name`. Names without text at the
    // top add nothing.
    void append(const QString& name);
    QString joined(const QString& separator) const;
    // Whether names were left out in the middle.
    bool isCut() const { return cut; }

private:
    void leaveOutTheMiddle();

    int separatorLength;
    QStringList head;
    QStringList tail;
    int headLength = 0;
    int tailLength = 0;
    bool cut = false;
};
