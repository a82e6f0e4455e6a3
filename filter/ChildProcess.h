// A program run as a child process whose standard output the filter reads
// through a pipe. The child is always waited for: a filter that leaves its
// children unreaped cannot tell a layout filter that failed from one that
// wrote an empty document.
//
// The child leads a process group of its own, so that whatever it starts in
// turn ends with it when the job is cancelled, and it is killed should the
// filter itself die first.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>

class ChildProcess {
public:
    // How long a child may take to end after SIGTERM before it is killed.
    static constexpr std::chrono::milliseconds kStopGrace{300};

    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Forks; the child makes the pipe's write end its standard output and runs
    // exec(), which only returns when the program could not be started (the
    // child then ends with status 127). Returns false when the pipe or the fork
    // fails.
    bool Start(const std::function<void()>& exec);

    // The read end of the child's standard output; -1 once closed.
    int OutputFd() const { return outputFd_; }

    // Closes the read end (a child still writing then gets a broken pipe rather
    // than blocking) and waits for the child; when the job is cancelled
    // (CancelJob) before or while it waits, it stops the child instead.
    // Returns the child's exit status, or 128 + signal number when a signal
    // ended it; -1 when there is no child.
    int Wait();

    // Passes SIGTERM on to the child's process group, kills the group once
    // `grace` has passed, and waits for the child. Returns as Wait() does.
    int Stop(std::chrono::milliseconds grace = kStopGrace);

private:
    void CloseOutput();
    // Waits for the child and returns its status; -2 when the cancel's
    // signal ended the wait first.
    int Reap();
    // Whether the child has ended, without reaping it.
    bool Ended() const;

    pid_t pid_ = -1;
    int outputFd_ = -1;
};
