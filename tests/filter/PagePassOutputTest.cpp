// What the page pass writes: uncompressed content compressed, compressed
// content copied as it is, one placing stream for pages drawn alike, and
// pages whose contents are copied at writing still drawn after the pass let
// the old pages go.
#include "PdfTestSupport.h"
#include "SpoolwrapRun.h"

#include "filter/PagePass.h"
#include "filter/PdfPreprocess.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <gtest/gtest.h>

namespace {

class PagePassOutput : public ::testing::Test {
protected:
    TempDir tmp;
    ScopedEnv tmpdir{"TMPDIR", tmp.path()};

    // Runs the vector pass on in (all pages, turned) and answers the output's path.
    std::string Pass(const std::string& in)
    {
        PDFDocInfo info;
        EXPECT_EQ(pdfDocInfo_init(in.c_str(), info), 0);
        info.rotation = 180;
        char out[128] = {};
        EXPECT_EQ(PreProcess(info, out), 1);
        return out;
    }

    // The marked pages of WriteMarkedPdf, rewritten by edit and written
    // with content streams compressed or not.
    template <typename Edit>
    std::string MarkedPdf(int pages, bool compressed, Edit edit)
    {
        WriteMarkedPdf(tmp.file("marked.pdf"), pages);
        QPDF pdf;
        pdf.processFile(tmp.file("marked.pdf").c_str());
        edit(pdf);
        const std::string path = tmp.file("in.pdf");
        QPDFWriter writer(pdf, path.c_str());
        writer.setCompressStreams(compressed);
        writer.setDecodeLevel(compressed ? qpdf_dl_generalized : qpdf_dl_all);
        writer.write();
        return path;
    }
};

// Each output page's form (its /Fx0) and the page's own contents.
struct DrawnPage {
    QPDFObjectHandle form, contents;
};
std::vector<DrawnPage> DrawnPages(QPDF& pdf)
{
    std::vector<DrawnPage> drawn;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages())
        drawn.push_back({page.getObjectHandle().getKey("/Resources").getKey("/XObject").getKey("/Fx0"),
                         page.getObjectHandle().getKey("/Contents")});
    return drawn;
}

TEST_F(PagePassOutput, UncompressedContentIsCompressedAndCompressedContentIsCopied)
{
    for (const bool compressed : {false, true}) {
        const std::string in = MarkedPdf(3, compressed, [](QPDF&) {});
        const std::string out = Pass(in);
        ASSERT_FALSE(out.empty());
        QPDF source;
        source.processFile(in.c_str());
        std::vector<QPDFPageObjectHelper> before = QPDFPageDocumentHelper(source).getAllPages();
        QPDF pdf;
        pdf.processFile(out.c_str());
        std::vector<DrawnPage> pages = DrawnPages(pdf);
        ASSERT_EQ(pages.size(), 3u);
        const auto raw = [](QPDFObjectHandle stream) {
            const std::shared_ptr<Buffer> data = stream.getRawStreamData();
            return std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
        };
        for (size_t i = 0; i < pages.size(); ++i) {
            EXPECT_EQ(pages[i].form.getDict().getKey("/Filter").unparse(), "/FlateDecode") << i;
            EXPECT_EQ(pages[i].contents.getDict().getKey("/Filter").unparse(), "/FlateDecode") << i;
            // A compressed stream goes out byte for byte as it came in.
            if (!compressed) continue;
            EXPECT_EQ(raw(pages[i].form), raw(before[i].getObjectHandle().getKey("/Contents")));
        }
        // Pages of one size turned alike share the stream that places their form.
        EXPECT_EQ(pages[0].contents.getObjGen(), pages[2].contents.getObjGen());
        for (int i = 0; i < 3; ++i) {
            const RenderedPage page = RenderPage(out, i);
            EXPECT_EQ(FindCornerMark(page), Corner::BottomRight);
            EXPECT_EQ(FindPageIdentity(page), i + 1);
        }
    }
}

TEST_F(PagePassOutput, PagesOfSeveralContentStreamsAreDrawnWhole)
{
    // Each page's contents split in two streams, the corner mark in the
    // first and the identity in the second: the form is a copy of both,
    // made as the file is written, from a page the pass no longer draws.
    const std::string in = MarkedPdf(2, false, [](QPDF& pdf) {
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            const std::shared_ptr<Buffer> data = page.getObjectHandle().getKey("/Contents").getStreamData();
            const std::string content(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
            const size_t split = content.find(" re f\n") + 6;
            QPDFObjectHandle contents = QPDFObjectHandle::newArray();
            contents.appendItem(QPDFObjectHandle::newStream(&pdf, content.substr(0, split)));
            contents.appendItem(QPDFObjectHandle::newStream(&pdf, content.substr(split)));
            page.getObjectHandle().replaceKey("/Contents", contents);
        }
    });
    const std::string out = Pass(in);
    ASSERT_FALSE(out.empty());
    for (int i = 0; i < 2; ++i) {
        const RenderedPage page = RenderPage(out, i);
        EXPECT_EQ(FindCornerMark(page), Corner::BottomRight) << i;
        EXPECT_EQ(FindPageIdentity(page), i + 1) << i;
    }
}

TEST_F(PagePassOutput, EachFormKeepsItsPagesOwnResources)
{
    // Resources held by each page itself, not shared: pages 1 and 3 alike,
    // page 2 with one key more. The forms made from equal resources share
    // them; none gets another page's.
    const std::string in = MarkedPdf(3, true, [](QPDF& pdf) {
        int n = 0;
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            QPDFObjectHandle own =
                QPDFObjectHandle::parse(page.getAttribute("/Resources", false).unparseResolved());
            if (++n == 2) own.replaceKey("/ProcSet", QPDFObjectHandle::parse("[/PDF /Text]"));
            page.getObjectHandle().replaceKey("/Resources", own);
        }
    });
    const std::string out = Pass(in);
    ASSERT_FALSE(out.empty());
    QPDF source;
    source.processFile(in.c_str());
    std::vector<QPDFPageObjectHelper> before = QPDFPageDocumentHelper(source).getAllPages();
    QPDF pdf;
    pdf.processFile(out.c_str());
    std::vector<DrawnPage> pages = DrawnPages(pdf);
    ASSERT_EQ(pages.size(), 3u);
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].form.getDict().getKey("/Resources").unparseResolved(),
                  before[i].getObjectHandle().getKey("/Resources").unparseResolved())
            << i;
        EXPECT_EQ(pages[i].form.getDict().getKey("/Resources").hasKey("/ProcSet"), i == 1) << i;
        const RenderedPage page = RenderPage(out, static_cast<int>(i));
        EXPECT_EQ(FindCornerMark(page), Corner::BottomRight) << i;
        EXPECT_EQ(FindPageIdentity(page), static_cast<int>(i) + 1) << i;
    }
}

} // namespace
