#include "CommandRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>

namespace {

double Now()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

} // namespace

CommandResult RunCommand(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
                         int timeoutSeconds)
{
    CommandResult result;
    if (argv.empty()) return result;
    int outPipe[2], errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0) return result;
    if (pipe2(errPipe, O_CLOEXEC) != 0) {
        close(outPipe[0]);
        close(outPipe[1]);
        return result;
    }

    std::vector<std::string> args = argv;
    std::vector<char*> cargs;
    for (std::string& a : args) cargs.push_back(a.data());
    cargs.push_back(nullptr);

    const pid_t pid = fork();
    if (pid == 0) {
        for (const auto& [name, value] : env) {
            if (value.empty())
                unsetenv(name.c_str());
            else
                setenv(name.c_str(), value.c_str(), 1);
        }
        const int devnull = open("/dev/null", O_RDONLY);
        if (devnull >= 0) dup2(devnull, 0);
        dup2(outPipe[1], 1);
        dup2(errPipe[1], 2);
        signal(SIGPIPE, SIG_DFL);
        execvp(cargs[0], cargs.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    if (pid < 0) {
        close(outPipe[0]);
        close(errPipe[0]);
        return result;
    }

    const double deadline = Now() + timeoutSeconds;
    int fds[2] = {outPipe[0], errPipe[0]};
    char buf[65536];
    while (fds[0] >= 0 || fds[1] >= 0) {
        const double left = deadline - Now();
        if (left <= 0) {
            result.timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
        pollfd p[2];
        int n = 0;
        for (int fd : fds)
            if (fd >= 0) p[n++] = {fd, POLLIN, 0};
        if (poll(p, n, static_cast<int>(left * 1000) + 1) <= 0) continue;
        for (int i = 0; i < n; ++i) {
            if (p[i].revents == 0) continue;
            const ssize_t r = read(p[i].fd, buf, sizeof buf);
            const bool isOut = p[i].fd == fds[0];
            if (r > 0) {
                (isOut ? result.out : result.err).append(buf, static_cast<size_t>(r));
            } else {
                close(p[i].fd);
                (isOut ? fds[0] : fds[1]) = -1;
            }
        }
    }
    for (int fd : fds)
        if (fd >= 0) close(fd);

    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

std::string DescribeCommand(const std::vector<std::string>& argv, const CommandResult& result)
{
    std::string text;
    for (const std::string& a : argv) text += (text.empty() ? "" : " ") + a;
    text += "\n  status " + std::to_string(result.status) + (result.timedOut ? " (timed out)" : "");
    if (!result.out.empty()) text += "\n  stdout: " + result.out;
    if (!result.err.empty()) text += "\n  stderr: " + result.err;
    return text;
}
