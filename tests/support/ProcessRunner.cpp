#include "tests/support/ProcessRunner.h"

#include "tests/support/FileBytes.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>
#include <thread>
#include <tuple>
#include <utility>

extern char** environ;

namespace testing_support {

namespace {

using Clock = std::chrono::steady_clock;

class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~UniqueFd() { reset(); }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    void reset()
    {
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
};

struct Pipe {
    UniqueFd read, write;
    bool Open()
    {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) return false;
        read = UniqueFd(fds[0]);
        write = UniqueFd(fds[1]);
        return true;
    }
};

// A started child; waited for (killed first if still running) when the
// object dies, so no path leaves a zombie behind.
class Child {
public:
    explicit Child(pid_t pid) : pid_(pid) {}
    ~Child()
    {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        Wait();
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    pid_t pid() const { return pid_; }
    // Exit status or 128 + signal, and the peak memory.
    std::pair<int, long> Wait()
    {
        int status = 0;
        rusage usage{};
        while (wait4(pid_, &status, 0, &usage) < 0 && errno == EINTR) {}
        pid_ = -1;
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return {code, usage.ru_maxrss};
    }

private:
    pid_t pid_;
};

// The child's environment, made before the fork: after it only
// async-signal-safe calls are allowed.
std::vector<std::string> Environment(const ProcessRequest& request)
{
    std::vector<std::string> entries;
    if (request.cleanEnvironment)
        entries = {"PATH=/usr/bin:/bin", "LANG=C"};
    else
        for (char** e = environ; *e != nullptr; ++e) entries.emplace_back(*e);
    for (const auto& [name, value] : request.env) {
        std::erase_if(entries, [&](const std::string& e) { return e.starts_with(name + "="); });
        if (!value.empty()) entries.push_back(name + "=" + value);
    }
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

[[noreturn]] void ExecChild(const ProcessRequest& request, char* const* argv, char* const* envp, int in,
                            int out, int err)
{
    if (!request.stdinFile.empty()) in = open(request.stdinFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (!request.stdoutFile.empty())
        out = open(request.stdoutFile.c_str(),
                   O_WRONLY | O_CREAT | O_CLOEXEC | (request.stdoutAppend ? O_APPEND : O_TRUNC), 0644);
    if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(127);
    signal(SIGPIPE, SIG_DFL);
    if (request.fileSizeLimit >= 0) {
        // A full disk as the program sees it: writes past the limit fail with EFBIG.
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(request.fileSizeLimit),
                           static_cast<rlim_t>(request.fileSizeLimit)};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    execvpe(argv[0], argv, envp);
    _exit(127);
}

// Whether the process has a handler installed for the signal.
bool CatchesSignal(pid_t pid, int signal)
{
    std::error_code gone;
    const std::string status = ReadFile("/proc/" + std::to_string(pid) + "/status", gone);
    const std::size_t at = status.find("\nSigCgt:");
    if (at == std::string::npos) return false;
    const unsigned long long mask = std::stoull(status.substr(at + 8), nullptr, 16);
    return (mask >> (signal - 1)) & 1;
}

// SIGTERM for a program that is running its job, not one still starting.
void TerminateOnceCaught(pid_t pid)
{
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (!CatchesSignal(pid, SIGTERM) && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    kill(pid, SIGTERM);
}

} // namespace

ProcessResult RunProcess(const ProcessRequest& request)
{
    ProcessResult result;
    Pipe in, out, err;
    if (!in.Open() || !out.Open() || !err.Open()) return result;

    std::vector<std::string> argvTexts = {request.program};
    argvTexts.insert(argvTexts.end(), request.args.begin(), request.args.end());
    std::vector<std::string> envTexts = Environment(request);
    const std::vector<char*> argv = Pointers(argvTexts);
    const std::vector<char*> envp = Pointers(envTexts);

    Child child(fork());
    if (child.pid() < 0) return result;
    if (child.pid() == 0)
        ExecChild(request, argv.data(), envp.data(), in.read.get(), out.write.get(), err.write.get());
    in.read.reset();
    out.write.reset();
    err.write.reset();
    if (request.closeStdoutEarly) out.read.reset();

    // Feed standard input and drain both outputs without deadlocking.
    const std::string_view data = request.stdinData;
    bool termPending = request.sigtermAfterBytes >= 0;
    const std::size_t termAt =
        termPending ? std::min(static_cast<std::size_t>(request.sigtermAfterBytes), data.size())
                    : data.size();
    std::size_t written = 0;
    if (data.empty() && !termPending) in.write.reset();
    if (in.write) signal(SIGPIPE, SIG_IGN);
    const auto deadline = request.timeoutSeconds > 0
                              ? std::optional(Clock::now() + std::chrono::seconds(request.timeoutSeconds))
                              : std::nullopt;
    char buffer[65536];
    while (in.write || out.read || err.read) {
        if (termPending && written >= termAt) {
            TerminateOnceCaught(child.pid());
            termPending = false;
            if (written == data.size()) in.write.reset();
        }
        int waitMs = -1;
        if (deadline) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now()).count();
            if (left <= 0) {
                result.timedOut = true;
                kill(child.pid(), SIGKILL);
                break;
            }
            waitMs = static_cast<int>(left);
        }
        pollfd fds[3];
        UniqueFd* owners[3];
        int n = 0;
        for (UniqueFd* fd : {&in.write, &out.read, &err.read}) {
            if (!*fd) continue;
            fds[n] = {fd->get(), static_cast<short>(fd == &in.write ? POLLOUT : POLLIN), 0};
            owners[n++] = fd;
        }
        if (poll(fds, n, waitMs) <= 0) continue;
        for (int i = 0; i < n; ++i) {
            if (fds[i].revents == 0) continue;
            if (owners[i] == &in.write) {
                const std::size_t end = termPending ? termAt : data.size();
                const ssize_t w = write(fds[i].fd, data.data() + written, end - written);
                if (w > 0) written += static_cast<std::size_t>(w);
                if (w < 0 || (!termPending && written == data.size())) in.write.reset();
                continue;
            }
            const ssize_t r = read(fds[i].fd, buffer, sizeof buffer);
            if (r > 0)
                (owners[i] == &out.read ? result.out : result.err)
                    .append(buffer, static_cast<std::size_t>(r));
            else
                owners[i]->reset();
        }
    }
    std::tie(result.status, result.peakKiB) = child.Wait();
    return result;
}

std::string DescribeProcess(const ProcessRequest& request, const ProcessResult& result)
{
    std::string text = request.program;
    for (const std::string& a : request.args) text += " " + a;
    text += "\n  status " + std::to_string(result.status) + (result.timedOut ? " (timed out)" : "");
    if (!result.out.empty()) text += "\n  stdout: " + result.out;
    if (!result.err.empty()) text += "\n  stderr: " + result.err;
    return text;
}

} // namespace testing_support
