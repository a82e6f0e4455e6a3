#include "host/gtk/GtkModalWindow.h"

namespace host {

namespace {

gboolean RefuseClose(GtkWindow*, gpointer) { return TRUE; }

} // namespace

GtkModalWindow::GtkModalWindow(std::shared_ptr<ScreenSession> session, std::string_view title,
                               const platform::ui::Rect& frame, GtkPanelView* owner)
    : session_(std::move(session)), title_(title),
      content_(std::make_unique<GtkPanelView>(session_, frame, this)), owner_(owner),
      window_(GTK_WINDOW(gtk_window_new()))
{
    g_object_ref_sink(window_);
    gtk_window_set_title(window_, title_.c_str());
    gtk_window_set_resizable(window_, FALSE);
    gtk_window_set_child(window_, content_->Root());
    g_signal_connect(window_, "close-request", G_CALLBACK(RefuseClose), nullptr);
    if (owner_ != nullptr) owner_->AdoptWindow(this);
}

GtkModalWindow::~GtkModalWindow()
{
    close();
    if (owner_ != nullptr) owner_->ForgetWindow(this);
    gtk_window_set_child(window_, nullptr);
    gtk_window_destroy(window_);
    g_object_unref(window_);
}

void GtkModalWindow::setTitle(std::string_view title)
{
    title_ = title;
    gtk_window_set_title(window_, title_.c_str());
}

void GtkModalWindow::Present()
{
    gtk_window_set_transient_for(window_, session_->ParentWindow());
    gtk_window_present(window_);
}

void GtkModalWindow::Hide() { gtk_widget_set_visible(GTK_WIDGET(window_), FALSE); }

void GtkModalWindow::runModal()
{
    // A second run of a window running modally would nest a run that the
    // first one's stopModal also ends.
    if (loop_ != nullptr) return;
    gtk_window_set_modal(window_, TRUE);
    Present();
    open_ = true;
    ModalLoop loop;
    loop_ = &loop;
    session_->EnterModal(window_);
    loop.Run();
    session_->LeaveModal(window_);
    loop_ = nullptr;
}

void GtkModalWindow::stopModal()
{
    if (loop_ != nullptr) loop_->Quit();
}

void GtkModalWindow::close()
{
    stopModal();
    if (!open_) return;
    open_ = false;
    gtk_window_set_modal(window_, FALSE);
    Hide();
}

platform::ui::Widget* GtkModalWindow::firstResponder() const { return content_->FirstResponder(); }

} // namespace host
