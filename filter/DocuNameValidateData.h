// Code ranges a document name may be made of, one table per kind of printer.
//
// The printer keeps the document name in a fixed panel field and refuses names
// with codes its font cannot show; a name is checked against these ranges before
// it is sent and left out when any code falls outside them.
#pragma once

#include <span>
#include <string_view>

// An inclusive range of codes. A two-byte code is its first byte times 256 plus
// its second.
struct DocuNameCodeRange {
    unsigned low;
    unsigned high;
};

struct DocuNameValidateData {
    std::span<const DocuNameCodeRange> singleByte;
    std::span<const DocuNameCodeRange> twoByte;
};

// Shift_JIS printers and UTF-8 printers of unknown or ordinary product type.
extern const DocuNameValidateData docuNameValidateDataScale;
// Product type 2.
extern const DocuNameValidateData docuNameValidateDataScaleForProduct02;
// Product type 3 (and the Shift_JIS check every name passes first).
extern const DocuNameValidateData docuNameValidateDataScaleForProduct03;
// UTF-8 printers of product types 3 and 5.
extern const DocuNameValidateData docuNameValidateDataScaleForProduct03UTF8;

// 1 when the text is valid for the table, else 0. The walk takes a two-byte code
// where one fits a two-byte range, else a single byte where it fits a single-byte
// range; any other byte makes the text invalid.
int ValidateDada(std::string_view text, const DocuNameValidateData& table);
