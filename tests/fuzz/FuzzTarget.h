#pragma once

#include <cstddef>
#include <cstdint>

// The two entry points of a fuzz target: libFuzzer calls them, and so does the replay
// driver, which runs every file of the target's corpus once.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
