#include "filter/PagePass.h"

#include "filter/PagePassQpdf.h"

#include <qpdf/QPDFMatrix.hh>
#include <qpdf/QPDFObjGen.hh>
#include <qpdf/QPDFWriter.hh>

#include <climits>
#include <cmath>
#include <set>
#include <stdexcept>
#include <vector>

namespace pagepass {

// US Letter, what a page without a media box is taken to be.
constexpr PageRect kDefaultMediaBox{0, 0, 612, 792};

std::shared_ptr<QPDFLogger> SilentLogger()
{
    // The library's reports would otherwise land on standard output, which is
    // the printer's data stream.
    auto logger = QPDFLogger::create();
    logger->setInfo(logger->discard());
    logger->setWarn(logger->discard());
    logger->setError(logger->discard());
    return logger;
}

PageRect ToRect(QPDFObjectHandle box)
{
    if (!box.isRectangle()) return kDefaultMediaBox;
    const QPDFObjectHandle::Rectangle r = box.getArrayAsRectangle();
    if (!std::isfinite(r.llx) || !std::isfinite(r.lly) || !std::isfinite(r.urx) || !std::isfinite(r.ury))
        return kDefaultMediaBox;
    PageRect rect{std::min(r.llx, r.urx), std::min(r.lly, r.ury), std::max(r.llx, r.urx),
                  std::max(r.lly, r.ury)};
    if (rect.width() <= 0 || rect.height() <= 0) return kDefaultMediaBox;
    return rect;
}

bool WalkPlainPageTree(QPDF& pdf, const std::function<void(QPDFObjectHandle)>& page)
{
    const auto isOfType = [](QPDFObjectHandle dict, const char* type) {
        QPDFObjectHandle value = dict.getKey("/Type");
        return value.isName() && value.getName() == type;
    };
    std::set<QPDFObjGen> met;
    const auto firstMeeting = [&](QPDFObjectHandle node) {
        return node.isIndirect() && node.isDictionary() && met.insert(node.getObjGen()).second;
    };
    const auto isPagesNode = [&](QPDFObjectHandle node) {
        return isOfType(node, "/Pages") && node.getKey("/Kids").isArray();
    };
    QPDFObjectHandle root = pdf.getRoot().getKey("/Pages");
    if (!firstMeeting(root) || !isPagesNode(root)) return false;
    // The nodes being walked, each with the index of its next kid.
    std::vector<std::pair<QPDFObjectHandle, int>> path{{root, 0}};
    while (!path.empty()) {
        auto& [node, next] = path.back();
        QPDFObjectHandle kids = node.getKey("/Kids");
        if (next >= kids.getArrayNItems()) {
            path.pop_back();
            continue;
        }
        QPDFObjectHandle kid = kids.getArrayItem(next++);
        if (!firstMeeting(kid)) return false;
        if (kid.hasKey("/Kids")) {
            if (!isPagesNode(kid)) return false;
            path.emplace_back(kid, 0);
        } else {
            if (!isOfType(kid, "/Page")) return false;
            page(kid);
        }
    }
    return true;
}

QPDFObjectHandle RectArray(const PageRect& r)
{
    return QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(r.x0, r.y0, r.x1, r.y1));
}

// The page's /Rotate as 0, 90, 180 or 270.
int PageRotate(QPDFPageObjectHelper& page)
{
    QPDFObjectHandle rotate = page.getAttribute("/Rotate", false);
    if (!rotate.isInteger()) return 0;
    const long long degrees = rotate.getIntValue() % 360;
    const int r = static_cast<int>(degrees < 0 ? degrees + 360 : degrees);
    return r % 90 == 0 ? r : 0;
}

// A new /Pages root holding kids, and a catalog over it: only the kept pages
// are reachable, so only they are written.
void ReplacePageTree(QPDF& pdf, QPDFObjectHandle pagesRoot, QPDFObjectHandle kids, int count,
                     QPDFObjectHandle oldRoot)
{
    pagesRoot.replaceKey("/Kids", kids);
    pagesRoot.replaceKey("/Count", QPDFObjectHandle::newInteger(count));
    QPDFObjectHandle catalog = QPDFObjectHandle::newDictionary();
    catalog.replaceKey("/Type", QPDFObjectHandle::newName("/Catalog"));
    catalog.replaceKey("/Pages", pagesRoot);
    // Layers decide what is visible, and what is printed.
    if (oldRoot.isDictionary() && oldRoot.hasKey("/OCProperties"))
        catalog.replaceKey("/OCProperties", oldRoot.getKey("/OCProperties"));
    // A trailer qpdf rebuilt from a damaged file may hold anything, and the
    // writer copies it: it keeps the document information, the encryption and
    // the identifier, and writes the true /Size only where the key is present.
    QPDFObjectHandle trailer = pdf.getTrailer();
    for (const std::string& key : trailer.getKeys()) {
        QPDFObjectHandle value = trailer.getKey(key);
        const bool identifier = key == "/ID" && value.isArray() && value.getArrayNItems() == 2 &&
                                value.getArrayItem(0).isString() && value.getArrayItem(1).isString();
        if (!identifier && !((key == "/Info" || key == "/Encrypt") && value.isDictionary()))
            trailer.removeKey(key);
    }
    trailer.replaceKey("/Size", QPDFObjectHandle::newInteger(0));
    trailer.replaceKey("/Root", pdf.makeIndirectObject(catalog));
    pdf.updateAllPagesCache();
}

QPDFObjectHandle NewPagesRoot(QPDF& pdf)
{
    QPDFObjectHandle pages = QPDFObjectHandle::newDictionary();
    pages.replaceKey("/Type", QPDFObjectHandle::newName("/Pages"));
    return pdf.makeIndirectObject(pages);
}

// A name that a new object of every page holds: one shared object rather
// than one per page (a name costs about as much memory as a small dictionary,
// a few hundred kilobytes on a thousand pages). Names are never changed in
// place, and the writer writes a shared direct object where each holds it.
QPDFObjectHandle SharedName(const char* name)
{
    static std::map<std::string, QPDFObjectHandle> names;
    auto [it, inserted] = names.try_emplace(name);
    if (inserted) it->second = QPDFObjectHandle::newName(name);
    return it->second;
}

QPDFObjectHandle NewPage(QPDF& pdf, QPDFObjectHandle parent, QPDFObjectHandle mediaBox, int rotate,
                         const char* xobjectName, QPDFObjectHandle xobject, QPDFObjectHandle contents)
{
    QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
    xobjects.replaceKey(xobjectName, xobject);
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/XObject", xobjects);
    QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
    page.replaceKey("/Type", SharedName("/Page"));
    page.replaceKey("/Parent", parent);
    page.replaceKey("/MediaBox", mediaBox);
    page.replaceKey("/Resources", resources);
    page.replaceKey("/Contents", contents);
    if (rotate != 0) page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(rotate));
    return pdf.makeIndirectObject(page);
}

void Write(QPDF& pdf, std::FILE* out, const char* description, StreamWriting streams)
{
    QPDFWriter writer(pdf);
    writer.setOutputFile(description, out, false);
    writer.setDecodeLevel(qpdf_dl_none);
    writer.setCompressStreams(streams == StreamWriting::Compact);
    if (streams == StreamWriting::Compact) writer.setObjectStreamMode(qpdf_o_generate);
    writer.write();
}

// A cancelled job stops the pass between pages (and between the bands of a
// large page); the failed pass removes what it wrote.
void StopIfCancelled()
{
    if (CancelJob != 0) throw std::runtime_error("job cancelled");
}

} // namespace pagepass

using namespace pagepass;

namespace {

// The box as an array: the page's own array when it already says r (most
// pages), which then costs no memory for a copy, else a new one.
QPDFObjectHandle BoxArray(QPDFObjectHandle box, const PageRect& r)
{
    if (box.isRectangle()) {
        const QPDFObjectHandle::Rectangle b = box.getArrayAsRectangle();
        if (b.llx == r.x0 && b.lly == r.y0 && b.urx == r.x1 && b.ury == r.y1) return box;
    }
    return RectArray(r);
}

// A page turned into a form XObject to be drawn on a new page. A page with
// one content stream lends that stream itself (its data untouched, so nothing
// is decoded and compressed again); other pages get a copy of their contents.
class PageForms {
public:
    QPDFObjectHandle FormFor(QPDFPageObjectHelper& page)
    {
        QPDFObjectHandle contents = page.getObjectHandle().getKey("/Contents");
        if (contents.isArray() && contents.getArrayNItems() == 1) contents = contents.getArrayItem(0);
        QPDFObjectHandle resources = page.getAttribute("/Resources", false);
        QPDFObjectHandle cropBox = page.getCropBox(false, false);
        QPDFObjectHandle bbox = Box(cropBox, ToRect(cropBox));
        if (!contents.isStream() || !contents.isIndirect()) return Copy(page);

        // A stream shared by several pages is lent once; a page that would
        // need it with other resources or another box gets its own copy.
        const std::string resourcesText = resources.unparse();
        const std::string* use = &*uses_.insert(resourcesText + " " + bbox.unparse()).first;
        const auto [it, inserted] = lent_.emplace(contents.getObjGen(), use);
        if (!inserted) {
            if (it->second == use) return contents;
            return Copy(page);
        }
        QPDFObjectHandle dict = contents.getDict();
        // The filter's name, read with each stream, goes the same way as the
        // names the form adds.
        // The writer writes each stream's own length and skips the /Length
        // key, and qpdf reads the data by the length it took when it parsed
        // the stream: the key's object is never read again. Held for every
        // lent stream to the end of the writing, it goes now.
        dict.removeKey("/Length");
        QPDFObjectHandle filter = dict.getKey("/Filter");
        if (filter.isName()) dict.replaceKey("/Filter", SharedName(filter.getName().c_str()));
        dict.replaceKey("/Type", SharedName("/XObject"));
        dict.replaceKey("/Subtype", SharedName("/Form"));
        dict.replaceKey("/BBox", bbox);
        if (!resources.isNull()) dict.replaceKey("/Resources", Shared(resources, resourcesText));
        QPDFObjectHandle group = page.getAttribute("/Group", false);
        if (!group.isNull()) dict.replaceKey("/Group", group);
        return contents;
    }

    // The box as an array (BoxArray), one shared object for all the pages
    // whose arrays are written alike: a page's own array outlives the page in
    // its form and its new page, and a thousand copies of one array are most
    // of the memory the released pages leave behind.
    QPDFObjectHandle Box(QPDFObjectHandle box, const PageRect& r)
    {
        QPDFObjectHandle array = BoxArray(box, r);
        if (array.isIndirect()) return array;
        return boxes_.try_emplace(array.unparse(), array).first->second;
    }

    // A kept page is read (to find what the output reaches) well before it
    // is drawn and let go, so all the kept pages are held at once: a document
    // whose every page holds its own equal copy of its resources, its boxes
    // and its type would hold a thousand copies of each (some 2.5 MB of
    // resources alone on the bench). As soon as a page is read, its own
    // direct values of these are swapped for the shared copy of the same
    // text, the one the forms and new pages take anyway. Nothing is written
    // differently: shared direct objects are written where each is held.
    void ShareOwnValues(QPDFObjectHandle page)
    {
        QPDFObjectHandle resources = page.getKey("/Resources");
        if (!resources.isIndirect() && resources.isDictionary()) {
            QPDFObjectHandle shared = Shared(resources, resources.unparse());
            if (!shared.isSameObjectAs(resources)) page.replaceKey("/Resources", shared);
        }
        for (const char* key : {"/MediaBox", "/CropBox", "/BleedBox", "/TrimBox", "/ArtBox"}) {
            QPDFObjectHandle box = page.getKey(key);
            if (box.isIndirect() || !box.isArray()) continue;
            QPDFObjectHandle shared = boxes_.try_emplace(box.unparse(), box).first->second;
            if (!shared.isSameObjectAs(box)) page.replaceKey(key, shared);
        }
        QPDFObjectHandle type = page.getKey("/Type");
        if (!type.isIndirect() && type.isName()) page.replaceKey("/Type", SharedName(type.getName().c_str()));
    }

    // True when the page's form is a copy, which reads the page's contents
    // from the page as it is written.
    bool CopiedAtWriting(QPDFObjectHandle page) const { return copied_.count(page.getObjGen()) != 0; }

private:
    QPDFObjectHandle Copy(QPDFPageObjectHelper& page)
    {
        copied_.insert(page.getObjectHandle().getObjGen());
        return page.getFormXObjectForPage(false);
    }

    // Each stream lent, with the resources and box it was lent with. Most
    // pages are lent with the same ones: the text is kept once, in uses_.
    std::map<QPDFObjGen, const std::string*> lent_;
    std::set<std::string> uses_;
    // Many documents give each page equal resources of its own rather than
    // one shared object; the forms share one copy, written out the same, so
    // that the pages' own copies are let go with the pages.
    QPDFObjectHandle Shared(QPDFObjectHandle resources, const std::string& text)
    {
        if (resources.isIndirect() || !resources.isDictionary()) return resources;
        return resources_.try_emplace(text, resources).first->second;
    }

    std::set<QPDFObjGen> copied_;
    std::map<std::string, QPDFObjectHandle> resources_;
    std::map<std::string, QPDFObjectHandle> boxes_;
};

bool IsKeptPage(const PDFDocInfo& info, size_t index)
{
    return static_cast<long long>(index) < info.lastPage &&
           index % static_cast<size_t>(KeptPageStep(info)) == 0;
}

// What the pass may write of a kept page: its contents, resources and group,
// which its form takes, and its boxes and turn. The same keys of the page's
// ancestors are what it inherits.
bool PassReadsPageKey(const std::string& key)
{
    static const std::set<std::string> keys = {"/Contents", "/Resources", "/Group",   "/MediaBox",
                                               "/CropBox",  "/BleedBox",  "/TrimBox", "/ArtBox",
                                               "/Rotate",   "/UserUnit"};
    return keys.count(key) != 0;
}

// The first new object the pass makes has qpdf read every object of the file
// it has not read yet, used or not (QPDF::getObjectCount resolves the whole
// cross-reference table): on a long document with pages left out, their
// content streams and whatever only they use are parsed then, megabytes held
// to the end of the pass. Before that, every object the output cannot reach
// becomes null, which costs no reading. What can be reached: the trailer's
// document information, encryption and identifier; the old catalog, whose
// layers the new one takes; the kept pages (their other keys are not written
// and are not followed) and their ancestors, for what they inherit. Reading
// what is reached here costs nothing more: the writer reads it anyway.
void LetGoAllButKept(QPDF& pdf, const std::vector<QPDFObjectHandle>& pages, const PDFDocInfo& info,
                     QPDFObjectHandle oldRoot, PageForms& forms)
{
    std::set<QPDFObjGen> reached;
    std::vector<QPDFObjectHandle> pending;
    const auto reach = [&](QPDFObjectHandle object) {
        return !object.isIndirect() || reached.insert(object.getObjGen()).second;
    };
    const auto followKeys = [&](QPDFObjectHandle dict, bool pageKeysOnly) {
        if (!dict.isDictionary()) return;
        for (auto item : dict.ditems())
            if (!pageKeysOnly || PassReadsPageKey(item.first)) pending.push_back(item.second);
    };
    for (auto item : pdf.getTrailer().ditems())
        if (item.first != "/Root") pending.push_back(item.second);
    if (reach(oldRoot) && oldRoot.isDictionary()) pending.push_back(oldRoot.getKey("/OCProperties"));
    for (size_t index = 0; index < pages.size(); ++index) {
        if (!IsKeptPage(info, index)) continue;
        QPDFObjectHandle node = pages[index];
        // Up the tree until a node already reached: its own ancestors are too.
        while (node.isDictionary() && reach(node)) {
            forms.ShareOwnValues(node);
            followKeys(node, true);
            node = node.getKey("/Parent");
        }
    }
    while (!pending.empty()) {
        QPDFObjectHandle object = pending.back();
        pending.pop_back();
        if (!reach(object)) continue;
        if (object.isStream()) object = object.getDict();
        if (object.isArray()) {
            for (QPDFObjectHandle item : object.aitems()) pending.push_back(item);
        } else {
            followKeys(object, false);
        }
    }
    for (const auto& entry : pdf.getXRefTable())
        if (reached.count(entry.first) == 0) pdf.replaceObject(entry.first, QPDFObjectHandle::newNull());
}

} // namespace

BitmapSize RasterBitmapSize(const PageRect& mediaBox)
{
    const double width = mediaBox.width() * kRasterScale;
    const double height = mediaBox.height() * kRasterScale;
    // Checked before the cast: a value outside int's range has no int to be
    // cast to. NaN fails both comparisons.
    const auto fits = [](double v) { return v > -1.0 && v < static_cast<double>(INT_MAX); };
    if (!fits(width) || !fits(height)) return BitmapSize{};
    return BitmapSize{static_cast<int>(width), static_cast<int>(height)};
}

std::shared_ptr<PdfDocument> OpenPdfDocument(const char* path)
{
    if (path == nullptr || *path == '\0') return nullptr;
    try {
        auto document = std::make_shared<PdfDocument>();
        document->pdf.setLogger(SilentLogger());
        document->pdf.setSuppressWarnings(true);
        document->pdf.processFile(path);
        document->path = path;
        return document;
    } catch (const std::exception&) {
        return nullptr;
    }
}

int PdfDocumentPageCount(PdfDocument& document, std::string* failure)
{
    // qpdf's getAllPages holds every page it lists, and so does the document
    // until the pass lets them go: on a long document, megabytes at once. The
    // count walks a second opening of the file instead, letting each page go
    // as it is counted, when the tree is plain; a tree qpdf repairs is counted
    // as qpdf counts it.
    try {
        QPDF counting;
        counting.setLogger(SilentLogger());
        counting.setSuppressWarnings(true);
        counting.processFile(document.path.c_str());
        std::vector<QPDFObjGen> pages;
        const bool plain = WalkPlainPageTree(counting, [&](QPDFObjectHandle page) {
            pages.push_back(page.getObjGen());
            counting.replaceObject(page.getObjGen(), QPDFObjectHandle::newNull());
        });
        if (plain && !counting.anyWarnings() && pages.size() <= static_cast<size_t>(INT_MAX)) {
            document.plainPages = std::move(pages);
            return static_cast<int>(document.plainPages.size());
        }
    } catch (const std::exception&) {
        // Counted below by the document itself, which says what is wrong.
    }
    document.plainPages.clear();
    try {
        const size_t count = document.pdf.getAllPages().size();
        if (count > static_cast<size_t>(INT_MAX)) return -1;
        return static_cast<int>(count);
    } catch (const std::exception& e) {
        if (failure != nullptr) *failure = e.what();
        return -1;
    }
}

void setContextCTM(const PDFDocInfo& info, PageMatrix& ctm, const PageRect& rect)
{
    const int r = ((info.rotation % 360) + 360) % 360;
    if (r != 180) return;
    // Move the origin to the rectangle's far corner, then turn by 180
    // degrees: [-1 0 0 -1 0 0] x ctm x [1 0 0 1 tx ty].
    const double tx = rect.x0 + rect.x1;
    const double ty = rect.y0 + rect.y1;
    ctm.e += ctm.a * tx + ctm.c * ty;
    ctm.f += ctm.b * tx + ctm.d * ty;
    ctm.a = -ctm.a;
    ctm.b = -ctm.b;
    ctm.c = -ctm.c;
    ctm.d = -ctm.d;
}

int processPDF(PDFDocInfo& info)
{
    if (!info.document || info.outputContext == nullptr) return -1;
    try {
        QPDF& pdf = info.document->pdf;
        const QPDFObjectHandle oldRoot = pdf.getRoot();
        QPDFObjectHandle pagesRoot;
        QPDFObjectHandle kids = QPDFObjectHandle::newArray();
        int count = 0;
        // What drawing the pages needs (the kept pages' list, the forms'
        // bookkeeping, the placing streams' table) goes before the writer
        // starts, which needs none of it: the end of the writing is the
        // pass's peak.
        const bool complete = [&] {
            // The pages kept, at their index. The count has listed a plain tree's
            // pages: those left out are then never read at all, not even to be
            // let go.
            std::vector<QPDFObjectHandle> pages;
            if (!info.document->plainPages.empty()) {
                pages.resize(info.document->plainPages.size());
                for (size_t index = 0; index < pages.size(); ++index)
                    if (IsKeptPage(info, index))
                        pages[index] = pdf.getObject(info.document->plainPages[index]);
            } else {
                pages = pdf.getAllPages();
            }
            PageForms forms;
            PlacingContents placing;
            // The old pages are not written, yet qpdf keeps every object it has
            // read, and a long document's pages are most of the memory the pass
            // takes: each kept page is let go once it is of no more use, and all
            // that only the pages left out use before the first new object is
            // made. A page whose form is a copy keeps its contents for it.
            const auto release = [&](const QPDFObjectHandle& page) {
                if (page.isIndirect() && !forms.CopiedAtWriting(page))
                    pdf.replaceObject(page.getObjGen(), QPDFObjectHandle::newNull());
            };
            LetGoAllButKept(pdf, pages, info, oldRoot, forms);
            pagesRoot = NewPagesRoot(pdf);
            return ForEachKeptPage(info, pages.size(), [&](size_t index) {
                QPDFPageObjectHelper source(pages[index]);
                const QPDFObjectHandle box = source.getMediaBox(false);
                const PageRect mediaBox = ToRect(box);
                PageMatrix turn;
                setContextCTM(info, turn, mediaBox);
                const QPDFMatrix ctm(turn.a, turn.b, turn.c, turn.d, turn.e, turn.f);
                std::string content = "q\n";
                if (ctm.a != 1.0) content += ctm.unparse() + " cm\n";
                content += "/Fx0 Do\nQ\n";
                kids.appendItem(NewPage(pdf, pagesRoot, forms.Box(box, mediaBox), PageRotate(source), "/Fx0",
                                        forms.FormFor(source), placing.For(pdf, content)));
                release(pages[index]);
                ++count;
            });
        }();
        if (!complete) return -1;
        ReplacePageTree(pdf, pagesRoot, kids, count, oldRoot);
        Write(pdf, info.outputContext, "page pass", StreamWriting::Compact);
    } catch (const std::exception&) {
        return -1;
    }
    return 0;
}
