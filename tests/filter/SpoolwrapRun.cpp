#include "SpoolwrapRun.h"

#include <dirent.h>
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
    int inFd = inPipe[1];
    if (job.stdinData.empty()) {
        close(inFd);
        inFd = -1;
    }
    int outFd = job.closeStdoutEarly ? -1 : outPipe[0];
    int errFd = errPipe[0];
    signal(SIGPIPE, SIG_IGN);
    char buf[65536];
    while (inFd >= 0 || outFd >= 0 || errFd >= 0) {
        pollfd fds[3];
        int n = 0;
        if (inFd >= 0) fds[n++] = {inFd, POLLOUT, 0};
        if (outFd >= 0) fds[n++] = {outFd, POLLIN, 0};
        if (errFd >= 0) fds[n++] = {errFd, POLLIN, 0};
        if (poll(fds, n, -1) < 0) continue;
        for (int i = 0; i < n; ++i) {
            if (fds[i].revents == 0) continue;
            if (fds[i].fd == inFd) {
                const ssize_t w = write(inFd, job.stdinData.data() + written, job.stdinData.size() - written);
                if (w > 0) written += static_cast<size_t>(w);
                if (w < 0 || written == job.stdinData.size()) {
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
