#include "panelkit/KVTCipher.h"

#include <cctype>

const char kvtkey[5] = "dmrk";

const char B64CHR[65] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

const unsigned char B64TBL[128] = {
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 62,   0xFF, 0xFF, 0xFF, 63,
    52,   53,   54,   55,   56,   57,   58,   59,   60,   61,   0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0,    1,    2,    3,    4,    5,    6,    7,    8,    9,    10,   11,   12,   13,   14,
    15,   16,   17,   18,   19,   20,   21,   22,   23,   24,   25,   0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 26,   27,   28,   29,   30,   31,   32,   33,   34,   35,   36,   37,   38,   39,   40,
    41,   42,   43,   44,   45,   46,   47,   48,   49,   50,   51,   0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
};

namespace {

constexpr int32_t kOk = 0;
constexpr int32_t kMissingPointer = -1;
constexpr int32_t kOutOfRange = -2;
constexpr int32_t kTooSmall = -3;

uint32_t KeyWord()
{
    return static_cast<uint32_t>(static_cast<unsigned char>(kvtkey[0])) |
           static_cast<uint32_t>(static_cast<unsigned char>(kvtkey[1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(kvtkey[2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(kvtkey[3])) << 24;
}

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

} // namespace

int32_t KVTEncrypt(const unsigned char* input, int32_t inputLength, unsigned char* output, int32_t* outLength,
                   int32_t capacity)
{
    if (input == nullptr || output == nullptr || outLength == nullptr) return kMissingPointer;
    if (inputLength < 1 || capacity < 1) return kOutOfRange;
    *outLength = 0;
    const uint32_t key = KeyWord();
    const int32_t whole = inputLength / 4 * 4;
    for (int32_t i = 0; i < whole; i += 4) {
        if (*outLength > capacity - 4) return kTooSmall;
        uint32_t word = static_cast<uint32_t>(input[i]) | static_cast<uint32_t>(input[i + 1]) << 8 |
                        static_cast<uint32_t>(input[i + 2]) << 16 | static_cast<uint32_t>(input[i + 3]) << 24;
        word ^= key;
        output[i] = static_cast<unsigned char>(word);
        output[i + 1] = static_cast<unsigned char>(word >> 8);
        output[i + 2] = static_cast<unsigned char>(word >> 16);
        output[i + 3] = static_cast<unsigned char>(word >> 24);
        *outLength += 4;
    }
    const int32_t rest = inputLength - whole;
    if (rest > 0) {
        if (*outLength > capacity - rest) return kTooSmall;
        for (int32_t k = 0; k < rest; ++k) {
            output[whole + k] = static_cast<unsigned char>(input[whole + k] ^ (key >> (8 * k)));
        }
        *outLength += rest;
    }
    return kOk;
}

int32_t KVTBinToB64(const unsigned char* input, int32_t inputLength, char* output, int32_t* outLength,
                    int32_t capacity)
{
    if (input == nullptr || outLength == nullptr || (capacity != 0 && output == nullptr))
        return kMissingPointer;
    if (inputLength < 1 || capacity < 0) return kOutOfRange;
    // Computed wide: a length near the 32-bit limit must not wrap into a small size.
    const int64_t required = 4 * (static_cast<int64_t>(inputLength) / 3) + (inputLength % 3 != 0 ? 4 : 0);
    if (required > INT32_MAX) return kOutOfRange;
    if (capacity == 0 || capacity < required) {
        *outLength = static_cast<int32_t>(required);
        return kTooSmall;
    }
    int32_t written = 0;
    int32_t i = 0;
    for (; i + 3 <= inputLength; i += 3) {
        const uint32_t group =
            static_cast<uint32_t>(input[i]) << 16 | static_cast<uint32_t>(input[i + 1]) << 8 | input[i + 2];
        output[written++] = B64CHR[(group >> 18) & 0x3F];
        output[written++] = B64CHR[(group >> 12) & 0x3F];
        output[written++] = B64CHR[(group >> 6) & 0x3F];
        output[written++] = B64CHR[group & 0x3F];
    }
    const int32_t rest = inputLength - i;
    if (rest > 0) {
        const uint32_t group = static_cast<uint32_t>(input[i]) << 16 |
                               (rest == 2 ? static_cast<uint32_t>(input[i + 1]) << 8 : 0);
        output[written++] = B64CHR[(group >> 18) & 0x3F];
        output[written++] = B64CHR[(group >> 12) & 0x3F];
        output[written++] = rest == 2 ? B64CHR[(group >> 6) & 0x3F] : '=';
        output[written++] = '=';
    }
    *outLength = written;
    return kOk;
}

int32_t KVTB64ToBin(const char* input, int32_t inputLength, unsigned char* output, int32_t* outLength,
                    int32_t capacity)
{
    if (input == nullptr || outLength == nullptr || (capacity != 0 && output == nullptr))
        return kMissingPointer;
    if (inputLength <= 0 || capacity < 0 || inputLength % 4 != 0) return kOutOfRange;

    int32_t padding = 0;
    while (padding < inputLength && input[inputLength - 1 - padding] == '=') ++padding;
    int32_t required = 3 * (inputLength / 4) - padding;
    if (required < 0) required = 0;
    if (capacity == 0 || capacity < required) {
        *outLength = required;
        return kTooSmall;
    }

    // The table has 128 entries: a byte of 0x80 or above is no Base64 character,
    // and such text is refused rather than decoded into guesses.
    for (int32_t k = 0; k < inputLength && input[k] != '\0'; ++k) {
        if (static_cast<unsigned char>(input[k]) >= 0x80) {
            *outLength = 0;
            return kOutOfRange;
        }
    }

    int32_t pos = 0;
    int32_t written = 0;
    const auto skipSpace = [&] {
        while (pos < inputLength && IsSpace(input[pos])) ++pos;
    };
    const auto atEnd = [&] { return pos >= inputLength || input[pos] == '\0'; };
    const auto value = [](char c) { return static_cast<uint32_t>(B64TBL[static_cast<unsigned char>(c)]); };
    // Every write is checked against the capacity: white space or stray
    // padding inside the text can make it decode to more than it announced.
    bool overflow = false;
    const auto put = [&](uint32_t byte) {
        if (written >= capacity) {
            overflow = true;
            return false;
        }
        output[written++] = static_cast<unsigned char>(byte);
        return true;
    };

    skipSpace();
    while (!atEnd()) {
        const char c0 = input[pos++];
        skipSpace();
        if (atEnd() || c0 == '=' || input[pos] == '=') break;
        const char c1 = input[pos++];
        skipSpace();
        if (!put(value(c0) << 2 | value(c1) >> 4)) break;
        if (atEnd() || input[pos] == '=') break;
        const char c2 = input[pos++];
        skipSpace();
        if (!put(value(c1) << 4 | value(c2) >> 2)) break;
        if (atEnd() || input[pos] == '=') break;
        const char c3 = input[pos++];
        skipSpace();
        if (!put(value(c2) << 6 | value(c3))) break;
    }
    if (overflow) {
        *outLength = capacity + 1; // at least this much is needed
        return kTooSmall;
    }
    *outLength = written;
    return kOk;
}
