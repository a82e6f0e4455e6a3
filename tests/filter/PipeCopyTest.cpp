// Copies between descriptors: a pipe or a file into the temporary file, in the
// kernel where it takes the pair and through memory where it refuses (a file
// opened for appending refuses both splice and copy_file_range).
#include "filter/FileCopy.h"

#include "SpoolwrapRun.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <thread>

namespace {

TEST(CopyDescriptor, EveryByteArrivesAfterWhatTheFileHeld)
{
    TempDir tmp;
    // Around the pipe's default size, and several megabytes with an odd end.
    for (const size_t size : {size_t{0}, size_t{1}, size_t{65537}, size_t{(3 << 20) + 7}}) {
        for (const bool fromPipe : {true, false}) {
            for (const bool append : {false, true}) {
                SCOPED_TRACE(std::to_string(size) + (fromPipe ? " from a pipe" : " from a file") +
                             (append ? ", appending" : ""));
                const std::string data = PatternBytes(size);
                const std::string outPath = tmp.file("out");
                // Bytes already written stay: the copy goes on from the file's position.
                WriteFile(outPath, "HEAD");
                const int out = ::open(outPath.c_str(), O_WRONLY | (append ? O_APPEND : 0));
                ASSERT_GE(out, 0);
                ASSERT_EQ(::lseek(out, 0, SEEK_END), 4);
                int in = -1;
                std::thread writer;
                if (fromPipe) {
                    int fds[2];
                    ASSERT_EQ(::pipe(fds), 0);
                    in = fds[0];
                    writer = std::thread([fd = fds[1], &data] {
                        for (size_t done = 0; done < data.size();) {
                            const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
                            if (n <= 0) break;
                            done += static_cast<size_t>(n);
                        }
                        ::close(fd);
                    });
                } else {
                    WriteFile(tmp.file("in"), data);
                    in = ::open(tmp.file("in").c_str(), O_RDONLY);
                }
                ASSERT_GE(in, 0);
                EXPECT_EQ(CopyDescriptor(in, out), CopyResult::Complete);
                if (writer.joinable()) writer.join();
                ::close(in);
                ::close(out);
                const std::string copied = ReadFile(outPath);
                EXPECT_EQ(copied.size(), size + 4);
                EXPECT_TRUE(copied == "HEAD" + data);
            }
        }
    }
}

// A job that comes through a pipe, as behind another filter in cupsd, is
// kept whole in its temporary copy and sent byte for byte, into a pipe as to
// cupsd and into a file (where the copy's pages are let go as they are sent).
TEST(PipeInput, ALargeJobThroughAPipeIsSentWhole)
{
    TempDir tmp, outDir;
    const std::string pdf = "%PDF-1.4\n" + PatternBytes((5 << 20) + 3) + "\n%%EOF";
    const std::string size =
        "@PJL SET JOBATTR=\"@FSIZ=" + std::to_string(pdf.size()) + "\"\n@PJL ENTER LANGUAGE=PDF\n";
    for (const bool toFile : {false, true}) {
        SCOPED_TRACE(toFile ? "into a file" : "into a pipe");
        SpoolwrapJob job = CupsJob(tmp.path(), tmp.file("no-marker"));
        job.stdinData = pdf;
        if (toFile) job.stdoutFile = outDir.file("job.prn");
        const SpoolwrapResult r = RunSpoolwrap(job);
        ASSERT_EQ(r.status, 0) << r.err;
        const std::string out = toFile ? ReadFile(job.stdoutFile) : r.out;
        const size_t start = out.find(size);
        ASSERT_NE(start, std::string::npos);
        EXPECT_TRUE(out.compare(start + size.size(), pdf.size(), pdf) == 0);
        EXPECT_EQ(out.substr(start + size.size() + pdf.size()), "\x1b%-12345X@PJL EOJ\n");
        // The temporary copy is gone.
        EXPECT_TRUE(tmp.entries().empty());
    }
}

} // namespace
