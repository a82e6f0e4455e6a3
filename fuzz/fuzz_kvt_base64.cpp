// Base64 decoding of the hold-key cipher text, into outputs of every capacity;
// and the cipher's round trip.
#include "FuzzSupport.h"

#include "panelkit/KVTCipher.h"

#include <cstring>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 16) return 0;
    fuzz::Input in(data, size);
    const int32_t capacity = in.Byte() * 4;
    const std::string_view text = in.Rest();

    // Exact-size buffers on the heap: any read or write past them is caught.
    std::vector<char> input(text.begin(), text.end());
    auto output = std::make_unique<unsigned char[]>(capacity + 1);
    int32_t outLength = -7;
    const int32_t status = KVTB64ToBin(input.empty() ? "" : input.data(), static_cast<int32_t>(input.size()),
                                       capacity == 0 ? nullptr : output.get(), &outLength, capacity);
    FUZZ_CHECK(status == 0 || status == -2 || status == -3);
    if (status == 0) FUZZ_CHECK(outLength >= 0 && outLength <= capacity);
    if (status == -3) FUZZ_CHECK(outLength > capacity || capacity == 0);

    // Encipher, encode, decode, decipher: the same bytes come back.
    const auto* plain = reinterpret_cast<const unsigned char*>(text.data());
    const auto plainLength = static_cast<int32_t>(text.size());
    if (plainLength == 0) return 0;
    std::vector<unsigned char> ciphered(plainLength);
    int32_t cipheredLength = 0;
    FUZZ_CHECK(KVTEncrypt(plain, plainLength, ciphered.data(), &cipheredLength, plainLength) == 0);
    const int32_t b64Capacity = (plainLength + 2) / 3 * 4;
    std::vector<char> b64(b64Capacity);
    int32_t b64Length = 0;
    FUZZ_CHECK(KVTBinToB64(ciphered.data(), cipheredLength, b64.data(), &b64Length, b64Capacity) == 0);
    FUZZ_CHECK(b64Length == b64Capacity);
    std::vector<unsigned char> decoded(plainLength);
    int32_t decodedLength = 0;
    FUZZ_CHECK(KVTB64ToBin(b64.data(), b64Length, decoded.data(), &decodedLength, plainLength) == 0);
    FUZZ_CHECK(decodedLength == plainLength);
    std::vector<unsigned char> back(plainLength);
    int32_t backLength = 0;
    FUZZ_CHECK(KVTEncrypt(decoded.data(), decodedLength, back.data(), &backLength, plainLength) == 0);
    FUZZ_CHECK(backLength == plainLength && std::memcmp(back.data(), plain, plainLength) == 0);
    return 0;
}
