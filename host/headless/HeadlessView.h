// A view without a screen: it owns its widgets in creation order, keeps the
// keyboard focus of its widgets (a window's first responder is its content
// view's) and lists the windows made with it as their owner while they exist.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "host/headless/HeadlessSession.h"
#include "host/headless/HeadlessWidget.h"
#include "platform/ui/View.h"

namespace host {

class HeadlessWindow;

class HeadlessView : public platform::ui::View {
public:
    // `window` is the window whose content this view is; null for a panel's view.
    HeadlessView(std::shared_ptr<HeadlessSession> session, const platform::ui::Rect& frame,
                 HeadlessWindow* window = nullptr);
    // Windows still listed forget their owner, so either may go first.
    ~HeadlessView() override;
    HeadlessView(const HeadlessView&) = delete;
    HeadlessView& operator=(const HeadlessView&) = delete;

    platform::ui::Rect frame() const override { return frame_; }
    void setFrame(const platform::ui::Rect& frame) override { frame_ = frame; }

    platform::ui::Widget* addWidget(platform::ui::WidgetKind kind, const platform::ui::Rect& frame,
                                    std::string_view outletName = {}) override;
    std::vector<platform::ui::Widget*> widgets() const override;
    platform::ui::Widget* widgetForOutlet(std::string_view outletName) const override;
    platform::ui::Widget* viewWithTag(int tag) const override;
    std::vector<platform::ui::Window*> windows() const override;

    // What only the headless side asks.
    HeadlessWindow* ContainingWindow() const { return window_; }
    HeadlessWidget* FirstResponder() const { return firstResponder_; }
    // Moves the keyboard focus (null: nobody has it); a widget taking it is logged.
    void SetFirstResponder(HeadlessWidget* widget);
    HeadlessSession& Session() const { return *session_; }
    const std::shared_ptr<HeadlessSession>& SharedSession() const { return session_; }

    // Called by windows as they are made and destroyed.
    void AdoptWindow(HeadlessWindow* window) { windows_.push_back(window); }
    void ForgetWindow(HeadlessWindow* window) { std::erase(windows_, window); }

private:
    std::shared_ptr<HeadlessSession> session_;
    platform::ui::Rect frame_;
    HeadlessWindow* window_;
    std::vector<std::unique_ptr<HeadlessWidget>> widgets_;
    HeadlessWidget* firstResponder_ = nullptr;
    std::vector<HeadlessWindow*> windows_;
};

} // namespace host
