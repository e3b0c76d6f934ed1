#pragma once

#include <functional>

// Calls `work` for every part 0..parts-1, on at most `threads` threads, the calling
// one among them. Parts are taken in order as threads come free; when no thread can be
// started, the threads there are do all the parts.
void forEachPart(int parts, int threads, const std::function<void(int)>& work);
