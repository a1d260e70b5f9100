// Functions that Windows or the host calls (an exported entry point, a
// window or dialog procedure, an operation of an object the host holds) must
// never let an exception into their caller's frames, which know nothing of
// C++ unwinding. Their bodies run through CallWithoutThrowing.
#pragma once

#include <utility>

// Answers body(), or fallback when body throws.
template <typename Result, typename Body> Result CallWithoutThrowing(Result fallback, Body&& body) noexcept
{
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return fallback;
    }
}
