// Helpers for the job document group tests: run the option reader and the group
// writer in-process with a chosen PPD, and cut the group out of a whole job.
#pragma once

#include "SpoolwrapRun.h"

#include "filter/FilterState.h"
#include "filter/JobCommands.h"
#include "filter/OutputMirror.h"
#include "filter/PrintOptionsReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace jobdoc {

inline std::string ProjectPpd(const std::string& name) { return ProjectPath("ppd/" + name); }
inline std::string FixturePpd(const std::string& name) { return TestDataPath("jobdoc/" + name); }

inline const std::string kKZ63 = ProjectPpd("quorvel-kz63-color-mfp.ppd");
inline const std::string kRX42 = ProjectPpd("quorvel-rx42-mfp.ppd");
inline const std::string kWT74 = ProjectPpd("quorvel-wt74-printer.ppd");
inline const std::string kBare = FixturePpd("bare.ppd");
inline const std::string kNoModelName = FixturePpd("no-model-name.ppd");
inline const std::string kColorNoOutputMode = FixturePpd("color-no-output-mode.ppd");

// A plain job as CUPS hands it over: A4, single-sided, one page per sheet.
inline const std::string kPlainJob = "media=A4 com.apple.print.PrintSettings.PMDuplexing..n.=1 number-up=1";

// The job document group of that plain job on a colour printer with trapping,
// and on a monochrome one (print mode with GRAYSCALE, no TRAP line).
inline const std::string kColourPlainGroup = "@PJL SET COPIES=1\n"
                                             "@PJL SET JOBATTR=\"@FSTP=0\"\n"
                                             "@PJL SET JOBATTR=\"@LSTP=0\"\n"
                                             "@PJL SET OUTBIN=MAINTRAY\n"
                                             "@PJL SET JOBATTR=\"@LOUT=NOSCALING\"\n"
                                             "@PJL SET JOBATTR=\"@DIPQ=STANDARD\"\n"
                                             "@PJL SET RENDERMODE=AUTOCOLOR\n"
                                             "@PJL SET JOBATTR=\"@TRAP=ON\"\n"
                                             "@PJL SET AUTOSELECT=ON\n"
                                             "@PJL SET PAPER=A4\n"
                                             "@PJL SET MEDIATYPE=OFF\n"
                                             "@PJL SET DUPLEX=OFF\n"
                                             "@PJL SET TIMEOUT=0\n"
                                             "@PJL SET JOBATTR=\"@NLPP=1\"\n";

inline const std::string kMonoPlainGroup = "@PJL SET COPIES=1\n"
                                           "@PJL SET JOBATTR=\"@FSTP=0\"\n"
                                           "@PJL SET JOBATTR=\"@LSTP=0\"\n"
                                           "@PJL SET OUTBIN=MAINTRAY\n"
                                           "@PJL SET JOBATTR=\"@LOUT=NOSCALING\"\n"
                                           "@PJL SET JOBATTR=\"@DIPQ=STANDARD\"\n"
                                           "@PJL SET RENDERMODE=GRAYSCALE\n"
                                           "@PJL SET AUTOSELECT=ON\n"
                                           "@PJL SET PAPER=A4\n"
                                           "@PJL SET MEDIATYPE=OFF\n"
                                           "@PJL SET DUPLEX=OFF\n"
                                           "@PJL SET TIMEOUT=0\n"
                                           "@PJL SET JOBATTR=\"@NLPP=1\"\n";
inline const std::string kPunchNoStaple = FixturePpd("punch-no-staple.ppd");

// "@PJL SET NAME=VALUE\n" and "@PJL SET JOBATTR=\"@NAME=VALUE\"\n" for a "NAME=VALUE".
inline std::string Set(const std::string& assignment) { return "@PJL SET " + assignment + "\n"; }
inline std::string Attr(const std::string& assignment)
{
    return "@PJL SET JOBATTR=\"@" + assignment + "\"\n";
}

// Points PPD at a file (empty: no PPD) for the life of the object.
class ScopedPpd {
public:
    explicit ScopedPpd(const std::string& path)
    {
        if (const char* old = std::getenv("PPD")) old_ = old;
        if (path.empty())
            unsetenv("PPD");
        else
            setenv("PPD", path.c_str(), 1);
    }
    ~ScopedPpd()
    {
        if (old_)
            setenv("PPD", old_->c_str(), 1);
        else
            unsetenv("PPD");
    }
    ScopedPpd(const ScopedPpd&) = delete;
    ScopedPpd& operator=(const ScopedPpd&) = delete;

private:
    std::optional<std::string> old_;
};

// Sends the PJL writers' output to memory for the life of the object.
class PjlCapture {
public:
    PjlCapture() : stream_(open_memstream(&data_, &size_)) { SetPjlOutputStream(stream_); }
    ~PjlCapture()
    {
        SetPjlOutputStream(nullptr);
        if (stream_ != nullptr) std::fclose(stream_);
        std::free(data_);
    }
    PjlCapture(const PjlCapture&) = delete;
    PjlCapture& operator=(const PjlCapture&) = delete;

    std::string Text()
    {
        std::fflush(stream_);
        return data_ != nullptr ? std::string(data_, size_) : std::string();
    }

private:
    char* data_ = nullptr;
    size_t size_ = 0;
    FILE* stream_;
};

// The filter's argument vector for a job with the given copies and options.
class FilterArgs {
public:
    FilterArgs(const std::string& copies, const std::string& options)
        : store_{"spoolwrap", "42", "alice", "report", copies, options}
    {
        for (auto& a : store_) argv_.push_back(a.data());
        argv_.push_back(nullptr);
    }
    char** argv() { return argv_.data(); }

private:
    std::vector<std::string> store_;
    std::vector<char*> argv_;
};

// The job document group from its copies line on: what comes before it (the
// document-name comment and print-type commands) is written by another step.
inline std::string FromCopiesLine(const std::string& text)
{
    for (const char* start : {"@PJL SET COPIES=", "@PJL SET QTY="}) {
        if (text.rfind(start, 0) == 0) return text;
        const size_t at = text.find(std::string("\n") + start);
        if (at != std::string::npos) return text.substr(at + 1);
    }
    ADD_FAILURE() << "no copies line in:\n" << text;
    return {};
}

// Writes the group for a record filled by hand.
inline std::string GroupOf(const PrintOptions& options, const std::string& ppd,
                           const std::string& copies = "1", const std::string& optionString = "")
{
    ScopedPpd scoped(ppd);
    FilterArgs args(copies, optionString);
    PjlCapture capture;
    OutputJobDocCommand(args.argv(), options);
    return FromCopiesLine(capture.Text());
}

// Reads the option string as the filter does, then writes the group.
inline std::string Group(const std::string& optionString, const std::string& ppd,
                         const std::string& copies = "1")
{
    ScopedPpd scoped(ppd);
    ResetFilterState();
    FilterArgs args(copies, optionString);
    auto options = std::make_unique<PrintOptions>();
    EXPECT_EQ(GetPrintOptions(args.argv(), *options), 1);
    PjlCapture capture;
    OutputJobDocCommand(args.argv(), *options);
    return FromCopiesLine(capture.Text());
}

// The group inside a whole job's output: from the copies line up to the FSIZ line.
inline std::string GroupOfJob(const std::string& job)
{
    const std::string group = FromCopiesLine(job);
    const size_t end = group.find("@PJL SET JOBATTR=\"@FSIZ=");
    EXPECT_NE(end, std::string::npos) << "no FSIZ line";
    return group.substr(0, end);
}

// True when line is one whole line of text.
inline bool HasLine(const std::string& text, const std::string& line)
{
    return ("\n" + text).find("\n" + line) != std::string::npos;
}

} // namespace jobdoc
