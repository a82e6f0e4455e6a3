// A program run as a child process whose standard output the filter reads
// through a pipe. The child is always waited for: a filter that leaves its
// children unreaped cannot tell a layout filter that failed from one that
// wrote an empty document.
#pragma once

#include <sys/types.h>

#include <functional>

class ChildProcess {
public:
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
    // than blocking) and waits for the child. Returns its exit status, or
    // 128 + signal number when a signal ended it; -1 when there is no child.
    int Wait();

private:
    void CloseOutput();

    pid_t pid_ = -1;
    int outputFd_ = -1;
};
