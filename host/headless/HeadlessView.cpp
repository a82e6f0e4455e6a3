#include "host/headless/HeadlessView.h"

#include "host/headless/HeadlessWindow.h"

namespace host {

HeadlessView::HeadlessView(std::shared_ptr<HeadlessSession> session, const platform::ui::Rect& frame,
                           HeadlessWindow* window)
    : session_(std::move(session)), frame_(frame), window_(window)
{}

HeadlessView::~HeadlessView()
{
    for (HeadlessWindow* window : windows_) window->DetachFromOwner();
}

platform::ui::Widget* HeadlessView::addWidget(platform::ui::WidgetKind kind, const platform::ui::Rect& frame,
                                              std::string_view outletName)
{
    widgets_.push_back(std::make_unique<HeadlessWidget>(*this, kind, frame, std::string(outletName)));
    return widgets_.back().get();
}

std::vector<platform::ui::Widget*> HeadlessView::widgets() const
{
    std::vector<platform::ui::Widget*> list;
    list.reserve(widgets_.size());
    for (const auto& widget : widgets_) list.push_back(widget.get());
    return list;
}

platform::ui::Widget* HeadlessView::widgetForOutlet(std::string_view outletName) const
{
    if (outletName.empty()) return nullptr;
    for (const auto& widget : widgets_)
        if (widget->outletName() == outletName) return widget.get();
    return nullptr;
}

platform::ui::Widget* HeadlessView::viewWithTag(int tag) const
{
    for (const auto& widget : widgets_)
        if (widget->tag() == tag) return widget.get();
    return nullptr;
}

std::vector<platform::ui::Window*> HeadlessView::windows() const
{
    return std::vector<platform::ui::Window*>(windows_.begin(), windows_.end());
}

void HeadlessView::SetFirstResponder(HeadlessWidget* widget)
{
    firstResponder_ = widget;
    if (widget != nullptr) session_->Record({.event = "focus", .tag = widget->tag()});
}

} // namespace host
