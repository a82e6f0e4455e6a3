#include "platform/DecimalText.h"

char* itoa(int value, std::span<char> buffer)
{
    if (buffer.empty()) return nullptr;
    std::size_t pos = buffer.size() - 1;
    buffer[pos] = '\0';
    for (int rest = value > 0 ? value : 0; rest != 0; rest /= 10) {
        if (pos == 0) return nullptr;
        buffer[--pos] = static_cast<char>('0' + rest % 10);
    }
    return buffer.data() + pos;
}
