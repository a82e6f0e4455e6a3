#include "filter/ChildProcess.h"

#include "filter/FilterState.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <thread>

namespace {

constexpr int kStillRunning = -2;
// How often Stop looks whether the child has ended within its grace.
constexpr std::chrono::milliseconds kStopPoll{5};

int ExitStatus(int status)
{
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

} // namespace

ChildProcess::~ChildProcess() { Wait(); }

bool ChildProcess::Start(const std::function<void()>& exec)
{
    if (pid_ > 0) return false;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return false;
    const pid_t parent = ::getpid();
    // Whatever the parent has buffered must not be written twice, once by
    // each process.
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return false;
    }
    if (pid == 0) {
        ::setpgid(0, 0);
        // A filter killed outright (SIGKILL) cannot stop its child: the
        // kernel does it. A parent already gone is noticed here.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) ::_exit(127);
        // dup2 clears close-on-exec on the new standard output only.
        if (::dup2(fds[1], STDOUT_FILENO) < 0) ::_exit(127);
        exec();
        ::_exit(127);
    }
    // Set on both sides: the group must exist before either may signal it.
    ::setpgid(pid, pid);
    ::close(fds[1]);
    pid_ = pid;
    outputFd_ = fds[0];
    return true;
}

void ChildProcess::CloseOutput()
{
    if (outputFd_ >= 0) ::close(outputFd_);
    outputFd_ = -1;
}

int ChildProcess::Reap()
{
    if (pid_ <= 0) return -1;
    int status = 0;
    pid_t done;
    do {
        done = ::waitpid(pid_, &status, 0);
        // A wait that the cancel's signal interrupted returns, so that the
        // caller can stop the child.
    } while (done < 0 && errno == EINTR && CancelJob == 0);
    if (done < 0 && errno == EINTR) return kStillRunning;
    pid_ = -1;
    return done < 0 ? -1 : ExitStatus(status);
}

int ChildProcess::Wait()
{
    CloseOutput();
    for (;;) {
        if (pid_ <= 0) return -1;
        if (CancelJob != 0) return Stop();
        const int status = Reap();
        if (status != kStillRunning) return status;
    }
}

int ChildProcess::Stop(std::chrono::milliseconds grace)
{
    CloseOutput();
    if (pid_ <= 0) return -1;
    const pid_t group = pid_;
    ::kill(-group, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + grace;
    while (!Ended() && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(kStopPoll);
    // Whatever of the group is still there, the child or what it started, is
    // killed: nothing of a cancelled job may run on. The child, reaped only
    // below, still holds the group's number, so no other process can have it.
    ::kill(-group, SIGKILL);
    int status;
    do {
        status = Reap();
    } while (status == kStillRunning);
    return status;
}

bool ChildProcess::Ended() const
{
    siginfo_t info{};
    return ::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) != 0 ||
           info.si_pid != 0;
}
