#pragma once

#include <chrono>

// Generous enough for a sanitizer build on a busy machine; the conditions are met much sooner.
inline constexpr int conditionTimeoutMs = 20000;

// How every GUI test and benchmark here waits: it looks again and again until the condition holds
// or the limit passes, never for a fixed time. Between two looks it does `between`: runs an event
// loop for a while, or sleeps. True when the condition held.
template <typename Condition, typename Between>
[[nodiscard]] bool pollUntil(Condition condition, std::chrono::milliseconds timeout,
                             Between between)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        between();
    }
    return true;
}
