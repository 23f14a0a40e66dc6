#pragma once
// An owned heap array of bytes or 32-bit words for key material and hash
// state: zeroed before it is freed, never copied or resized.

#include <cstddef>
#include <cstdint>
#include <memory>

void WipeMemory(void* data, std::size_t size);

template <typename T>
class WipedBuffer {
public:
    explicit WipedBuffer(std::uint32_t count) : count_(count), data_(new T[count]) {}
    ~WipedBuffer() {
        WipeMemory(data_.get(), std::size_t{count_} * sizeof(T));
    }
    WipedBuffer(const WipedBuffer&) = delete;
    WipedBuffer& operator=(const WipedBuffer&) = delete;

    T* data() { return data_.get(); }
    const T* data() const { return data_.get(); }
    std::uint32_t size() const { return count_; }
    T& operator[](std::uint32_t i) { return data_[i]; }
    const T& operator[](std::uint32_t i) const { return data_[i]; }

private:
    std::uint32_t count_;
    std::unique_ptr<T[]> data_;
};
