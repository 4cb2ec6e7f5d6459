// Carrying work from other threads over to the user-interface thread, where every window lives.
#pragma once

#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

namespace nuro {

// True on the thread that owns the application object (or when there is none yet).
bool OnUiThread();

// Runs fn on the user-interface thread and returns when it has run. On that thread itself
// it simply calls fn, so it never deadlocks there.
void RunOnUiThread(std::function<void()> fn);

// Queues fn for the user-interface thread and returns at once.
void PostToUiThread(std::function<void()> fn);

// RunOnUiThread for a function with a result.
template <class F> auto CallOnUiThread(F&& fn) -> std::invoke_result_t<F&>
{
    using R = std::invoke_result_t<F&>;
    if constexpr (std::is_void_v<R>) {
        RunOnUiThread([&] { fn(); });
    } else {
        if (OnUiThread())
            return fn();
        std::optional<R> result;
        RunOnUiThread([&] { result.emplace(fn()); });
        return std::move(*result);
    }
}

} // namespace nuro
