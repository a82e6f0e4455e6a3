// Text encodings of PPD files and their conversion into UTF-8.
#pragma once

#include <cups/ppd.h>

#include <cstdint>
#include <string>
#include <string_view>

// The encodings a PPD may declare with LanguageEncoding, numbered as the
// original platform's string encoding constants.
enum class PpdTextEncoding : std::uint32_t {
    MacRoman = 0,
    MacJapanese = 1,
    ISOLatin1 = 0x0201,
    WindowsLatin1 = 0x0500,
    UTF8 = 0x08000100,
};

// The encoding a PPD declares: "ISOLatin1", "WindowsANSI", "JIS83-RKSJ",
// "UTF-8" or "UTF8"; any other value, or none, is Mac Roman. The value is the
// LanguageEncoding line as written in the file (libcups keeps it as an
// attribute and replaces the record's lang_encoding with "UTF-8" once it has
// decoded the translation texts); a record without that attribute falls back
// to lang_encoding. Blanks around the value are ignored. False, with Mac Roman,
// when there is no PPD.
bool GetCFStringEncodingFromPPD(ppd_file_t* ppd, PpdTextEncoding& encoding);

// Encoding for a LanguageEncoding value, by the same table.
PpdTextEncoding PpdTextEncodingFromName(std::string_view languageEncoding);

// The iconv name used for an encoding. Mac Japanese has no iconv table of its
// own; CP932 (Shift_JIS with the vendor rows Japanese PPDs use) stands in.
const char* IconvNameOf(PpdTextEncoding encoding);

// The UTF-8 form of text in the encoding. A byte sequence the encoding does
// not define becomes U+FFFD and the conversion goes on, so a stray byte costs
// one character instead of the whole text.
std::string ConvertPPDTextToUTF8(std::string_view text, PpdTextEncoding encoding);

// The UTF-8 form of a title or choice text of a libcups PPD record, read in
// the PPD's text encoding (GetCFStringEncodingFromPPD). libcups has already
// decoded these texts when it read the file, by its own reading of the
// LanguageEncoding line: ISO Latin 1 without one, the raw bytes for a name it
// does not know. Where the PPD's encoding is Mac Roman and libcups read the
// text otherwise, the file's bytes are recovered from its reading (every
// single-byte reading of libcups' is reversible) and decoded as Mac Roman;
// otherwise libcups' text is the right one. Invalid bytes become U+FFFD.
std::string PPDRecordTextToUTF8(ppd_file_t* ppd, const char* text);
