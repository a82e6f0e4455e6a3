// The hold-key cipher: secret values (passcodes, passwords) are XORed with a
// repeating four-byte key and written as Base64 text. Enciphering twice gives
// the plain bytes back, which is how the panels decipher. No function
// allocates; the caller supplies every buffer and its capacity.
//
// Status results: 0 success; -1 a required pointer is missing; -2 a length or
// capacity is out of range (also: Base64 text holding a byte of 0x80 or above);
// -3 the output capacity is too small (the Base64 functions then report the
// capacity they need in *outLength).
#pragma once

#include <cstdint>

// The key, read as one little-endian 32-bit word: key byte 0 is 'd'.
extern const char kvtkey[5];

// The Base64 alphabet of RFC 4648, NUL-terminated; padding is '='.
extern const char B64CHR[65];

// Decoding table indexed by character code: each alphabet character's 6-bit
// value, 0xFF for every other code.
extern const unsigned char B64TBL[128];

int32_t KVTEncrypt(const unsigned char* input, int32_t inputLength, unsigned char* output, int32_t* outLength,
                   int32_t capacity);

// Writes no terminator.
int32_t KVTBinToB64(const unsigned char* input, int32_t inputLength, char* output, int32_t* outLength,
                    int32_t capacity);

// Skips white space between characters; stops at '=' padding or a NUL.
int32_t KVTB64ToBin(const char* input, int32_t inputLength, unsigned char* output, int32_t* outLength,
                    int32_t capacity);
