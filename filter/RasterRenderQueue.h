// The raster pass's renderer, one page (or band of a page) ahead of the
// compressor: the pages are rendered in order on a thread of their own while
// the writer compresses the previous one, so both cores work.
//
// poppler is used by one thread at a time: the render thread while it runs,
// the caller once it has stopped.
#pragma once

#include "filter/PagePass.h"

#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-image.h>

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// One page to render: rows top to bottom of the page as its media box lies
// (the page's own /Rotate stays on the output page), in bands of bandRows.
// With a half turn the first band is the page's last.
struct RasterJob {
    int index = 0; // the page in the document, from 0
    BitmapSize size;
    int pageRotate = 0;
    bool halfTurn = false;
    int bandRows = 0;
    int Bands() const { return (size.height + bandRows - 1) / bandRows; }
};

struct RenderedBand {
    poppler::image image;
    int rows = 0; // the rows of the image the band holds
};

class RasterRenderQueue {
public:
    RasterRenderQueue(std::shared_ptr<poppler::document> document, std::vector<RasterJob> jobs);
    ~RasterRenderQueue();
    RasterRenderQueue(const RasterRenderQueue&) = delete;
    RasterRenderQueue& operator=(const RasterRenderQueue&) = delete;

    const RasterJob& Job(size_t job) const { return jobs_.at(job); }
    // The next band of the job, waiting for it. Asked in the order of the
    // jobs, a band is ready or being rendered; asked out of order, the thread
    // stops and the rest is rendered here. Throws what rendering threw.
    RenderedBand Next(size_t job);

private:
    struct Cursor {
        size_t job = 0;
        int band = 0;
    };
    void Run();
    void Stop();
    RenderedBand Render(Cursor at);
    static void Advance(Cursor& at, const std::vector<RasterJob>& jobs);

    std::shared_ptr<poppler::document> document_;
    std::vector<RasterJob> jobs_;
    // The page being rendered, kept while its bands are.
    std::unique_ptr<poppler::page> page_;
    int pageIndex_ = -1;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<RenderedBand> ready_;
    std::exception_ptr failure_;
    bool stopping_ = false;
    bool threaded_ = true;
    Cursor consumer_;
    std::thread thread_;
};
