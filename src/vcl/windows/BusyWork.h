#pragma once
// Long work while the windows stay alive. A computation the user waits for
// (the graph's curves, the fit) runs on a worker thread; the user-interface
// thread keeps its event loop going meanwhile, so the windows repaint and the
// timers run, while the user's input is refused so that nothing can change
// the case the worker is reading.
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

namespace vcl {

// Runs work on a worker thread and returns when it has finished. Meanwhile
// the calling thread runs its event loop: windows repaint, timers fire and
// posted events are handled; the wait cursor shows over every window; mouse
// buttons and wheel, keys and shortcuts, context menus, touch, tablet, drag
// and drop and closing a window are refused and dropped (not delivered
// later). An exception thrown by work is rethrown here. Called without an
// application object or away from the user-interface thread, work simply
// runs here. Calls may nest.
//
// work must not touch widgets; it may read the case (records, schedule sets,
// graph state), which the refused input keeps unchanged until it returns.
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

// True while some RunKeepingWindowsAlive is waiting for its work.
bool IsRunningKeepingWindowsAlive();

} // namespace vcl
