#include "PrinterListener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace {

// No single job of these tests takes longer than this to arrive.
constexpr int kJobTimeLimitMs = 60000;
constexpr int kPollTickMs = 100;
// A printer that breaks down takes this much of the job first.
constexpr size_t kHangUpAfterBytes = 64 * 1024;

} // namespace

PrinterListener::PrinterListener(Mode mode) : mode_(mode)
{
    fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) return;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof addr;
    if (bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(fd_, 16) != 0 ||
        getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        close(fd_);
        fd_ = -1;
        return;
    }
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

PrinterListener::~PrinterListener()
{
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (fd_ >= 0) close(fd_);
}

std::string PrinterListener::DeviceUri() const
{
    // No SNMP queries: the listener is no SNMP agent.
    return "socket://127.0.0.1:" + std::to_string(port_) + "/?snmp=false";
}

std::vector<std::string> PrinterListener::WaitForJobs(size_t count, int timeoutSeconds)
{
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, std::chrono::seconds(timeoutSeconds), [&] { return connections_ >= count; });
    return jobs_;
}

size_t PrinterListener::Connections() const
{
    std::lock_guard lock(mutex_);
    return connections_;
}

void PrinterListener::Serve()
{
    while (!stop_) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, kPollTickMs) <= 0) continue;
        const int client = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) continue;
        ++accepted_;
        while (mode_ == Mode::Stall && !released_ && !stop_) poll(nullptr, 0, kPollTickMs);
        std::string job = ReadJob(client);
        if (mode_ == Mode::HangUp) {
            // A reset, not an orderly close: the sender's next write fails.
            linger reset{1, 0};
            setsockopt(client, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
        }
        close(client);
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
        ++connections_;
        changed_.notify_all();
    }
}

std::string PrinterListener::ReadJob(int client)
{
    std::string job;
    char buf[65536];
    int waited = 0;
    const size_t limit = mode_ == Mode::HangUp ? kHangUpAfterBytes : std::string::npos;
    while (!stop_ && waited < kJobTimeLimitMs && job.size() < limit) {
        pollfd p{client, POLLIN, 0};
        const int ready = poll(&p, 1, kPollTickMs);
        if (ready == 0) {
            waited += kPollTickMs;
            continue;
        }
        if (ready < 0) break;
        const size_t want = std::min(sizeof buf, limit - job.size());
        const ssize_t r = read(client, buf, want);
        if (r <= 0) break;
        job.append(buf, static_cast<size_t>(r));
    }
    return job;
}
