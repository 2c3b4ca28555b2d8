#pragma once
// Long work (a fit, a long curve computation) off the user-interface thread,
// with the windows alive meanwhile: the work runs on a worker thread while
// this thread goes on with its event loop, so every window keeps repainting
// and the timers keep running; the wait cursor shows, and no window takes
// input (mouse buttons, wheel, keys, shortcuts, context menus, drops,
// closing) until the work has returned. Input given meanwhile is dropped, not
// delivered later. Then the caller goes on exactly as after a direct call:
// the result is the work's own, computed by the same code on another thread.
//
// The work must not touch widgets, and whatever the event loop runs
// meanwhile (painting, timers) must not touch what the work writes: give the
// work its own copies where a window could read them.
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

namespace vcl {

// Runs work as described above; an exception it throws is thrown again here,
// once the windows take input again. Nested calls each wait for their own
// work.
void RunKeepingWindowsAlive(const std::function<void()>& work);

// The same for work that returns a value.
template <class Work>
    requires(!std::is_void_v<std::invoke_result_t<Work&>>)
std::invoke_result_t<Work&> RunKeepingWindowsAlive(Work&& work)
{
    std::optional<std::invoke_result_t<Work&>> result;
    RunKeepingWindowsAlive(std::function<void()>([&] { result.emplace(work()); }));
    return std::move(*result);
}

} // namespace vcl
