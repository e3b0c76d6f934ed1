#include "FilterScan.h"

#include "CustomSortFilterProxyModel.h"
#include "RowFilter.h"

#include <QElapsedTimer>
#include <QThread>
#include <QVarLengthArray>

#include <atomic>
#include <limits>
#include <vector>

namespace {

// Rows a thread takes at a time: small enough that the threads end together.
constexpr int chunkRows = 64;

enum : quint8 { Untested = 0, Accepted = 1, Rejected = 2 };

} // namespace

// One scan: the rule, the answer for each row and, when a later scan may narrow it
// down, the texts its rejected rows were tested on.
struct FilterScan::Scan
{
    explicit Scan(const CustomSortFilterProxyModel& proxy)
        : filter(proxy, QModelIndex())
        , source(proxy.sourceModel())
    {
    }

    // Whether this scan, once finished, answers the rows `next` must reject again.
    bool narrows(const Scan& next) const
    {
        return recorded && source == next.source && filter.columns() == next.filter.columns()
            && filter.role() == next.filter.role() && PatternMatcher::isPlainText(next.filter.pattern())
            && filter.pattern().caseSensitivity() == next.filter.pattern().caseSensitivity()
            && filter.pattern().patternSyntax() == next.filter.pattern().patternSyntax()
            && next.filter.pattern().pattern().startsWith(filter.pattern().pattern());
    }

    const QString& recordedText(int row, int column) const { return texts[size_t(row) * size_t(width) + size_t(column)]; }

    RowFilter filter;
    // Only compared, never read after the scan started.
    const QAbstractItemModel* source;
    int rows = 0;
    int width = 0;
    // A plain, non-empty pattern: rows pass by their texts alone, and the texts of the
    // rejected rows are kept for the next scan.
    bool recorded = false;
    std::vector<quint8> state;
    std::vector<QString> texts;
    std::shared_ptr<const Scan> base;
    std::atomic<bool> cancelled{false};
};

// A share of a scan's rows worked on by several threads: all rows read from the model
// while the starting thread waits, or the rows left, read from copies of their values.
// Threads take chunks of rows and then help with the chunks of others, row by row, so
// a thread the system holds back never holds the others up for more than one row.
struct FilterScan::Pass
{
    Pass(const std::shared_ptr<Scan>& scan, int count, int threads)
        : scan(scan)
        , count(count)
        , chunkCount((count + chunkRows - 1) / chunkRows)
        , chunks(new Cursor[size_t(qMax(1, chunkCount))])
        , busy(new Cursor[size_t(threads)])
        , filters(size_t(threads), scan->filter)
        , left(count)
    {
        for (int chunk = 0; chunk < chunkCount; ++chunk)
            chunks[size_t(chunk)].value = chunk * chunkRows;
    }

    // One cache line each, so threads do not slow each other down.
    struct alignas(64) Cursor
    {
        std::atomic<int> value{0};
    };

    // The value of the row's `slot`-th tested column; `index` is the row's place in the pass.
    QVariant cell(int row, int index, int slot, const RowFilter& filter) const
    {
        if (source)
            return filter.cellValue(source, source->index(row, filter.columns().at(slot)));
        return values[size_t(index) * size_t(scan->width) + size_t(slot)];
    }

    bool test(RowFilter& filter, int row, int index);
    // Thread `thread` tests rows until none is left or the pass halts; the starting
    // thread also halts it once `deadline` (ns on `clock`) has passed. True when this
    // call tested the last row.
    bool work(int thread, const QElapsedTimer* clock = nullptr, qint64 deadline = 0);
    bool workOn(int chunk, int thread, const QElapsedTimer* clock, qint64 deadline, bool& last);
    // Stops the threads and returns once none of them reads a row any more.
    void halt();

    std::shared_ptr<Scan> scan;
    const QAbstractItemModel* source = nullptr;
    std::vector<int> rows;
    std::vector<QVariant> values;
    const int count;
    const int chunkCount;
    std::unique_ptr<Cursor[]> chunks;
    // Per thread: 1 while it may be reading a row.
    std::unique_ptr<Cursor[]> busy;
    // One copy of the rule per thread: a pattern keeps its match state.
    std::vector<RowFilter> filters;
    std::atomic<int> nextChunk{0};
    std::atomic<int> left;
    std::atomic<bool> halted{false};
    quint64 id = 0;
};

bool FilterScan::Pass::test(RowFilter& filter, int row, int index)
{
    Scan& s = *scan;
    const QVector<int>& columns = filter.columns();
    if (!s.recorded) {
        for (int k = 0; k < columns.size(); ++k) {
            if (filter.acceptsValue(cell(row, index, k, filter)))
                return true;
        }
        return false;
    }

    // Rows pass by their texts; those of a rejected row are kept.
    QVarLengthArray<QString, 4> texts(columns.size());
    const Scan* base = s.base.get();
    if (base && row < base->rows && base->state[size_t(row)] == Rejected) {
        bool same = true;
        for (int k = 0; k < columns.size(); ++k) {
            texts[k] = cell(row, index, k, filter).toString();
            same = same && texts.at(k) == base->recordedText(row, k);
        }
        // Unchanged and without the shorter text: without the longer one too.
        for (int k = 0; !same && k < columns.size(); ++k) {
            if (filter.acceptsText(texts.at(k)))
                return true;
        }
    } else {
        for (int k = 0; k < columns.size(); ++k) {
            texts[k] = cell(row, index, k, filter).toString();
            if (filter.acceptsText(texts.at(k)))
                return true;
        }
    }
    for (int k = 0; k < columns.size(); ++k)
        s.texts[size_t(row) * size_t(s.width) + size_t(k)] = texts.at(k);
    return false;
}

bool FilterScan::Pass::workOn(int chunk, int thread, const QElapsedTimer* clock, qint64 deadline, bool& last)
{
    const int end = qMin((chunk + 1) * chunkRows, count);
    std::atomic<int>& flag = busy[size_t(thread)].value;
    int done = 0;
    bool going = true;
    for (;;) {
        // Marked busy before the halt is looked at: halt() sees either the mark or
        // this thread sees the halt.
        flag.store(1);
        if (halted.load() || scan->cancelled.load(std::memory_order_relaxed)) {
            going = false;
            break;
        }
        if (clock && clock->nsecsElapsed() > deadline) {
            halted = true;
            going = false;
            break;
        }
        const int index = chunks[size_t(chunk)].value.fetch_add(1, std::memory_order_relaxed);
        if (index >= end)
            break;
        const int row = source ? index : rows[size_t(index)];
        scan->state[size_t(row)] = test(filters[size_t(thread)], row, index) ? Accepted : Rejected;
        flag.store(0, std::memory_order_release);
        ++done;
    }
    flag.store(0);
    if (done > 0 && left.fetch_sub(done, std::memory_order_acq_rel) == done)
        last = true;
    return going;
}

bool FilterScan::Pass::work(int thread, const QElapsedTimer* clock, qint64 deadline)
{
    bool last = false;
    bool going = true;
    // Own chunks first, then the rows others have not reached yet.
    for (int chunk = nextChunk.fetch_add(1); going && chunk < chunkCount; chunk = nextChunk.fetch_add(1))
        going = workOn(chunk, thread, clock, deadline, last);
    for (int chunk = 0; going && chunk < chunkCount; ++chunk)
        going = workOn(chunk, thread, clock, deadline, last);
    return last;
}

void FilterScan::Pass::halt()
{
    halted = true;
    for (size_t thread = 0; thread < filters.size(); ++thread) {
        while (busy[thread].value.load() != 0)
            QThread::yieldCurrentThread();
    }
}

FilterScan::FilterScan(QObject* parent)
    : QObject(parent)
{
    // The thread that starts a scan works on it too.
    pool.setMaxThreadCount(qMax(1, QThread::idealThreadCount() - 1));
}

FilterScan::~FilterScan()
{
    cancel();
    // Workers still in a row refer to this object when they end.
    pool.clear();
    pool.waitForDone();
}

void FilterScan::cancel()
{
    if (running)
        running->scan->cancelled = true;
    running.reset();
}

bool FilterScan::start(const CustomSortFilterProxyModel& proxy)
{
    QElapsedTimer clock;
    clock.start();
    cancel();

    auto scan = std::make_shared<Scan>(proxy);
    const QAbstractItemModel* source = proxy.sourceModel();
    // Asking for the count also settles anything the model builds lazily, before
    // other threads read it.
    scan->rows = source ? source->rowCount() : 0;
    scan->width = scan->filter.columns().size();
    scan->state.assign(size_t(scan->rows), Untested);
    scan->recorded = scan->filter.hasPattern() && PatternMatcher::isPlainText(scan->filter.pattern());
    if (scan->recorded) {
        scan->texts.resize(size_t(scan->rows) * size_t(scan->width));
        if (last && last->narrows(*scan))
            scan->base = last;
    }

    // Without a budget no row is tested before the hand-over, by this thread or others.
    // Waking other threads costs more than a short scan: as long as the last one says
    // all rows take this thread less than a millisecond, it works alone.
    const bool brief = rowCost >= 0.0 && rowCost * scan->rows < 1e6;
    const int helpers = budget > 0 && !brief ? qMin(pool.maxThreadCount(), scan->rows / chunkRows) : 0;
    auto pass = std::make_shared<Pass>(scan, scan->rows, helpers + 1);
    pass->source = source;
    pass->id = ++passes;
    runPass(pass, helpers);
    // The starting thread works too, until the rows or its time run out, and waits for
    // the last rows others are on. A scan of one chunk or less costs less than handing
    // it over, and finishes here however busy the machine is.
    const bool small = budget > 0 && scan->rows <= chunkRows;
    const qint64 deadline = small ? std::numeric_limits<qint64>::max() : qint64(budget) * 1000000;
    pass->work(helpers, &clock, deadline);
    while (pass->left.load() > 0 && clock.nsecsElapsed() < deadline)
        QThread::yieldCurrentThread();
    // No thread may read the model once this call returns.
    pass->halt();
    const int tested = scan->rows - pass->left.load();
    if (tested > 0)
        rowCost = double(clock.nsecsElapsed()) * (helpers + 1) / tested;
    if (pass->left.load() == 0) {
        finish(scan);
        return true;
    }

    // The rows left are tested from copies of their values, in the background.
    std::vector<int> rest;
    for (int row = 0; row < scan->rows; ++row) {
        if (scan->state[size_t(row)] == Untested)
            rest.push_back(row);
    }
    const int workers = qMax(1, pool.maxThreadCount());
    auto background = std::make_shared<Pass>(scan, int(rest.size()), workers);
    background->values.reserve(rest.size() * size_t(scan->width));
    const QVector<int>& columns = scan->filter.columns();
    for (const int row : rest) {
        for (const int column : columns)
            background->values.push_back(scan->filter.cellValue(source, source->index(row, column)));
    }
    background->rows = std::move(rest);
    background->id = ++passes;
    running = background;
    runPass(background, workers);
    return false;
}

void FilterScan::runPass(const std::shared_ptr<Pass>& pass, int workers)
{
    for (int thread = 0; thread < workers; ++thread) {
        FilterScan* owner = this;
        pool.start(QRunnable::create([pass, thread, owner] {
            // A background pass reports its end to its owner's thread.
            if (pass->work(thread) && !pass->source && !pass->scan->cancelled) {
                const quint64 id = pass->id;
                QMetaObject::invokeMethod(owner, [owner, id] { owner->passDone(id); }, Qt::QueuedConnection);
            }
        }));
    }
}

void FilterScan::passDone(quint64 id)
{
    if (!running || running->id != id)
        return;
    const std::shared_ptr<Scan> scan = running->scan;
    running.reset();
    finish(scan);
    emit finished();
}

void FilterScan::finish(const std::shared_ptr<Scan>& scan)
{
    accepted.clear();
    scanned = scan->rows;
    for (int row = 0; row < scan->rows; ++row) {
        if (scan->state[size_t(row)] == Accepted)
            accepted.append(row);
    }
    // Every thread of the scan has ended: the scan it narrowed is no longer read.
    scan->base.reset();
    last = scan->recorded ? scan : nullptr;
}
