#include "panelkit/control/DataBlock.h"

#include <algorithm>
#include <cstring>

#include "platform/TextEncoding.h"

void DataBlock::Allocate(std::size_t size)
{
    // A block never changes size once made: controls hand out its address.
    if (bytes_ != nullptr) {
        Clear();
        return;
    }
    bytes_ = std::make_unique<unsigned char[]>(size); // value-initialised: zero-filled
    size_ = size;
}

void DataBlock::Clear()
{
    if (bytes_ != nullptr) std::memset(bytes_.get(), 0, size_);
}

int32_t DataBlock::Int() const
{
    int32_t value = 0;
    if (bytes_ != nullptr && size_ >= sizeof value) std::memcpy(&value, bytes_.get(), sizeof value);
    return value;
}

void DataBlock::SetInt(int32_t value)
{
    if (bytes_ != nullptr && size_ >= sizeof value) std::memcpy(bytes_.get(), &value, sizeof value);
}

std::string_view DataBlock::Text() const
{
    if (bytes_ == nullptr) return {};
    const char* text = reinterpret_cast<const char*>(bytes_.get());
    return {text, strnlen(text, size_)};
}

std::size_t DataBlock::SetText(std::string_view text)
{
    Clear();
    if (bytes_ == nullptr || size_ == 0) return 0;
    std::string_view kept = text;
    if (kept.size() > size_ - 1) {
        // The last byte stays the terminator; a character the cut would split
        // is left out whole, so the block still holds valid text.
        kept = platform::WithoutCutUtf8Tail(kept.substr(0, size_ - 1));
    }
    std::memcpy(bytes_.get(), kept.data(), kept.size());
    return kept.size();
}

std::size_t DataBlock::SetBytes(std::span<const unsigned char> bytes)
{
    Clear();
    if (bytes_ == nullptr) return 0;
    const std::size_t count = std::min(bytes.size(), size_);
    if (count > 0) std::memcpy(bytes_.get(), bytes.data(), count);
    return count;
}
