#include "filter/RasterRenderQueue.h"

#include "filter/FilterState.h"

#include <poppler/cpp/poppler-page-renderer.h>
#include <poppler/cpp/poppler-page.h>

#include <stdexcept>

RasterRenderQueue::RasterRenderQueue(std::shared_ptr<poppler::document> document, std::vector<RasterJob> jobs)
    : document_(std::move(document)), jobs_(std::move(jobs))
{
    if (!jobs_.empty()) thread_ = std::thread([this] { Run(); });
}

RasterRenderQueue::~RasterRenderQueue() { Stop(); }

void RasterRenderQueue::Stop()
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void RasterRenderQueue::Advance(Cursor& at, const std::vector<RasterJob>& jobs)
{
    if (++at.band < jobs[at.job].Bands()) return;
    at.band = 0;
    ++at.job;
}

void RasterRenderQueue::Run()
{
    try {
        for (Cursor at; at.job < jobs_.size(); Advance(at, jobs_)) {
            {
                // One band waits at most: the compressor holds one, the
                // renderer makes the next, and no more bitmaps are alive.
                std::unique_lock<std::mutex> lock(mutex_);
                changed_.wait(lock, [this] { return stopping_ || !ready_; });
                if (stopping_) return;
            }
            if (CancelJob != 0) throw std::runtime_error("job cancelled");
            RenderedBand band = Render(at);
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                ready_ = std::move(band);
            }
            changed_.notify_all();
        }
    } catch (...) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            failure_ = std::current_exception();
        }
        changed_.notify_all();
    }
}

RenderedBand RasterRenderQueue::Next(size_t job)
{
    if (job >= jobs_.size()) throw std::out_of_range("no such page to render");
    if (threaded_ && job != consumer_.job) {
        // The writer asked for a page out of turn: render here from now on.
        Stop();
        threaded_ = false;
        consumer_ = Cursor{job, 0};
    }
    if (!threaded_) {
        if (job != consumer_.job) consumer_ = Cursor{job, 0};
        RenderedBand band = Render(consumer_);
        Advance(consumer_, jobs_);
        return band;
    }
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return ready_.has_value() || failure_ != nullptr; });
    if (!ready_) std::rethrow_exception(failure_);
    RenderedBand band = std::move(*ready_);
    ready_.reset();
    lock.unlock();
    changed_.notify_all();
    Advance(consumer_, jobs_);
    return band;
}

RenderedBand RasterRenderQueue::Render(Cursor at)
{
    const RasterJob& job = jobs_[at.job];
    if (pageIndex_ != job.index) {
        page_.reset(document_->create_page(job.index));
        pageIndex_ = job.index;
    }
    if (!page_) throw std::runtime_error("page cannot be read");
    const int top = at.band * job.bandRows;
    const int rows = std::min(job.bandRows, job.size.height - top);
    poppler::page_renderer renderer;
    renderer.set_render_hint(poppler::page_renderer::antialiasing, true);
    renderer.set_render_hint(poppler::page_renderer::text_antialiasing, true);
    renderer.set_image_format(poppler::image::format_rgb24);
    renderer.set_paper_color(0xffffffff); // opaque white under every page
    const auto unrotate = static_cast<poppler::rotation_enum>(((360 - job.pageRotate) % 360) / 90);
    RenderedBand band;
    band.rows = rows;
    band.image = renderer.render_page(page_.get(), kRasterDpi, kRasterDpi, 0,
                                      job.halfTurn ? job.size.height - top - rows : top, job.size.width, rows,
                                      unrotate);
    if (!band.image.is_valid() || band.image.format() != poppler::image::format_rgb24)
        throw std::runtime_error("page cannot be rendered");
    return band;
}
