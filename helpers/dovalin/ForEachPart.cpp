#include "ForEachPart.h"

#include "PartThreads.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Threads of its own for each part, where the kept threads are busy with another call.
void onFreshThreads(int parts, int threads, const std::function<void(int)>& work)
{
    std::atomic<int> nextPart{0};
    auto takeParts = [&] {
        for (int part = nextPart++; part < parts; part = nextPart++)
            work(part);
    };
    std::vector<std::thread> helpers;
    try {
        for (int i = 1; i < std::min(threads, parts); ++i)
            helpers.emplace_back(takeParts);
    } catch (const std::system_error&) {
        // No thread to be had: the threads there are do all the parts.
    }
    takeParts();
    for (std::thread& helper : helpers)
        helper.join();
}

} // namespace

void forEachPart(int parts, int threads, const std::function<void(int)>& work)
{
    const int helpers = std::min(threads, parts) - 1;
    if (helpers <= 0) {
        for (int part = 0; part < parts; ++part)
            work(part);
        return;
    }
    if (!PartThreads::ofThisProcess().run(parts, helpers, work))
        onFreshThreads(parts, threads, work);
}
