// Runs the real spoolwrap binary as CUPS would, and hands back what it wrote.
#pragma once

#include "tests/support/FileBytes.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/TempDir.h"

#include <string>
#include <vector>

// The shared helpers every filter test uses.
using testing_support::PatternBytes;
using testing_support::ReadFile;
using testing_support::RunProcess;
using testing_support::TempDir;
using testing_support::WriteFile;

// A run of the filter: `args` are argv[1]..., `env` is added to a clean
// environment; `program` is filled in by RunSpoolwrap.
using SpoolwrapJob = testing_support::ProcessRequest;
using SpoolwrapResult = testing_support::ProcessResult;

std::string SpoolwrapBinary();
std::string ProjectPath(const std::string& relative);
std::string TestDataPath(const std::string& name);

SpoolwrapResult RunSpoolwrap(SpoolwrapJob job);

// A job as CUPS starts it on the KZ63 printer: job 42 of alice titled
// "report", one copy, the given options, TMPDIR and job-copy marker path;
// the document comes from standard input until an argument 6 is added.
SpoolwrapJob CupsJob(const std::string& tmpdir, const std::string& marker, const std::string& options = "");

// The lines of a PJL header, up to and including "@PJL ENTER LANGUAGE=PDF".
std::vector<std::string> HeaderLines(const std::string& job);
