// A nested main loop: what makes a modal window or an alert return only when
// it is closed. GTK 4 has no blocking dialog run, so the caller runs the
// loop, and the window's buttons end it.
#pragma once

#include <glib.h>

namespace host {

class ModalLoop {
public:
    ModalLoop() : loop_(g_main_loop_new(nullptr, FALSE)) {}
    ~ModalLoop() { g_main_loop_unref(loop_); }
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;

    // Returns once Quit is called (at once when it was called already).
    void Run()
    {
        if (!quit_) g_main_loop_run(loop_);
    }
    void Quit()
    {
        quit_ = true;
        g_main_loop_quit(loop_);
    }

private:
    GMainLoop* loop_;
    bool quit_ = false;
};

} // namespace host
