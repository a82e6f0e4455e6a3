// spoolwrap against bad input: damaged, empty and foreign documents, broken
// PPDs, huge and binary option values, missing or unusable temporary folders,
// a full disk, SIGTERM in the middle of a job and failing layout filters.
// Every case ends in a well-formed job or a clear failure, never a crash, and
// leaves no temporary file behind.
#include "PdfTestSupport.h"
#include "SpoolwrapRun.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace {

const std::string kUEL = "\x1b%-12345X";
const std::string kTrailer = kUEL + "@PJL EOJ\n";

std::string Ppd(const std::string& name) { return ProjectPath("ppd/" + name); }
std::string SamplePdf() { return ReadFile(ProjectPath("samples/sample.pdf")); }

// Runs a copy of the job changed by harden (a file-size limit, a SIGTERM).
template <typename Change>
SpoolwrapResult RunWith(SpoolwrapJob job, Change harden)
{
    harden(job);
    return RunSpoolwrap(job);
}

// A job as CUPS starts it, with its own temporary folder.
class BadInput : public ::testing::Test {
protected:
    TempDir tmp, work;
    SpoolwrapJob job;

    void SetUp() override { job = CupsJob(tmp.path(), tmp.file("no-marker")); }
    // The document comes from a file (argument 6) rather than standard input.
    void FromFile(const std::string& bytes)
    {
        WriteFile(work.file("in.pdf"), bytes);
        job.args.push_back(work.file("in.pdf"));
    }

    // A whole, well-formed job: header lines of at most 254 bytes, each a PJL
    // line, FSIZ equal to the bytes sent, the trailer last. Returns the PDF.
    std::string ExpectWellFormed(const SpoolwrapResult& r)
    {
        EXPECT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> lines = HeaderLines(r.out);
        EXPECT_FALSE(lines.empty());
        if (lines.empty() || lines.back() != "@PJL ENTER LANGUAGE=PDF") {
            ADD_FAILURE() << "no complete header";
            return {};
        }
        size_t headerSize = 0;
        std::string fsiz;
        for (size_t i = 0; i < lines.size(); ++i) {
            headerSize += lines[i].size() + 1;
            EXPECT_LE(lines[i].size() + 1, 254u) << lines[i];
            EXPECT_EQ(lines[i].rfind(i == 0 ? kUEL + "@PJL " : "@PJL ", 0), 0u) << lines[i];
            for (char c : lines[i])
                EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 && c != '\x1b')
                    << "control byte in " << lines[i];
            if (lines[i].rfind("@PJL SET JOBATTR=\"@FSIZ=", 0) == 0)
                fsiz = lines[i].substr(24, lines[i].size() - 25);
        }
        EXPECT_GE(r.out.size(), headerSize + kTrailer.size());
        if (r.out.size() < headerSize + kTrailer.size()) return {};
        EXPECT_EQ(r.out.substr(r.out.size() - kTrailer.size()), kTrailer);
        const std::string pdf = r.out.substr(headerSize, r.out.size() - headerSize - kTrailer.size());
        EXPECT_EQ(fsiz, std::to_string(pdf.size()));
        return pdf;
    }
    // A job that failed as a whole: status 1, the message, nothing sent.
    void ExpectFailed(const SpoolwrapResult& r, const std::string& message = "ERROR: Process Data fail\n")
    {
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    void ExpectNothingLeft() { EXPECT_TRUE(tmp.entries().empty()) << tmp.entries().front(); }
};

// Writes a PDF whose cross-reference offsets all point to the wrong place.
std::string WithBrokenXref(const std::string& pdf)
{
    std::string broken = pdf;
    const size_t xref = broken.rfind("\nxref");
    if (xref == std::string::npos) return broken;
    for (size_t at = broken.find(" 00000 n", xref); at != std::string::npos;
         at = broken.find(" 00000 n", at + 1))
        broken.replace(at - 10, 10, "0000000001");
    return broken;
}

const char* const kPagePassOptions = "QVTurnPage=true";

// --- Documents --------------------------------------------------------------

TEST_F(BadInput, EmptyInputGivesAnEmptyJobFromStdinAndFromAFile)
{
    // Nothing arrived, nothing can be lost: header and trailer with FSIZ=0.
    EXPECT_EQ(ExpectWellFormed(RunSpoolwrap(job)), "");
    FromFile("");
    const SpoolwrapResult r = RunSpoolwrap(job);
    EXPECT_EQ(ExpectWellFormed(r), "");
    EXPECT_NE(r.err.find("ERROR: CGPDFDocumentCreateWithURL error\n"), std::string::npos) << r.err;
    ExpectNothingLeft();
}

TEST_F(BadInput, NonPdfFailsTheJob)
{
    // Bytes that are no PDF cannot print: the job fails instead of being
    // reported as printed, with or without a page pass, from stdin or a file.
    const std::string text = "%!PS-Adobe-3.0\nthis is PostScript, not PDF\n\x01\x02\xff";
    for (const char* options : {"", kPagePassOptions}) {
        job.args[4] = options;
        job.stdinData = text;
        const SpoolwrapResult r = RunSpoolwrap(job);
        ExpectFailed(r);
        EXPECT_NE(r.err.find("ERROR: CGPDFDocumentCreateWithURL error\n"), std::string::npos) << r.err;
        ExpectNothingLeft();
    }
    job.stdinData.clear();
    FromFile(text);
    ExpectFailed(RunSpoolwrap(job));
    EXPECT_EQ(ReadFile(work.file("in.pdf")), text); // the job's own file is kept
    ExpectNothingLeft();
}

TEST_F(BadInput, TruncatedPdfFailsTheJob)
{
    // Half a document lacks its end: the printer could print at most part of
    // it, so the job fails rather than being reported as printed.
    const std::string pdf = SamplePdf();
    const std::string cut = pdf.substr(0, pdf.size() / 2);
    for (const char* options : {"", kPagePassOptions}) {
        job.args[4] = options;
        job.stdinData = cut;
        const SpoolwrapResult r = RunSpoolwrap(job);
        ExpectFailed(r);
        EXPECT_NE(r.err.find("not a complete PDF document"), std::string::npos) << r.err;
        ExpectNothingLeft();
    }
}

TEST_F(BadInput, PdfOfNoPagesPassesWithAndWithoutPagePass)
{
    const std::string empty =
        "%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n2 0 obj<</Type/Pages/Kids[]/Count 0>>endobj\n"
        "trailer<</Root 1 0 R>>\n%%EOF\n";
    job.stdinData = empty;
    EXPECT_EQ(ExpectWellFormed(RunSpoolwrap(job)), empty);
    for (const char* options :
         {kPagePassOptions, "com.apple.print.PrintSettings.PMCopies..n.=2 Collate=true"}) {
        job.args[4] = options;
        const std::string sent = ExpectWellFormed(RunSpoolwrap(job));
        WriteFile(work.file("out.pdf"), sent);
        EXPECT_EQ(PdfPageCount(work.file("out.pdf")), 0) << options;
    }
    ExpectNothingLeft();
}

TEST_F(BadInput, BrokenCrossReferenceTable)
{
    WriteMarkedPdf(work.file("good.pdf"), 3);
    const std::string broken = WithBrokenXref(ReadFile(work.file("good.pdf")));
    ASSERT_NE(broken, ReadFile(work.file("good.pdf")));
    // Without a page pass the bytes go to the printer as they came.
    job.stdinData = broken;
    EXPECT_EQ(ExpectWellFormed(RunSpoolwrap(job)), broken);
    // With one, qpdf rebuilds the table and every page is still there, turned.
    job.args[4] = kPagePassOptions;
    const std::string sent = ExpectWellFormed(RunSpoolwrap(job));
    EXPECT_NE(sent, broken);
    WriteFile(work.file("out.pdf"), sent);
    EXPECT_EQ(PdfPageCount(work.file("out.pdf")), 3);
    EXPECT_EQ(FindPageIdentity(RenderPage(work.file("out.pdf"), 2)), 3);
    EXPECT_EQ(FindCornerMark(RenderPage(work.file("out.pdf"), 0)), Corner::BottomRight);
    ExpectNothingLeft();
}

// --- PPD and options --------------------------------------------------------

TEST_F(BadInput, PpdThatDoesNotParse)
{
    WriteFile(work.file("bad.ppd"), "*PPD-Adobe: \"4.3\"\n*OpenUI *QVStaple: PickOne\n\x01\x02garbage\n");
    job.env["PPD"] = work.file("bad.ppd");
    job.stdinData = SamplePdf();
    // The job prints without the PPD's defaults, in the default code set.
    const SpoolwrapResult r = RunSpoolwrap(job);
    EXPECT_EQ(ExpectWellFormed(r), job.stdinData);
    const auto lines = HeaderLines(r.out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], "@PJL SET STRINGCODESET=\"SJISX0208\"");
    // A layout option needs the PPD to find the layout filter: the job fails.
    job.args[4] = "number-up=2";
    ExpectFailed(RunSpoolwrap(job), "ppdOpenFile return NULL\n");
    ExpectNothingLeft();
}

TEST_F(BadInput, OptionStringsOf100KB)
{
    const std::string pt = "com.lumeral.vrk.printsettings.";
    // One argument may hold at most 128 KB: four values of 24 KB and filler.
    const std::string big(24 * 1024, 'k');
    std::string options = pt + "PrintTypeTicketKey=2 " + pt + "PrintTypePasswordTicketKey=" + big + " " + pt +
                          "PrintTypeUserNameTicketKey=" + big + " " + pt + "DocumentNameTypeTicketKey=2 " +
                          pt + "DocumentNameTicketKey=" + big + " " + pt + "JBAIPAddressStringTicket=" + big;
    // And options that no table reads, up to 120 KB in all.
    for (int i = 0; options.size() < 120 * 1024; ++i) options += " unknown" + std::to_string(i) + "=v";
    job.args[4] = options;
    job.args[3] = std::string(100 * 1024, 't');
    job.stdinData = SamplePdf();
    const SpoolwrapResult r = RunSpoolwrap(job);
    EXPECT_EQ(ExpectWellFormed(r), job.stdinData);
    // Cut to the fields, then to the line: the hold key keeps its quotes.
    bool holdKey = false;
    for (const std::string& line : HeaderLines(r.out)) {
        if (line.rfind("@PJL SET HOLDKEY=\"", 0) != 0) continue;
        holdKey = true;
        EXPECT_EQ(line.back(), '"');
        EXPECT_EQ(line.find_first_not_of('k', 18), line.size() - 1);
    }
    EXPECT_TRUE(holdKey);
    ExpectNothingLeft();
}

TEST_F(BadInput, OptionValuesHoldingEveryByteValue)
{
    const std::string pt = "com.lumeral.vrk.printsettings.";
    std::string escaped;
    std::string raw;
    for (int b = 1; b <= 255; ++b) {
        escaped += "/" + std::to_string(b);
        if (b != ' ' && b != '\'' && b != '"' && b != '\\' && b != '{' && b != '}' && b != '=')
            raw += char(b);
    }
    for (const char* ppd :
         {"quorvel-kz63-color-mfp.ppd", "quorvel-rx42-mfp.ppd", "quorvel-wt74-printer.ppd"}) {
        job.env["PPD"] = Ppd(ppd);
        job.args[2] = raw;
        job.args[3] = raw;
        job.args[4] = pt + "PrintTypeTicketKey=2 " + pt + "PrintTypePasswordTicketKey=" + escaped + " " + pt +
                      "PrintTypeUserNameTicketKey=" + escaped + " " + pt + "DocumentNameTypeTicketKey=2 " +
                      pt + "DocumentNameTicketKey=" + escaped + " " + pt + "JBAManageTypeListTicketKey=2 " +
                      pt + "JBAUserPasswordTextEditTicket=" + escaped + " " + pt +
                      "JBAMacHostNameStringTicket=" + raw + " media=" + raw + " QVStaple=" + raw;
        job.stdinData = SamplePdf();
        // No byte of any value can end a line or a quoted value early.
        EXPECT_EQ(ExpectWellFormed(RunSpoolwrap(job)), job.stdinData) << ppd;
    }
    ExpectNothingLeft();
}

// --- Temporary folder, disk, signals ------------------------------------------

TEST_F(BadInput, MissingOrUnusableTmpdirDoesNotLoseAJobGivenAsAFile)
{
    const std::string pdf = SamplePdf();
    FromFile(pdf);
    WriteFile(work.file("not-a-folder"), "");
    for (const std::string& tmpdir : {std::string(), tmp.file("missing"), work.file("not-a-folder")}) {
        if (tmpdir.empty())
            job.env.erase("TMPDIR");
        else
            job.env["TMPDIR"] = tmpdir;
        EXPECT_EQ(ExpectWellFormed(RunSpoolwrap(job)), pdf) << tmpdir;
    }
}

TEST_F(BadInput, MissingTmpdirWithStandardInputFailsTheJob)
{
    // Standard input cannot be kept anywhere: an empty job would be reported
    // as printed, so the job fails, and standard error says why.
    job.env["TMPDIR"] = tmp.file("missing");
    job.stdinData = SamplePdf();
    ExpectFailed(RunSpoolwrap(job), "The job's data cannot be kept: no temporary file can be made in " +
                                        tmp.file("missing") + " (No such file or directory)\n");
    ExpectNothingLeft();
}

TEST_F(BadInput, DiskFullWhileCopyingStandardInputFailsTheJob)
{
    job.stdinData = SamplePdf();
    while (job.stdinData.size() < 256 * 1024) job.stdinData += "% padding after the end of the document\n";
    const SpoolwrapResult r = RunWith(job, [](SpoolwrapJob& j) { j.fileSizeLimit = 64 * 1024; });
    // A cut PDF must not be reported as printed.
    ExpectFailed(r);
    ExpectNothingLeft();
}

TEST_F(BadInput, DiskFullInThePagePassSendsTheUnprocessedFile)
{
    WriteMarkedPdf(work.file("in.pdf"), 2);
    const std::string pdf = ReadFile(work.file("in.pdf"));
    job.args.push_back(work.file("in.pdf"));
    job.args[4] = "QVPDFRasterizedMode=true";
    // The raster pass writes far more than the input: it cannot finish.
    const SpoolwrapResult r =
        RunWith(job, [&](SpoolwrapJob& j) { j.fileSizeLimit = static_cast<long>(pdf.size()); });
    EXPECT_EQ(ExpectWellFormed(r), pdf);
    ExpectNothingLeft();
}

TEST_F(BadInput, DiskFullWhileTakingTheLayoutFilterOutputFailsTheJob)
{
    TempDir cups;
    std::filesystem::create_directories(cups.file("data/mime"));
    std::filesystem::create_directories(cups.file("etc"));
    std::filesystem::create_directories(cups.file("bin/filter"));
    WriteFile(cups.file("data/mime/test.convs"), "application/pdf application/vnd.cups-pdf 66 fakefilter\n");
    // The whole output fits the pipe and the filter ends well before the
    // copy hits the limit.
    WriteFile(cups.file("bin/filter/fakefilter"), "#!/bin/sh\nhead -c 40000 /dev/zero\nexit 0\n");
    ::chmod(cups.file("bin/filter/fakefilter").c_str(), 0755);
    job.env["CUPS_DATADIR"] = cups.file("data");
    job.env["CUPS_SERVERROOT"] = cups.file("etc");
    job.env["CUPS_SERVERBIN"] = cups.file("bin");
    job.args[4] = "page-set=odd";
    FromFile(SamplePdf());
    ExpectFailed(RunWith(job, [](SpoolwrapJob& j) { j.fileSizeLimit = 16 * 1024; }));
    ExpectNothingLeft();
}

TEST_F(BadInput, SigtermInTheMiddleOfAJobCancelsIt)
{
    job.stdinData = SamplePdf();
    while (job.stdinData.size() < 512 * 1024) job.stdinData += "% padding after the end of the document\n";
    job.stdinData += "%%EOF\n";
    const SpoolwrapResult r = RunWith(job, [](SpoolwrapJob& j) { j.sigtermAfterBytes = 100 * 1024; });
    // CUPS cancelled the job: the copy of the input stops and is removed, and
    // nothing reaches the printer.
    ExpectFailed(r, "ERROR: The job was cancelled\n");
    ExpectNothingLeft();
}

// --- The system PDF filter --------------------------------------------------

class BadLayoutFilter : public BadInput {
protected:
    TempDir cups;
    void SetUp() override
    {
        BadInput::SetUp();
        std::filesystem::create_directories(cups.file("data/mime"));
        std::filesystem::create_directories(cups.file("etc"));
        std::filesystem::create_directories(cups.file("bin/filter"));
        WriteFile(cups.file("data/mime/test.convs"),
                  "application/pdf application/vnd.cups-pdf 66 fakefilter\n");
        job.env["CUPS_DATADIR"] = cups.file("data");
        job.env["CUPS_SERVERROOT"] = cups.file("etc");
        job.env["CUPS_SERVERBIN"] = cups.file("bin");
        job.args[4] = "page-set=odd";
        FromFile(SamplePdf());
    }
    void Filter(const std::string& body)
    {
        WriteFile(cups.file("bin/filter/fakefilter"), "#!/bin/sh\n" + body);
        ::chmod(cups.file("bin/filter/fakefilter").c_str(), 0755);
    }
};

TEST_F(BadLayoutFilter, FilterThatCrashesFailsTheJob)
{
    Filter("head -c 1000 \"$6\"\nkill -SEGV $$\n");
    const SpoolwrapResult r = RunSpoolwrap(job);
    ExpectFailed(r);
    EXPECT_NE(r.err.find("failed with status 139"), std::string::npos) << r.err;
    ExpectNothingLeft();
}

TEST_F(BadLayoutFilter, FilterThatWritesGarbageFailsTheJob)
{
    // What it wrote is no PDF: nothing is sent as if it had printed.
    Filter("printf 'garbage\\000\\377 not a PDF'\n");
    const SpoolwrapResult r = RunSpoolwrap(job);
    ExpectFailed(r);
    EXPECT_NE(r.err.find("ERROR: CGPDFDocumentCreateWithURL error\n"), std::string::npos) << r.err;
    ExpectNothingLeft();
}

TEST_F(BadLayoutFilter, FilterThatNeverWritesButEndsWellGivesAnEmptyJob)
{
    Filter("exit 0\n");
    EXPECT_EQ(ExpectWellFormed(RunSpoolwrap(job)), "");
    ExpectNothingLeft();
}

} // namespace
