// The base of the tests that run the installed driver under a private cupsd:
// a root folder of their own, the driver installed into it with `cmake
// --install`, and a cupsd started on demand and stopped after the test.
#pragma once

#include "PrivateCupsd.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class CupsdTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void StartCupsd(bool systemFilters = true);

    // Files left in the filters' TMPDIR (cupsd's spool/tmp).
    std::vector<std::string> TempFiles() const;
    // Processes below this test process other than cupsd itself, whose
    // command line holds text: cupsd's children and whatever they left behind.
    std::vector<std::string> OtherProcesses(const std::string& text = "") const;

    testing_support::TempDir rootDir_;
    std::string root_;
    InstalledDriver driver_;
    std::unique_ptr<PrivateCupsd> cupsd_;
};
