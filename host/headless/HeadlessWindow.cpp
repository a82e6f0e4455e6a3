#include "host/headless/HeadlessWindow.h"

namespace host {

HeadlessWindow::HeadlessWindow(std::shared_ptr<HeadlessSession> session, std::string_view title,
                               const platform::ui::Rect& frame, HeadlessView* owner)
    : session_(std::move(session)), title_(title),
      content_(std::make_unique<HeadlessView>(session_, frame, this)), owner_(owner)
{
    if (owner_ != nullptr) owner_->AdoptWindow(this);
}

HeadlessWindow::~HeadlessWindow()
{
    close();
    session_->LeaveModal(this);
    if (owner_ != nullptr) owner_->ForgetWindow(this);
}

void HeadlessWindow::runModal()
{
    // A second run of a window already running modally would nest a run
    // that the first one's stopModal also ends; AppKit refuses it too.
    if (modal_) return;
    if (!open_) {
        open_ = true;
        session_->Record({.event = "window-opened", .title = title_});
    }
    modal_ = true;
    session_->EnterModal(this);
    if (ModalEventSource* source = session_->EventSource()) source->RunModal(*this);
    session_->LeaveModal(this);
    modal_ = false;
}

void HeadlessWindow::close()
{
    modal_ = false;
    if (!open_) return;
    open_ = false;
    session_->Record({.event = "window-closed", .title = title_});
}

} // namespace host
