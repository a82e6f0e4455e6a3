// A control's value block (data block or UI data block): a fixed number of
// bytes allocated once and zero-filled, holding a 32-bit integer or
// NUL-terminated UTF-8 text. Every copy into it is bounded by its size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

class DataBlock {
public:
    // Allocates size zeroed bytes, once; later calls only clear the block.
    void Allocate(std::size_t size);
    bool IsAllocated() const { return bytes_ != nullptr; }
    // Null when not allocated.
    unsigned char* data() { return bytes_.get(); }
    const unsigned char* data() const { return bytes_.get(); }
    std::size_t size() const { return size_; }
    std::span<unsigned char> Bytes() { return {bytes_.get(), size_}; }

    void Clear();

    // The first 32-bit word (0 when the block is smaller or missing).
    int32_t Int() const;
    void SetInt(int32_t value);

    // The text up to its NUL (or the block's end).
    std::string_view Text() const;
    // Clears the block, then copies at most size - 1 bytes of the text, cut
    // so that no UTF-8 character is split; answers the bytes copied.
    std::size_t SetText(std::string_view text);
    // Copies at most size bytes (no terminator rule), the rest cleared.
    std::size_t SetBytes(std::span<const unsigned char> bytes);

private:
    std::unique_ptr<unsigned char[]> bytes_;
    std::size_t size_ = 0;
};
