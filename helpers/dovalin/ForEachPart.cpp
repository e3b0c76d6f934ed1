#include "ForEachPart.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

void forEachPart(int parts, int threads, const std::function<void(int)>& work)
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
