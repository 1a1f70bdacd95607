// One move-only owner for every kind of system handle.
#pragma once
#include <cstdint>
#include <utility>

template <typename T, auto Close, std::intptr_t Invalid = 0> class UniqueAny {
  public:
    UniqueAny() = default;
    explicit UniqueAny(T value) : value_(value) {}
    UniqueAny(const UniqueAny&) = delete;
    UniqueAny& operator=(const UniqueAny&) = delete;
    UniqueAny(UniqueAny&& other) noexcept : value_(other.release()) {}
    UniqueAny& operator=(UniqueAny&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueAny() { reset(); }

    static T invalid() { return (T)Invalid; }
    T get() const { return value_; }
    explicit operator bool() const { return value_ != invalid(); }
    T release() { return std::exchange(value_, invalid()); }
    void reset(T value = invalid()) {
        T old = std::exchange(value_, value);
        if (old != invalid()) Close(old);
    }
    // For out-parameters: frees the current value first.
    T* put() {
        reset();
        return &value_;
    }

  private:
    T value_ = invalid();
};
