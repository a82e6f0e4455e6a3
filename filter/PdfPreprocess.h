// Deciding what the filter does to the job's PDF before sending it: whether the
// system PDF filter lays the pages out first, and whether a page pass is needed
// (drop the copies the layout filter laid into the document, keep odd or even
// pages, turn pages by 180 degrees, rasterise).
#pragma once

#include "filter/CupsOptions.h"
#include "filter/PrintOptions.h"

#include <cups/ppd.h>

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

// The job's PDF as the page pass reads it (PagePass.h).
class PdfDocument;

// The document-processing record.
struct PDFDocInfo {
    // The job's PDF. Objects are read only as they are asked for, so holding
    // a large document open costs little until the page pass walks it.
    std::shared_ptr<PdfDocument> document;
    std::string documentPath;
    // Where the page pass writes the new PDF; set only while it runs.
    std::FILE* outputContext = nullptr;
    char optionPrefix[8] = {};
    int pageCount = 0;
    int lastPage = 0; // highest page number drawn
    int pageStep = 0; // distance between drawn pages
    int rotation = 0; // degrees: the sum of the 180-degree turns asked for
    int rasterFlag = 0;
    // Why the page pass failed, when the job's log should say it (a page too
    // large to rasterise); empty otherwise.
    std::string passFailure;
};

// Prefix of the printer's PPD option names.
inline constexpr const char* kPPDOptionPrefix = "QV";

// 1 when the layout options ask for the system PDF filter to run first
// (scaling, pages per sheet, borders, reverse order, page-to-paper mapping,
// page set, mirroring), else 0.
int checkIfNeddApplePDF(const PrintOptions& options);

// Opens the PDF at path and resets the record: page count and last page the
// number of pages its page tree holds, step 1, no rotation, no raster, prefix
// "QV". Returns 0, or -1 with a message when the PDF cannot be opened or its
// page tree cannot be walked (page count 0; the job goes on with the file as
// it is). The page tree is read, not the pages' contents.
int pdfDocInfo_init(const char* path, PDFDocInfo& info);

// True when the job's options could ask for a page pass: copies above one or
// any of the turn and raster checks. Tells whether the document must be opened
// and counted at all, which for a large PDF costs memory in proportion to its
// objects.
bool PagePassMayBeNeeded(char** argv);

// The cheap test that the job's file can be opened as a PDF (it is readable
// and carries a PDF header), for jobs that need no page pass. Resets the
// record as pdfDocInfo_init does, without counting pages; returns 0, or -1
// with pdfDocInfo_init's messages.
int pdfDocInfo_probe(const char* path, PDFDocInfo& info);

// True when the file has a PDF's header in its first kilobyte and its
// end-of-file marker in its last: a file without them is something else, or a
// PDF cut short, and no printer can print it whole.
bool HasPdfFraming(const char* path);

// Runs the five checks on the job's options (argument 5) and PPD. Returns 1
// when a page pass is needed, 0 when not, -1 when there are no options or no
// PPD (no pass).
int CheckIfNeedEdit(char** argv, PDFDocInfo& info, bool systemFilterRan);

// Creates a CUPS temporary file (its name into path) and writes the new PDF
// into it: processImage when the raster flag is set, otherwise processPDF.
// Returns 1 on success; 0 on failure, with the temporary file removed, path
// cleared and the reason on standard error when the pass gave one.
int PreProcess(PDFDocInfo& info, char* path, size_t pathSize);
template <size_t N>
int PreProcess(PDFDocInfo& info, char (&path)[N])
{
    return PreProcess(info, path, N);
}

// Each check returns 1 when it changed the record (the pass is needed for it).
// Copies: the job's copies are made by the printer from the PJL copy count, so
// copies that the layout filter laid into the document are removed.
int checkNumPages(PDFDocInfo& info, const CupsOptions& options, bool systemFilterRan);
// Reverse orientations turn the page by 180 degrees.
int checkPageOrientation(PDFDocInfo& info, const CupsOptions& options, ppd_file_t* ppd);
// Rotated feeding from the bypass tray turns the page by 180 degrees.
int checkMSIOrientation(PDFDocInfo& info, const CupsOptions& options);
// The turn-page option turns the page by 180 degrees.
int checkTurnPage(PDFDocInfo& info, const CupsOptions& options);
// Rasterised mode prints every page as a 300 dpi image.
int checkRasterMode(PDFDocInfo& info, const CupsOptions& options);
