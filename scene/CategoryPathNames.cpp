#include "CategoryPathNames.h"

CategoryPathNames::CategoryPathNames(int separatorLength)
    : separatorLength(separatorLength)
{
}

void CategoryPathNames::append(const QString& name)
{
    if (!cut && head.isEmpty() && name.isEmpty())
        return;
    const int length = name.size() + separatorLength;
    if (!cut) {
        head.append(name);
        headLength += length;
        if (headLength > 2 * keptAtEachEnd)
            leaveOutTheMiddle();
        return;
    }
    tail.append(name);
    tailLength += length;
    while (tail.size() > 1 && tailLength - (tail.first().size() + separatorLength) >= keptAtEachEnd) {
        tailLength -= tail.first().size() + separatorLength;
        tail.removeFirst();
    }
}

void CategoryPathNames::leaveOutTheMiddle()
{
    // The first names up to the kept length, the last ones likewise; only when names
    // are left between them is anything cut.
    int first = 0;
    int firstLength = 0;
    while (first < head.size() && firstLength < keptAtEachEnd)
        firstLength += head.at(first++).size() + separatorLength;
    int last = head.size();
    int lastLength = 0;
    while (last > first && lastLength < keptAtEachEnd)
        lastLength += head.at(--last).size() + separatorLength;
    if (last == first)
        return;
    tail = head.mid(last);
    tailLength = lastLength;
    head = head.mid(0, first);
    headLength = firstLength;
    cut = true;
}

QString CategoryPathNames::joined(const QString& separator) const
{
    if (!cut)
        return head.join(separator);
    return (head + QStringList(QString(QChar(0x2026))) + tail).join(separator);
}
