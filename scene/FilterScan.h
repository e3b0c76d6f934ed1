#pragma once

#include <QObject>
#include <QThreadPool>
#include <QVector>

#include <memory>

class CustomSortFilterProxyModel;

// Finds the rows of a CustomSortFilterProxyModel's source model that its filter
// accepts, by the proxy's own rule, on the calling thread and on worker threads at
// once. The calling thread takes part for a bounded time; rows left when that time is
// up are copied out of the model and tested in the background, so a pattern that is
// slow on long texts never holds the program for long. A new scan drops the one still
// running in the background.
//
// When the last finished scan had a plain-text pattern and the new one extends it,
// rows that were rejected and still hold the same values are rejected again without a
// search: a text that does not contain "item" cannot contain "item 1".
class FilterScan : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool running READ isRunning)

public:
    explicit FilterScan(QObject* parent = nullptr);
    ~FilterScan() override;

    // Starts a scan of the rows under the source's root with the proxy's current rule
    // and works on it for up to timeBudget() milliseconds. True when every row was
    // tested in that time (acceptedRows() holds the result); false when the rest goes on
    // in the background and `finished` follows. The source model must not change while
    // the call runs; afterwards the scan no longer reads it.
    bool start(const CustomSortFilterProxyModel& proxy);
    // What a start may spend before the rest goes to the background; 40 ms, so that a
    // keystroke in a search box never waits long. A scan of a few dozen rows always
    // finishes in start(), unless the budget is 0.
    int timeBudget() const { return budget; }
    void setTimeBudget(int milliseconds) { budget = milliseconds; }
    // Drops the scan under way; its `finished` does not come.
    void cancel();
    bool isRunning() const { return running != nullptr; }
    // The accepted rows of the last finished scan, ascending, and how many rows it had.
    const QVector<int>& acceptedRows() const { return accepted; }
    int scannedRows() const { return scanned; }

signals:
    void finished();

private:
    struct Scan;
    struct Pass;

    void runPass(const std::shared_ptr<Pass>& pass, int workers);
    void passDone(quint64 id);
    void finish(const std::shared_ptr<Scan>& scan);

    QThreadPool pool;
    std::shared_ptr<Pass> running;
    // The last finished scan, when a later one may narrow it down.
    std::shared_ptr<const Scan> last;
    QVector<int> accepted;
    int scanned = 0;
    int budget = 40;
    // Nanoseconds one thread spent per row in the last scan here; below 0 unknown.
    double rowCost = -1.0;
    quint64 passes = 0;
};
