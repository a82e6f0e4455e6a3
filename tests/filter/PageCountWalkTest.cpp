// The page count's walk of the page tree, which keeps no page, against
// qpdf's getAllPages on plain and damaged trees: the counts agree, and only a
// tree qpdf has nothing to repair in takes the walk's count.
#include "filter/PagePass.h"
#include "filter/PagePassQpdf.h"
#include "filter/PdfPreprocess.h"
#include "tests/support/FileBytes.h"
#include "tests/support/PdfObjects.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <gtest/gtest.h>

namespace {

using testing_support::PdfFromObjects;
using testing_support::ScopedEnv;
using testing_support::TempDir;

std::string Content(const std::string& mark)
{
    const std::string data = "% " + mark;
    return "<< /Length " + std::to_string(data.size()) + " >>\nstream\n" + data + "\nendstream";
}

// qpdf's own count, or -1 where it gives up on the tree.
int GetAllPagesCount(const std::string& path)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(path.c_str());
        return static_cast<int>(pdf.getAllPages().size());
    } catch (const std::exception&) {
        return -1;
    }
}

TEST(PageCountWalk, AgreesWithGetAllPagesOnPlainAndDamagedTrees)
{
    // Object 1 is the catalog; objects 8 and 9 are content streams.
    const std::string page = "<< /Type /Page /Parent 2 0 R /Contents 8 0 R >>";
    const std::string untyped = "<< /Parent 2 0 R /Contents 8 0 R >>";
    struct Case {
        const char* tree;
        std::vector<std::string> objects; // objects 2 onwards, before the streams
        bool plain;
    };
    const std::vector<Case> cases = {
        {"flat", {"<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>", page, page}, true},
        {"nested, out of object order",
         {"<< /Type /Pages /Kids [3 0 R 5 0 R] /Count 3 >>",
          "<< /Type /Pages /Parent 2 0 R /Kids [6 0 R 4 0 R] /Count 2 >>", page, page, page},
         true},
        {"no pages", {"<< /Type /Pages /Kids [] /Count 0 >>"}, true},
        {"count that lies", {"<< /Type /Pages /Kids [3 0 R] /Count 7 >>", page}, true},
        {"page without /Type", {"<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>", page, untyped}, false},
        {"leaf typed /Pages", {"<< /Type /Pages /Kids [3 0 R] /Count 1 >>", "<< /Type /Pages >>"}, false},
        {"node without /Type",
         {"<< /Type /Pages /Kids [3 0 R] /Count 1 >>", "<< /Parent 2 0 R /Kids [4 0 R] >>", page},
         false},
        {"page listed twice", {"<< /Type /Pages /Kids [3 0 R 3 0 R 4 0 R] /Count 3 >>", page, page}, false},
        {"loop back to the root",
         {"<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>", page,
          "<< /Type /Pages /Parent 2 0 R /Kids [2 0 R] >>"},
         false},
        {"direct page", {"<< /Type /Pages /Kids [3 0 R << /Type /Page >>] /Count 2 >>", page}, false},
        {"kid that is no object", {"<< /Type /Pages /Kids [3 0 R 40 0 R] /Count 2 >>", page}, false},
        {"kid that is a number", {"<< /Type /Pages /Kids [3 0 R 5] /Count 2 >>", page}, false},
        {"/Kids not an array", {"<< /Type /Pages /Kids 3 0 R /Count 1 >>", page}, false},
        {"root typed /Page", {"<< /Type /Page /Kids [3 0 R] /Count 1 >>", page}, false},
    };
    const TempDir tmp;
    for (const Case& c : cases) {
        std::vector<std::string> objects{"<< /Type /Catalog /Pages 2 0 R >>"};
        objects.insert(objects.end(), c.objects.begin(), c.objects.end());
        // The streams the pages name take objects 8 and 9 whatever comes before.
        while (objects.size() < 7) objects.push_back("null");
        objects.push_back(Content("a"));
        objects.push_back(Content("b"));
        const std::string path = tmp.file("tree.pdf");
        testing_support::WriteFile(path, PdfFromObjects(objects));

        const std::shared_ptr<PdfDocument> document = OpenPdfDocument(path.c_str());
        ASSERT_TRUE(document) << c.tree;
        EXPECT_EQ(PdfDocumentPageCount(*document, nullptr), GetAllPagesCount(path)) << c.tree;
        EXPECT_EQ(!document->plainPages.empty(), c.plain && GetAllPagesCount(path) > 0) << c.tree;
    }
}

// The pass takes the pages of a plain tree from the count's list: the kept
// ones are the right pages in the tree's order, not the objects' order.
TEST(PageCountWalk, PassKeepsThePlainTreesPagesInTreeOrder)
{
    const TempDir tmp;
    const ScopedEnv tmpdir{"TMPDIR", tmp.path()};
    auto page = [](int contents) {
        return "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Contents " + std::to_string(contents) +
               " 0 R >>";
    };
    // Pages in tree order: 6, 4, 3, 7, 5 (objects), carrying marks p1..p5.
    const std::string path = tmp.file("in.pdf");
    testing_support::WriteFile(
        path, PdfFromObjects({"<< /Type /Catalog /Pages 2 0 R >>",
                              "<< /Type /Pages /Kids [8 0 R 3 0 R 7 0 R 5 0 R] /Count 5 >>", page(11),
                              page(10), page(13), page(9), page(12),
                              "<< /Type /Pages /Parent 2 0 R /Kids [6 0 R 4 0 R] /Count 2 >>", Content("p1"),
                              Content("p2"), Content("p3"), Content("p4"), Content("p5")}));
    PDFDocInfo info;
    ASSERT_EQ(pdfDocInfo_init(path.c_str(), info), 0);
    ASSERT_EQ(info.pageCount, 5);
    ASSERT_FALSE(info.document->plainPages.empty());
    info.pageStep = 2;
    char out[128] = {};
    ASSERT_EQ(PreProcess(info, out), 1);

    QPDF written;
    written.processFile(out);
    std::vector<std::string> marks;
    for (QPDFPageObjectHelper& kept : QPDFPageDocumentHelper(written).getAllPages()) {
        QPDFObjectHandle form = kept.getObjectHandle().getKey("/Resources").getKey("/XObject").getKey("/Fx0");
        const std::shared_ptr<Buffer> data = form.getStreamData();
        marks.emplace_back(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
    }
    EXPECT_EQ(marks, (std::vector<std::string>{"% p1", "% p3", "% p5"}));
}

} // namespace
