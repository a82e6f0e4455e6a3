#include "panelkit/KVTCipherText.h"

#include <array>
#include <cstdint>

#include "panelkit/KVTCipher.h"

namespace {

// The capacity every cipher call of the framework uses.
constexpr int32_t kCipherCapacity = 255;

} // namespace

std::optional<std::string> EncipherTicketText(std::string_view plain)
{
    if (plain.empty()) return std::string();
    if (plain.size() > static_cast<std::size_t>(kCipherCapacity)) return std::nullopt;
    std::array<unsigned char, kCipherCapacity + 1> cipher{};
    int32_t cipherLength = 0;
    if (KVTEncrypt(reinterpret_cast<const unsigned char*>(plain.data()), static_cast<int32_t>(plain.size()),
                   cipher.data(), &cipherLength, kCipherCapacity) != 0)
        return std::nullopt;
    std::array<char, kCipherCapacity + 1> text{};
    int32_t textLength = 0;
    if (KVTBinToB64(cipher.data(), cipherLength, text.data(), &textLength, kCipherCapacity) != 0)
        return std::nullopt;
    return std::string(text.data(), static_cast<std::size_t>(textLength));
}

std::optional<std::string> DecipherTicketText(std::string_view base64)
{
    if (base64.empty()) return std::string();
    // Longer text cannot come from a write of at most 255 bytes (and would not fit the length type).
    if (base64.size() > 4 * ((kCipherCapacity + 2) / 3)) return std::nullopt;
    std::array<unsigned char, kCipherCapacity + 1> cipher{};
    int32_t cipherLength = 0;
    if (KVTB64ToBin(base64.data(), static_cast<int32_t>(base64.size()), cipher.data(), &cipherLength,
                    kCipherCapacity) != 0)
        return std::nullopt;
    if (cipherLength == 0) return std::string();
    std::array<unsigned char, kCipherCapacity + 1> plain{};
    int32_t plainLength = 0;
    if (KVTEncrypt(cipher.data(), cipherLength, plain.data(), &plainLength, kCipherCapacity) != 0)
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(plain.data()), static_cast<std::size_t>(plainLength));
}
