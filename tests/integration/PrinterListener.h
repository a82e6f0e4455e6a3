// A TCP listener on 127.0.0.1 that plays the printer for CUPS's socket
// backend: every connection is one job, kept byte for byte.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class PrinterListener {
public:
    enum class Mode {
        Receive, // read each job to its end, then close
        HangUp,  // read the first 64 KiB, then reset the connection: a printer
                 // whose connection breaks in the middle of a job
        Stall,   // accept, then read nothing until Release(): a printer that
                 // stopped taking data
    };

    explicit PrinterListener(Mode mode = Mode::Receive);
    ~PrinterListener();
    PrinterListener(const PrinterListener&) = delete;
    PrinterListener& operator=(const PrinterListener&) = delete;

    bool ok() const { return fd_ >= 0; }
    int port() const { return port_; }
    // Device URI of the printer for lpadmin -v.
    std::string DeviceUri() const;

    // Waits until `count` connections have ended or the time is up; returns
    // the jobs received so far, in the order they arrived.
    std::vector<std::string> WaitForJobs(size_t count, int timeoutSeconds);
    size_t Connections() const;
    // Connections accepted so far, ended or not.
    size_t Accepted() const { return accepted_; }
    // A stalled printer reads its jobs from now on.
    void Release() { released_ = true; }

private:
    void Serve();
    std::string ReadJob(int client);

    Mode mode_;
    int fd_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<bool> released_{false};
    std::atomic<size_t> accepted_{0};
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> jobs_;
    size_t connections_ = 0;
    std::thread thread_;
};
