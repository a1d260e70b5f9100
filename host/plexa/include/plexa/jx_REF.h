// Holds one reference to a host object (a stream, a collection, a document)
// and releases it when it goes out of scope, so no early return leaks one.
#pragma once

#include <utility>

template <typename T> class jx_REF {
public:
    // Takes over a reference the caller already holds.
    explicit jx_REF(T* held = nullptr) : object(held) {}
    jx_REF(const jx_REF&) = delete;
    jx_REF& operator=(const jx_REF&) = delete;
    jx_REF(jx_REF&& other) noexcept : object(std::exchange(other.object, nullptr)) {}
    jx_REF& operator=(jx_REF&& other) noexcept
    {
        reset(std::exchange(other.object, nullptr));
        return *this;
    }
    ~jx_REF() { reset(); }

    T* get() const { return object; }
    T* operator->() const { return object; }
    explicit operator bool() const { return object != nullptr; }
    // Releases the held reference and holds `held` instead.
    void reset(T* held = nullptr)
    {
        if (object)
            object->Release();
        object = held;
    }

private:
    T* object;
};
