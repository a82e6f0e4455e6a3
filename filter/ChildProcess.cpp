#include "filter/ChildProcess.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

ChildProcess::~ChildProcess() { Wait(); }

bool ChildProcess::Start(const std::function<void()>& exec)
{
    if (pid_ > 0) return false;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return false;
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
        // dup2 clears close-on-exec on the new standard output only.
        if (::dup2(fds[1], STDOUT_FILENO) < 0) ::_exit(127);
        exec();
        ::_exit(127);
    }
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

int ChildProcess::Wait()
{
    CloseOutput();
    if (pid_ <= 0) return -1;
    int status = 0;
    pid_t done;
    do {
        done = ::waitpid(pid_, &status, 0);
    } while (done < 0 && errno == EINTR);
    pid_ = -1;
    if (done < 0) return -1;
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}
