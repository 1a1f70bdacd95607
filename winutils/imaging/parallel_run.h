// Splitting pixel work over a few threads that end before the call returns.
#pragma once
#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

// Worker threads for this much work (for the blur: pixels x taps); one for small pictures.
inline int WorkerCount(std::uint64_t work) {
    if (work < (std::uint64_t(1) << 24)) return 1;
    const unsigned cores = std::thread::hardware_concurrency();
    return int(std::clamp(cores, 1u, 8u));
}

// Runs work(worker, first, last) over [0, count) in `workers` contiguous chunks, the first on
// this thread; a chunk whose thread cannot be started runs here too. Every value is computed
// the same way whichever thread computes it.
template <typename Work> void RunParallel(int workers, int count, const Work& work) {
    workers = std::max(1, std::min(workers, count));
    std::vector<std::thread> threads;
    std::vector<int> inline_;
    auto bounds = [&](int i) { return int(std::int64_t(count) * i / workers); };
    for (int i = 1; i < workers; ++i) {
        try {
            threads.emplace_back(work, i, bounds(i), bounds(i + 1));
        } catch (...) {
            inline_.push_back(i);
        }
    }
    work(0, bounds(0), bounds(1));
    for (int i : inline_)
        work(i, bounds(i), bounds(i + 1));
    for (std::thread& t : threads)
        t.join();
}
