// The pieces of qpdf work that the vector pass (PagePass.cpp) and the raster
// pass (PagePassRaster.cpp) share.
//
// The raster pass is the only user of poppler, whose libraries take several
// megabytes of mapped pages in every process that loads them; it is built
// apart from the vector pass so that spoolwrap loads poppler only for a job
// that is rasterised (filter/PagePassRasterForward.cpp). Kept C++17-clean,
// as PagePass.h is.
#pragma once

#include "filter/FilterState.h"
#include "filter/PagePass.h"
#include "platform/FilePtr.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFLogger.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The job's PDF, opened with qpdf. Both passes read it; a document opened in
// one module is handed to the other, so its layout is this one definition.
class PdfDocument {
public:
    QPDF pdf;
    // The file it was opened from, which the page count reads once more.
    std::string path;
    // The pages' objects in order, when the page count found a page tree
    // that qpdf has nothing to repair in (WalkPlainPageTree): the vector pass
    // then reads only the pages it keeps. Empty otherwise.
    std::vector<QPDFObjGen> plainPages;
};

namespace pagepass {

using platform::FilePtr;

// A logger that discards the library's reports, which would otherwise land
// on standard output, the printer's data stream.
std::shared_ptr<QPDFLogger> SilentLogger();

// Calls page(leaf) for each page of the document in order, and returns true,
// when its page tree is plain: every node and page indirect and met once, the
// nodes typed /Pages with an array of /Kids, the pages typed /Page without
// /Kids. Returns false, having stopped, at the first thing that is not so:
// qpdf's getAllPages repairs such a tree, and its count is the one to use.
// Unlike getAllPages, this keeps nothing of the pages: page may let each go.
bool WalkPlainPageTree(QPDF& pdf, const std::function<void(QPDFObjectHandle)>& page);

// The page box the array says, or US Letter when it says none that is usable.
PageRect ToRect(QPDFObjectHandle box);
QPDFObjectHandle RectArray(const PageRect& r);

// The page's /Rotate as 0, 90, 180 or 270.
int PageRotate(QPDFPageObjectHelper& page);

// A new /Pages root holding kids, and a catalog over it: only the kept pages
// are reachable, so only they are written.
void ReplacePageTree(QPDF& pdf, QPDFObjectHandle pagesRoot, QPDFObjectHandle kids, int count,
                     QPDFObjectHandle oldRoot);
QPDFObjectHandle NewPagesRoot(QPDF& pdf);

// The few bytes of drawing operators that place a page's form or image: pages
// of one size turned alike draw the same, and share one stream.
class PlacingContents {
public:
    QPDFObjectHandle For(QPDF& pdf, const std::string& content)
    {
        auto [it, inserted] = streams_.try_emplace(content);
        if (inserted) it->second = QPDFObjectHandle::newStream(&pdf, content);
        return it->second;
    }

private:
    std::map<std::string, QPDFObjectHandle> streams_;
};

QPDFObjectHandle NewPage(QPDF& pdf, QPDFObjectHandle parent, QPDFObjectHandle mediaBox, int rotate,
                         const char* xobjectName, QPDFObjectHandle xobject, QPDFObjectHandle contents);

// How the writer treats the streams.
enum class StreamWriting {
    // Streams are written as they are: the page images (compressed when they
    // are made) and the job's own streams of a copy that is only read back.
    AsTheyAre,
    // Streams without a filter, the job's uncompressed content and the
    // operators that place each page, are compressed; streams already
    // compressed are copied, not decoded and compressed again. The page and
    // form dictionaries go compressed in object streams.
    Compact,
};

void Write(QPDF& pdf, std::FILE* out, const char* description, StreamWriting streams);

// A cancelled job stops the pass between pages (and between the bands of a
// large page); the failed pass removes what it wrote.
void StopIfCancelled();

// Pages to draw: 1, 1 + step, ... up to the last page.
inline int KeptPageStep(const PDFDocInfo& info) { return std::max(info.pageStep, 1); }
template <typename DrawPage>
bool ForEachKeptPage(const PDFDocInfo& info, size_t pageCount, DrawPage draw)
{
    const int step = KeptPageStep(info);
    for (long long p = 1; p <= info.lastPage; p += step) {
        if (p > static_cast<long long>(pageCount)) return false; // a missing page
        StopIfCancelled();
        draw(static_cast<size_t>(p - 1));
    }
    return true;
}

} // namespace pagepass
