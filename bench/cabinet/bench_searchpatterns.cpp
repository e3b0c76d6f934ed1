// Typing search patterns, one character at a time, into a shown cabinet whose items
// carry 2,000-character descriptions, searching all fields: for each pattern the longest
// time one keystroke kept the program from taking input (the keystroke itself or any
// later step of its search), the time from the last keystroke to the final hits, and the
// hits. Cabinets of 1,000 and 10,000 items in 20 categories, 1920 x 1080.
// Target: no keystroke over 100 ms at 10,000 items, whatever the pattern.
//
// bench_searchpatterns [items]

#include "../support/SearchCabinet.h"

#include "CabinetTestFixtures.h"

#include "DockableWidget.h"
#include "SearchBox.h"

#include <QApplication>
#include <QTextStream>

namespace {

// Words of the descriptions; every letter but z and q appears, so patterns asking for
// them run through whole descriptions.
const char* const words[] = {"lorem", "ipsum", "dolor", "sit", "amet", "consectetur", "adipiscing", "elit",
                             "sed", "do", "eiusmod", "tempor", "incididunt", "ut", "labore", "et",
                             "dolore", "magna", "aliya", "enim", "ad", "minim", "veniam", "nostrud",
                             "exercitation", "ullamco", "laboris", "nisi", "aliyuip", "ex", "ea", "commodo",
                             "cupidatat", "non", "proident", "sunt", "in", "culpa", "officia", "deserunt",
                             "mollit", "anim", "id", "est", "laborum", "vix", "bhwg", "fjk"};

QString description(quint32 seed)
{
    QString text;
    text.reserve(2100);
    while (text.size() < 2000) {
        seed = seed * 1664525u + 1013904223u;
        text += QLatin1String(words[(seed >> 16) % (sizeof(words) / sizeof(words[0]))]);
        text += (seed >> 8) % 11 == 0 ? QLatin1Char('\n') : QLatin1Char(' ');
    }
    text.truncate(2000);
    return text.trimmed();
}

// Whether the cabinet's search still works on a text; a build without a search that
// goes on after the keystroke never is.
bool searchPending(const VorendaShelf& shelf)
{
    const QObject* search = shelf.findChild<QObject*>(QStringLiteral("cabinetSearch"));
    return search && search->property("running").toBool();
}

struct Typed
{
    double longest = 0.0; // ms, the longest step that blocked input
    double result = 0.0;  // ms from the last keystroke to the final hits
    int hits = 0;
};

// Runs the events until the search is done; the longest single pass, in ms.
double settle(const VorendaShelf& shelf)
{
    double longest = 0.0;
    QElapsedTimer total;
    total.start();
    do {
        QElapsedTimer pass;
        pass.start();
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        longest = qMax(longest, pass.nsecsElapsed() / 1e6);
    } while (searchPending(shelf) && total.elapsed() < 1800000);
    return longest;
}

Typed type(VorendaShelf& shelf, const QString& pattern)
{
    shelf.searchBox->clear();
    settle(shelf);
    Typed typed;
    QElapsedTimer sinceLast;
    for (int length = 1; length <= pattern.size(); ++length) {
        QElapsedTimer key;
        key.start();
        sinceLast.start();
        shelf.searchBox->setText(pattern.left(length));
        typed.longest = qMax(typed.longest, key.nsecsElapsed() / 1e6);
        typed.longest = qMax(typed.longest, settle(shelf));
    }
    typed.result = sinceLast.nsecsElapsed() / 1e6;
    const QList<AbstractThumbnailItem*> found = shelf.view->getFilter();
    typed.hits = found.size() == 1 && !found.first() ? 0 : found.size();
    return typed;
}

void measure(int count, QTextStream& out)
{
    VorendaShelf shelf;
    fillSearchCabinet(shelf, count, [](MyThumbnailItem& item, int i) {
        item.properties.notes = description(quint32(i) * 2654435761u);
    });
    shelf.filtertype = 3;

    const QStringList patterns{QStringLiteral("labore magna"), QStringLiteral(".*z"), QStringLiteral("e.*e.*e.*q"),
                               QStringLiteral("[^a]*zz"), QStringLiteral("(a|e)+q"), QStringLiteral("\\w+q\\d")};
    for (const QString& pattern : patterns) {
        const Typed typed = type(shelf, pattern);
        out << QStringLiteral("%1 | %2 | %3 | %4 | %5\n")
                   .arg(count, 6)
                   .arg(pattern, -12)
                   .arg(typed.longest, 13, 'f', 1)
                   .arg(typed.result, 10, 'f', 1)
                   .arg(typed.hits, 5);
        out.flush();
    }
    shelf.searchBox->clear();
    settle(shelf);
    shelf.frame->hide();
}

} // namespace

int main(int argc, char** argv)
{
    prepareOffscreenRun();
    QApplication app(argc, argv);
    TemporaryStore store;

    const QList<int> counts = countsFromArguments(argc, argv, {1000, 10000});
    QTextStream out(stdout);
    out << "Search patterns typed into a cabinet with 2,000-character descriptions, all fields\n";
    out << " items | pattern      | longest key ms | result ms | hits\n";
    for (int count : counts)
        measure(count, out);
    out << "longest key = the longest time one keystroke or one later step of its search held\n"
           "the program; result = from the last keystroke to the final hits.\n";
    return 0;
}
