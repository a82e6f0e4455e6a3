#include "panelkit/KVTCipher.h"

#include <array>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/ProcessRunner.h"

namespace {

std::string Encode(std::string_view bytes)
{
    std::array<char, 256> out{};
    int32_t length = -1;
    EXPECT_EQ(KVTBinToB64(reinterpret_cast<const unsigned char*>(bytes.data()),
                          static_cast<int32_t>(bytes.size()), out.data(), &length, 255),
              0);
    return std::string(out.data(), static_cast<size_t>(length < 0 ? 0 : length));
}

TEST(KVTEncrypt, FiveBytesUseTheKeyCyclically)
{
    const unsigned char plain[5] = {0, 0, 0, 0, 0};
    unsigned char cipher[8] = {};
    int32_t length = 0;
    ASSERT_EQ(KVTEncrypt(plain, 5, cipher, &length, 255), 0);
    EXPECT_EQ(length, 5);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(cipher), 5), "dmrkd");
    const unsigned char text[5] = {'A', 'B', 'C', 'D', 'E'};
    ASSERT_EQ(KVTEncrypt(text, 5, cipher, &length, 255), 0);
    EXPECT_EQ(cipher[0], 'A' ^ 'd');
    EXPECT_EQ(cipher[4], 'E' ^ 'd');
    EXPECT_EQ(cipher[3], 'D' ^ 'k');
}

TEST(KVTEncrypt, TwiceIsIdentityForEveryLength)
{
    std::mt19937 random(7);
    for (int size = 1; size <= 40; ++size) {
        std::vector<unsigned char> plain(size);
        for (auto& byte : plain) byte = static_cast<unsigned char>(random());
        std::vector<unsigned char> once(size);
        std::vector<unsigned char> twice(size);
        int32_t length = 0;
        ASSERT_EQ(KVTEncrypt(plain.data(), size, once.data(), &length, size), 0);
        ASSERT_EQ(KVTEncrypt(once.data(), size, twice.data(), &length, size), 0);
        EXPECT_EQ(twice, plain) << size;
    }
}

TEST(KVTEncrypt, StatusCodes)
{
    unsigned char in[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    unsigned char out[8] = {};
    int32_t length = 99;
    EXPECT_EQ(KVTEncrypt(nullptr, 1, out, &length, 8), -1);
    EXPECT_EQ(KVTEncrypt(in, 1, nullptr, &length, 8), -1);
    EXPECT_EQ(KVTEncrypt(in, 1, out, nullptr, 8), -1);
    EXPECT_EQ(KVTEncrypt(in, 0, out, &length, 8), -2);
    EXPECT_EQ(KVTEncrypt(in, 1, out, &length, 0), -2);
    // Capacity 6 for 8 bytes: the first group fits, the second does not.
    unsigned char guarded[8] = {0, 0, 0, 0, 0, 0, 0xAA, 0xAA};
    EXPECT_EQ(KVTEncrypt(in, 8, guarded, &length, 6), -3);
    EXPECT_EQ(length, 4);
    EXPECT_EQ(guarded[6], 0xAA);
    // Capacity 5 for 6 bytes: the remainder of 2 does not fit.
    EXPECT_EQ(KVTEncrypt(in, 6, guarded, &length, 5), -3);
    EXPECT_EQ(length, 4);
}

TEST(KVTBinToB64, PaddingAndKnownVectors)
{
    EXPECT_EQ(Encode("A"), "QQ==");
    EXPECT_EQ(Encode("AB"), "QUI=");
    EXPECT_EQ(Encode("abc"), "YWJj");
    EXPECT_EQ(Encode(std::string("\xFF\xFE\x00", 3)), "//4A");
}

TEST(KVTBinToB64, CapacityBoundaryAt189And190Bytes)
{
    const std::vector<unsigned char> bytes(190, 'x');
    std::array<char, 256> out{};
    int32_t length = 0;
    ASSERT_EQ(KVTBinToB64(bytes.data(), 189, out.data(), &length, 255), 0);
    EXPECT_EQ(length, 252);
    EXPECT_EQ(out[252], '\0'); // no terminator written; the zero-filled buffer ends it
    out.fill(0);
    EXPECT_EQ(KVTBinToB64(bytes.data(), 190, out.data(), &length, 255), -3);
    EXPECT_EQ(length, 256);
    EXPECT_EQ(out[0], '\0');
    EXPECT_EQ(KVTBinToB64(bytes.data(), 3, nullptr, &length, 0), -3); // size query
    EXPECT_EQ(length, 4);
    EXPECT_EQ(KVTBinToB64(bytes.data(), 3, nullptr, &length, 4), -1);
    EXPECT_EQ(KVTBinToB64(bytes.data(), 0, out.data(), &length, 4), -2);
    EXPECT_EQ(KVTBinToB64(bytes.data(), 3, out.data(), &length, -1), -2);
    // A length whose encoding would not fit a 32-bit size is out of range, not a small size.
    EXPECT_EQ(KVTBinToB64(bytes.data(), 2000000000, out.data(), &length, 255), -2);
}

TEST(KVTB64ToBin, DecodesPaddedTextAndSkipsWhiteSpace)
{
    unsigned char out[256] = {};
    int32_t length = 0;
    ASSERT_EQ(KVTB64ToBin("QQ==", 4, out, &length, 255), 0);
    EXPECT_EQ(length, 1);
    EXPECT_EQ(out[0], 0x41);
    ASSERT_EQ(KVTB64ToBin(" YW\nJj\t", 8, out, &length, 255), 0);
    EXPECT_EQ(length, 3);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 3), "abc");
    ASSERT_EQ(KVTB64ToBin("QUI=", 4, out, &length, 255), 0);
    EXPECT_EQ(length, 2);
    ASSERT_EQ(KVTB64ToBin("YWJj\0\0\0\0", 8, out, &length, 255), 0); // stops at the NUL
    EXPECT_EQ(length, 3);
}

TEST(KVTB64ToBin, StatusCodes)
{
    unsigned char out[8] = {};
    int32_t length = 0;
    EXPECT_EQ(KVTB64ToBin("QUJDRE", 6, out, &length, 255), -2);
    EXPECT_EQ(KVTB64ToBin("", 0, out, &length, 255), -2);
    EXPECT_EQ(KVTB64ToBin(nullptr, 4, out, &length, 255), -1);
    EXPECT_EQ(KVTB64ToBin("QQ==", 4, out, nullptr, 255), -1);
    EXPECT_EQ(KVTB64ToBin("QQ==", 4, out, &length, -1), -2);
    EXPECT_EQ(KVTB64ToBin("YWJjYWJj", 8, out, &length, 5), -3);
    EXPECT_EQ(length, 6);
    EXPECT_EQ(KVTB64ToBin("YWJj", 4, nullptr, &length, 0), -3);
    EXPECT_EQ(length, 3);
}

TEST(KVTB64ToBin, BytesAbove127AreRefusedNotLookedUp)
{
    unsigned char out[8] = {};
    int32_t length = 7;
    EXPECT_EQ(KVTB64ToBin("QQ\xC3\xA9", 4, out, &length, 255), -2);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(KVTB64ToBin("\x80\x80\x80\x80", 4, out, &length, 255), -2);
}

TEST(KVTB64ToBin, NeverWritesBeyondTheCapacity)
{
    // Four '=' at the end announce 9 - 4 = 5 bytes, yet the text before them
    // decodes to 6: the sixth byte must not be written.
    unsigned char out[8];
    std::memset(out, 0xAA, sizeof(out));
    int32_t length = 0;
    EXPECT_EQ(KVTB64ToBin("YWJjYWJj====", 12, out, &length, 5), -3);
    EXPECT_EQ(length, 6);
    EXPECT_EQ(out[5], 0xAA);
    EXPECT_EQ(KVTB64ToBin("YWJjYWJj====", 12, out, &length, 6), 0);
    EXPECT_EQ(length, 6);
    // Stray padding after a complete group ends the decoding.
    EXPECT_EQ(KVTB64ToBin("YWJj\n===", 8, out, &length, 3), 0);
    EXPECT_EQ(length, 3);
}

// Runs coreutils' base64 over the bytes, as an encoder independent of ours.
std::string SystemBase64(const std::string& bytes)
{
    const testing_support::ProcessResult run =
        testing_support::RunProcess({.program = "base64", .args = {"-w", "0"}, .stdinData = bytes});
    return run.status == 0 ? run.out : "<no base64>";
}

TEST(KVTCipher, MatchesAnIndependentBase64EncoderAndRoundTrips)
{
    std::mt19937 random(20240);
    for (int size : {1, 2, 3, 4, 5, 31, 62, 100, 188, 189}) {
        std::string plain(static_cast<size_t>(size), '\0');
        for (char& c : plain) c = static_cast<char>(random());
        unsigned char cipher[256] = {};
        int32_t cipherLength = 0;
        ASSERT_EQ(KVTEncrypt(reinterpret_cast<const unsigned char*>(plain.data()), size, cipher,
                             &cipherLength, 255),
                  0);
        const std::string cipherBytes(reinterpret_cast<char*>(cipher), static_cast<size_t>(cipherLength));
        const std::string text = Encode(cipherBytes);
        EXPECT_EQ(text, SystemBase64(cipherBytes)) << size;

        unsigned char decoded[256] = {};
        int32_t decodedLength = 0;
        ASSERT_EQ(KVTB64ToBin(text.c_str(), static_cast<int32_t>(text.size()), decoded, &decodedLength, 255),
                  0);
        unsigned char back[256] = {};
        int32_t backLength = 0;
        ASSERT_EQ(KVTEncrypt(decoded, decodedLength, back, &backLength, 255), 0);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(back), static_cast<size_t>(backLength)), plain) << size;
    }
}

} // namespace
