#include "SpoolwrapRun.h"

#include <dirent.h>
#include <sys/resource.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <chrono>
#include <thread>

std::string SpoolwrapBinary()
{
    const char* bin = std::getenv("SPOOLWRAP_BIN");
    return bin != nullptr ? bin : QV_SPOOLWRAP_BIN;
}

std::string ProjectPath(const std::string& relative) { return std::string(QV_SOURCE_DIR) + "/" + relative; }

std::string TestDataPath(const std::string& name) { return std::string(QV_TEST_DATA) + "/" + name; }

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFileBytes(const std::string& path, const std::string& data)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

namespace {

// Whether the process has a handler installed for the signal.
bool CatchesSignal(pid_t pid, int signal)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("SigCgt:", 0) != 0) continue;
        const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
        return (mask >> (signal - 1)) & 1;
    }
    return false;
}

} // namespace

SpoolwrapResult RunSpoolwrap(const SpoolwrapJob& job)
{
    int inPipe[2], outPipe[2], errPipe[2];
    if (pipe2(inPipe, O_CLOEXEC) || pipe2(outPipe, O_CLOEXEC) || pipe2(errPipe, O_CLOEXEC))
        throw std::runtime_error("pipe");

    std::vector<std::string> argvStore;
    argvStore.push_back(SpoolwrapBinary());
    argvStore.insert(argvStore.end(), job.args.begin(), job.args.end());
    std::vector<char*> argv;
    for (auto& a : argvStore) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> envStore = {"PATH=/usr/bin:/bin", "LANG=C"};
    for (const auto& [k, v] : job.env) envStore.push_back(k + "=" + v);
    std::vector<char*> envp;
    for (auto& e : envStore) envp.push_back(e.data());
    envp.push_back(nullptr);

    const pid_t pid = fork();
    if (pid == 0) {
        if (!job.stdinFile.empty()) {
            const int fd = open(job.stdinFile.c_str(), O_RDONLY);
            dup2(fd, 0);
        } else {
            dup2(inPipe[0], 0);
        }
        dup2(outPipe[1], 1);
        dup2(errPipe[1], 2);
        signal(SIGPIPE, SIG_DFL);
        if (job.fileSizeLimit >= 0) {
            // A full disk as the filter sees it: writes past the limit fail with EFBIG.
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{static_cast<rlim_t>(job.fileSizeLimit),
                               static_cast<rlim_t>(job.fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(inPipe[0]);
    close(outPipe[1]);
    close(errPipe[1]);
    if (job.closeStdoutEarly) close(outPipe[0]);

    // Feed standard input and drain both outputs without deadlocking.
    SpoolwrapResult result;
    size_t written = 0;
    bool termSent = job.sigtermAfterBytes < 0;
    int inFd = inPipe[1];
    if (job.stdinData.empty() && termSent) {
        close(inFd);
        inFd = -1;
    }
    int outFd = job.closeStdoutEarly ? -1 : outPipe[0];
    int errFd = errPipe[0];
    signal(SIGPIPE, SIG_IGN);
    char buf[65536];
    while (inFd >= 0 || outFd >= 0 || errFd >= 0) {
        if (!termSent && written >= static_cast<size_t>(job.sigtermAfterBytes)) {
            // Only once the filter is running its job, not while it starts.
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (!CatchesSignal(pid, SIGTERM) && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            kill(pid, SIGTERM);
            termSent = true;
            if (written == job.stdinData.size()) {
                close(inFd);
                inFd = -1;
            }
        }
        pollfd fds[3];
        int n = 0;
        if (inFd >= 0) fds[n++] = {inFd, POLLOUT, 0};
        if (outFd >= 0) fds[n++] = {outFd, POLLIN, 0};
        if (errFd >= 0) fds[n++] = {errFd, POLLIN, 0};
        if (poll(fds, n, -1) < 0) continue;
        for (int i = 0; i < n; ++i) {
            if (fds[i].revents == 0) continue;
            if (fds[i].fd == inFd) {
                size_t chunk = job.stdinData.size() - written;
                if (!termSent) chunk = std::min(chunk, static_cast<size_t>(job.sigtermAfterBytes) - written);
                const ssize_t w = chunk == 0 ? 0 : write(inFd, job.stdinData.data() + written, chunk);
                if (w > 0) written += static_cast<size_t>(w);
                if (w < 0 || (termSent && written == job.stdinData.size())) {
                    close(inFd);
                    inFd = -1;
                }
            } else {
                const ssize_t r = read(fds[i].fd, buf, sizeof buf);
                std::string& target = fds[i].fd == outFd ? result.out : result.err;
                if (r > 0) {
                    target.append(buf, static_cast<size_t>(r));
                } else {
                    close(fds[i].fd);
                    (fds[i].fd == outFd ? outFd : errFd) = -1;
                }
            }
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

TempDir::TempDir()
{
    char tmpl[] = "/tmp/qvtest.XXXXXX";
    if (mkdtemp(tmpl) == nullptr) throw std::runtime_error("mkdtemp");
    path_ = tmpl;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::vector<std::string> TempDir::entries() const
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_)) names.push_back(e.path().filename());
    return names;
}

std::vector<std::string> HeaderLines(const std::string& job)
{
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < job.size()) {
        const size_t end = job.find('\n', pos);
        if (end == std::string::npos) break;
        lines.push_back(job.substr(pos, end - pos));
        pos = end + 1;
        if (lines.back() == "@PJL ENTER LANGUAGE=PDF") break;
    }
    return lines;
}
