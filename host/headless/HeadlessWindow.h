// A window without a screen. runModal opens it (logged once per opening),
// marks it modal and hands it to the toolkit's event source, which acts for a
// person until stopModal; without a source, or when the source runs out of
// actions first, runModal returns all the same and the window stays open, so
// a host or a test never hangs on a window nobody will close. close ends a
// modal run too: nobody can act on a window that is gone.
#pragma once

#include <memory>
#include <string>

#include "host/headless/HeadlessSession.h"
#include "host/headless/HeadlessView.h"
#include "platform/ui/Window.h"

namespace host {

class HeadlessWindow : public platform::ui::Window {
public:
    // Listed under `owner` (when given) until destroyed.
    HeadlessWindow(std::shared_ptr<HeadlessSession> session, std::string_view title,
                   const platform::ui::Rect& frame, HeadlessView* owner);
    // An open window is closed first (and logged so).
    ~HeadlessWindow() override;
    HeadlessWindow(const HeadlessWindow&) = delete;
    HeadlessWindow& operator=(const HeadlessWindow&) = delete;

    std::string title() const override { return title_; }
    void setTitle(std::string_view title) override { title_ = title; }
    platform::ui::View& contentView() override { return *content_; }

    void runModal() override;
    void stopModal() override { modal_ = false; }
    void close() override;
    bool isOpen() const override { return open_; }
    platform::ui::Widget* firstResponder() const override { return content_->FirstResponder(); }

    // What only the headless side asks.
    bool isModal() const { return modal_; }
    HeadlessView& Content() const { return *content_; }
    HeadlessView* Owner() const { return owner_; }
    // The owner view is going away: forget it.
    void DetachFromOwner() { owner_ = nullptr; }

private:
    std::shared_ptr<HeadlessSession> session_;
    std::string title_;
    std::unique_ptr<HeadlessView> content_;
    HeadlessView* owner_;
    bool open_ = false;
    bool modal_ = false;
};

} // namespace host
