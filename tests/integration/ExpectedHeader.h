// The PJL header the KZ63 should receive for a job, line by line, built from
// what sets the job apart from a plain one; and byte comparison of what the
// printer received.
#pragma once

#include "ReceivedJob.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

// The user CUPS names as the job's owner: whoever submits it, i.e. this process.
std::string CurrentUser();

// One owner block: the date and time comments, CNAM, JOAU, HOAD and JOEP.
struct OwnerBlock {
    std::string user = CurrentUser();
    std::string password;
};

// A job on the KZ63 (a UTF-8 printer with colour mode, print mode and
// trapping) whose owner block carries the fixed identity of the tests' print
// settings (03/15/2025 09:08:07, WS-ALICE, I0A01C80F). The defaults give a job
// without print type or accounting, A4 from automatic tray selection,
// single-sided, one copy, no finishing.
struct HeaderShape {
    std::string user = CurrentUser(); // the final owner block
    std::string password;
    std::optional<OwnerBlock> firstOwner; // input at print time adds a block before it
    std::string documentName;
    std::vector<std::string> holdLines; // between the document name and the copies
    std::string copiesLine = SetLine("COPIES", "1");
    std::string collateLine; // empty: no COLLATE line
    std::vector<std::string> sourceLines = {SetLine("AUTOSELECT", "ON")};
    std::vector<std::string> paperLines = {SetLine("PAPER", "A4")}; // none: no page size in the job
    std::vector<std::string> mediaTypeLines = {SetLine("MEDIATYPE", "OFF")};
    std::vector<std::string> duplexLines = {SetLine("DUPLEX", "OFF")};
    std::vector<std::string> finishingLines;
    std::string codeSet = "\"UTF8\"";
};

std::vector<std::string> ExpectedKZ63Header(const HeaderShape& shape, size_t pdfSize);

// Byte-for-byte equality with a short message: sizes and the first difference.
::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected);
