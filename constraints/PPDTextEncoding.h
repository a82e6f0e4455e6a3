// Text encodings of PPD files and their conversion into UTF-8.
#pragma once

#include <cups/ppd.h>

#include <cstdint>
#include <string>
#include <string_view>

// The encodings a PPD may declare with LanguageEncoding, numbered as the
// original platform's string encoding constants.
enum class PPDTextEncoding : std::uint32_t {
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
bool GetCFStringEncodingFromPPD(ppd_file_t* ppd, PPDTextEncoding& encoding);

// Encoding for a LanguageEncoding value, by the same table.
PPDTextEncoding PPDTextEncodingFromName(std::string_view languageEncoding);

// The iconv name used for an encoding. Mac Japanese has no iconv table of its
// own; CP932 (Shift_JIS with the vendor rows Japanese PPDs use) stands in.
const char* IconvNameOf(PPDTextEncoding encoding);

// The UTF-8 form of text in the encoding. A byte sequence the encoding does
// not define becomes U+FFFD and the conversion goes on, so a stray byte costs
// one character instead of the whole text.
std::string ConvertPPDTextToUTF8(std::string_view text, PPDTextEncoding encoding);

// The UTF-8 form of a title or choice text of a libcups PPD record. libcups
// has already decoded these from the PPD's declared encoding when it read the
// file, so they are taken as UTF-8 (decoding them again would garble every
// character outside ASCII); invalid bytes become U+FFFD.
std::string PPDRecordTextToUTF8(const char* text);
