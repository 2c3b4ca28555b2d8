#include "ParallelRuns.h"

#include "VectorState.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

int ResolveThreadCount(int threads)
{
    if (threads >= 1)
        return threads;
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

void RunInParallel(int count, int threads, const std::function<void(int)>& task)
{
    if (count <= 0)
        return;
    const int workers = std::min(ResolveThreadCount(threads), count);
    if (workers == 1) {
        pk::ClearUpperVectorState();
        for (int i = 0; i < count; ++i)
            task(i);
        return;
    }

    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr failure;
    std::mutex failureMutex;
    auto work = [&] {
        pk::ClearUpperVectorState();
        for (int i = next.fetch_add(1); i < count && !failed.load(); i = next.fetch_add(1)) {
            try {
                task(i);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(failureMutex);
                if (!failure)
                    failure = std::current_exception();
                failed = true;
            }
        }
    };
    std::vector<std::thread> helpers;
    helpers.reserve(static_cast<std::size_t>(workers - 1));
    try {
        for (int w = 1; w < workers; ++w)
            helpers.emplace_back(work);
    } catch (const std::system_error&) {
        // No more threads to be had: the ones there are do the work.
    }
    work();
    for (std::thread& helper : helpers)
        helper.join();
    if (failure)
        std::rethrow_exception(failure);
}
