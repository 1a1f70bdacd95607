// A heap row of four-float pixels for the SIMD loops.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

#include "imaging/vec4.h"

// 4 floats per pixel, aligned for SSE loads. Aligned by hand: some C runtimes' malloc gives
// only 8-byte alignment to 32-bit programs, whatever the compiler assumes for new.
class FloatRow {
  public:
    FloatRow() = default;
    FloatRow(const FloatRow&) = delete;
    FloatRow& operator=(const FloatRow&) = delete;
    bool Allocate(std::size_t pixels) {
        constexpr std::size_t align = alignof(Vec4);
        storage_.reset(new (std::nothrow) unsigned char[pixels * sizeof(Vec4) + align]);
        if (!storage_) return false;
        const std::uintptr_t at = reinterpret_cast<std::uintptr_t>(storage_.get());
        data_ = reinterpret_cast<Vec4*>((at + align - 1) & ~std::uintptr_t(align - 1));
        return true;
    }
    Vec4* get() const { return data_; }

  private:
    std::unique_ptr<unsigned char[]> storage_;
    Vec4* data_ = nullptr;
};
