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

#include <algorithm>
#include <chrono>
#include <cstdio>
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

// The middle value of a set of figures (the upper middle of an even count).
inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
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

// Writes an A4 document of pageCount pages that share one font, with its
// content streams Flate-compressed (as office programs write them) or not (as
// some layout and conversion tools leave them).
inline void WriteDocument(const std::string& path, int pageCount, bool compressed = true)
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
    writer.setCompressStreams(compressed);
    writer.write();
}

// Writes a valid PDF of about sizeMb megabytes: pages whose content streams are
// long runs of drawing operators, so the file is mostly stream data. Returns
// its size, or -1 when it cannot be written.
inline long long WriteBigPdf(const std::string& path, long long sizeMb)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return -1;
    const long long target = sizeMb << 20;
    const long long streamSize = 32LL << 20;
    const int pages = static_cast<int>(std::max(1LL, target / streamSize));
    std::vector<long long> offsets;
    auto obj = [&](const std::string& body) {
        offsets.push_back(std::ftell(f));
        std::fprintf(f, "%zu 0 obj\n%s\nendobj\n", offsets.size(), body.c_str());
    };
    std::fputs("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n", f);
    obj("<< /Type /Catalog /Pages 2 0 R >>");
    std::string kids;
    for (int i = 0; i < pages; ++i) kids += std::to_string(3 + 2 * i) + " 0 R ";
    obj("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) + " >>");
    const std::string line = "10 10 m 500 800 l S\n";
    std::string chunk;
    while (chunk.size() < (1 << 20)) chunk += line;
    for (int i = 0; i < pages; ++i) {
        obj("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents " + std::to_string(4 + 2 * i) +
            " 0 R >>");
        offsets.push_back(std::ftell(f));
        const long long n = streamSize / static_cast<long long>(chunk.size());
        std::fprintf(f, "%zu 0 obj\n<< /Length %lld >>\nstream\n", offsets.size(),
                     n * static_cast<long long>(chunk.size()));
        for (long long k = 0; k < n; ++k) std::fwrite(chunk.data(), 1, chunk.size(), f);
        std::fputs("\nendstream\nendobj\n", f);
    }
    const long long xref = std::ftell(f);
    std::fprintf(f, "xref\n0 %zu\n0000000000 65535 f \n", offsets.size() + 1);
    for (long long off : offsets) std::fprintf(f, "%010lld 00000 n \n", off);
    std::fprintf(f, "trailer\n<< /Size %zu /Root 1 0 R >>\nstartxref\n%lld\n%%%%EOF", offsets.size() + 1,
                 xref);
    const long long size = std::ftell(f);
    std::fclose(f);
    return size;
}

// The set-up of the large-job benchmarks: the filter runs for the sample
// printer with its temporary copy in dir and no job copy, and a PDF of about
// sizeMb megabytes is written to pdf. Its size, or -1 with the reason printed
// under the program's name.
inline long long SetUpLargeJob(const char* program, const std::string& dir, const std::string& pdf,
                               long long sizeMb)
{
    const std::string ppd = std::string(QV_SOURCE_DIR) + "/ppd/quorvel-kz63-color-mfp.ppd";
    setenv("PPD", ppd.c_str(), 1);
    setenv("TMPDIR", dir.c_str(), 1);
    setenv("SPOOLWRAP_JOBCOPY_MARKER", (dir + "/no-such-marker").c_str(), 1);
    const long long size = WriteBigPdf(pdf, sizeMb);
    if (size < 0) std::fprintf(stderr, "%s: cannot write the PDF %s\n", program, pdf.c_str());
    return size;
}

} // namespace bench
