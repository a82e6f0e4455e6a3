// Helpers of the filter benchmarks: run a program, time it, take its peak
// memory, and write test PDFs.
#pragma once

#include "tests/support/FileBytes.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/TempDir.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace bench {

struct RunResult {
    double seconds = 0;
    long peakKiB = 0;
    int status = -1;
};

// Runs the command with extra environment, standard input from stdinPath and
// standard output into stdoutPath.
//
// Peak memory comes from /usr/bin/time when it is there: a child forked from
// this (large) benchmark process would otherwise be charged with the
// benchmark's own pages, which the kernel counts until the exec.
inline RunResult Run(const std::vector<std::string>& command,
                     const std::map<std::string, std::string>& env = {},
                     const std::string& stdinPath = "/dev/null", const std::string& stdoutPath = "/dev/null")
{
    const bool timed = ::access("/usr/bin/time", X_OK) == 0;
    const testing_support::TempDir scratch;
    const std::string peakFile = scratch.file("peak");
    std::vector<std::string> argv;
    if (timed) argv = {"/usr/bin/time", "-f", "%M", "-o", peakFile};
    argv.insert(argv.end(), command.begin(), command.end());
    const testing_support::ProcessRequest request{.program = argv.front(),
                                                  .args = {argv.begin() + 1, argv.end()},
                                                  .env = env,
                                                  .stdinFile = stdinPath,
                                                  .stdoutFile = stdoutPath};
    const auto start = std::chrono::steady_clock::now();
    const testing_support::ProcessResult run = testing_support::RunProcess(request);
    RunResult r;
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    r.peakKiB = run.peakKiB;
    r.status = run.status;
    if (timed) {
        // time writes "Command exited with non-zero status N" first on failure.
        std::error_code missing;
        std::istringstream report(testing_support::ReadFile(peakFile, missing));
        long kib = 0;
        for (std::string line; std::getline(report, line);)
            kib = std::atol(line.c_str()) > 0 ? std::atol(line.c_str()) : kib;
        r.peakKiB = kib;
    }
    return r;
}

// Best of n runs (the machine is shared; the fastest run is the least disturbed).
template <typename F>
RunResult Best(int n, F run)
{
    RunResult best;
    for (int i = 0; i < n; ++i) {
        const RunResult r = run();
        if (i == 0 || r.seconds < best.seconds) best = r;
        if (r.peakKiB > best.peakKiB) best.peakKiB = r.peakKiB;
    }
    return best;
}

// A page of office-document content: a heading, lines of text and a few
// shapes, different on every page.
inline std::string PageContent(int page)
{
    std::ostringstream s;
    s << "0.2 0.3 0.8 rg 40 780 515 30 re f\nBT /F1 20 Tf 1 g 50 788 Td (Quarterly report, page " << page
      << ") Tj ET\n0 g\n";
    for (int line = 0; line < 45; ++line)
        s << "BT /F1 10 Tf 50 " << 750 - line * 15 << " Td (Line " << line << " of page " << page
          << ": the quick brown fox jumps over the lazy dog 0123456789.) Tj ET\n";
    s << "0.9 0.1 0.1 RG 3 w 60 60 200 " << 40 + page % 50 << " re S\n";
    s << "0.1 0.6 0.2 rg 350 60 m 450 160 l 550 60 l f\n";
    return s.str();
}

// Writes an A4 document of pageCount pages that share one font.
inline void WriteDocument(const std::string& path, int pageCount)
{
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle font = pdf.makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"));
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    QPDFObjectHandle fonts = QPDFObjectHandle::newDictionary();
    fonts.replaceKey("/F1", font);
    resources.replaceKey("/Font", fonts);
    QPDFPageDocumentHelper doc(pdf);
    for (int p = 1; p <= pageCount; ++p) {
        QPDFObjectHandle page = QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 595 842] >>");
        page.replaceKey("/Resources", resources);
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, PageContent(p)));
        doc.addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(page)), false);
    }
    QPDFWriter writer(pdf, path.c_str());
    writer.write(); // content streams are Flate-compressed, as office programs write them
}

} // namespace bench
