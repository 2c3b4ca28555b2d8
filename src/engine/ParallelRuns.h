#pragma once
// Independent pieces of one computation spread over the processor's threads.
// The pieces write to places of their own, so the result does not depend on
// how many threads ran them or in which order they finished.
#include <functional>

// Asks for as many threads as the processor runs at once.
inline constexpr int AllProcessorThreads = 0;

// The number of threads a request for `threads` gets: AllProcessorThreads
// (or any count below 1) means the processor's count, at least 1.
int ResolveThreadCount(int threads);

// Runs task(0) .. task(count - 1), each exactly once, on up to `threads`
// threads, the calling thread among them; returns when every task has
// finished. Tasks are handed out in index order as threads become free. The
// first exception a task throws is rethrown here, after the others have
// stopped taking tasks. Each thread clears the vector registers' upper halves
// before its first task (VectorState.h).
void RunInParallel(int count, int threads, const std::function<void(int)>& task);
