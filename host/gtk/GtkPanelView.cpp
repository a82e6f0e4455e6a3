#include "host/gtk/GtkPanelView.h"

#include "host/gtk/GtkModalWindow.h"

namespace host {

namespace {

void SetSize(GtkWidget* widget, const platform::ui::Rect& frame)
{
    gtk_widget_set_size_request(widget, frame.width > 0 ? static_cast<int>(frame.width) : -1,
                                frame.height > 0 ? static_cast<int>(frame.height) : -1);
}

} // namespace

GtkPanelView::GtkPanelView(std::shared_ptr<ScreenSession> session, const platform::ui::Rect& frame,
                           GtkModalWindow* window)
    : session_(std::move(session)), model_(session_->Models(), frame), root_(gtk_fixed_new()), window_(window)
{
    g_object_ref_sink(root_);
    gtk_widget_add_css_class(root_, "qv-panel");
    SetSize(root_, frame);
    session_->AddView(this);
}

GtkPanelView::~GtkPanelView()
{
    session_->RemoveView(this);
    for (GtkModalWindow* window : windows_) window->DetachFromOwner();
    controls_.clear();
    g_object_unref(root_);
}

void GtkPanelView::setFrame(const platform::ui::Rect& frame)
{
    model_.setFrame(frame);
    SetSize(root_, frame);
}

platform::ui::Widget* GtkPanelView::addWidget(platform::ui::WidgetKind kind, const platform::ui::Rect& frame,
                                              std::string_view outletName)
{
    auto* model = static_cast<HeadlessWidget*>(model_.addWidget(kind, frame, outletName));
    controls_.push_back(std::make_unique<GtkControl>(session_, *model, GTK_FIXED(root_)));
    return controls_.back().get();
}

std::vector<platform::ui::Widget*> GtkPanelView::widgets() const
{
    std::vector<platform::ui::Widget*> list;
    list.reserve(controls_.size());
    for (const auto& control : controls_) list.push_back(control.get());
    return list;
}

platform::ui::Widget* GtkPanelView::widgetForOutlet(std::string_view outletName) const
{
    if (outletName.empty()) return nullptr;
    for (const auto& control : controls_)
        if (control->outletName() == outletName) return control.get();
    return nullptr;
}

platform::ui::Widget* GtkPanelView::viewWithTag(int tag) const
{
    for (const auto& control : controls_)
        if (control->tag() == tag) return control.get();
    return nullptr;
}

GtkControl* GtkPanelView::FirstResponder() const
{
    const HeadlessWidget* focused = model_.FirstResponder();
    for (const auto& control : controls_)
        if (focused != nullptr && control->Model() == focused) return control.get();
    return nullptr;
}

std::vector<platform::ui::Window*> GtkPanelView::windows() const
{
    return std::vector<platform::ui::Window*>(windows_.begin(), windows_.end());
}

} // namespace host
