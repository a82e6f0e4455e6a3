#include "ReceivedJob.h"

ReceivedJob SplitJob(const std::string& bytes)
{
    ReceivedJob job;
    const size_t enter = bytes.find(kEnterLanguage);
    if (bytes.rfind(kUEL + "@PJL JOB MODE=PRINTER\n", 0) != 0) {
        job.problem = "the job does not begin with the UEL and JOB MODE=PRINTER";
        return job;
    }
    if (enter == std::string::npos) {
        job.problem = "no ENTER LANGUAGE=PDF line";
        return job;
    }
    job.header = bytes.substr(0, enter + kEnterLanguage.size());
    const size_t trailer = bytes.rfind(kUEL);
    if (trailer == std::string::npos || trailer < job.header.size()) {
        job.problem = "no trailer after the header";
        return job;
    }
    job.pdf = bytes.substr(job.header.size(), trailer - job.header.size());
    job.trailer = bytes.substr(trailer);
    size_t pos = 0;
    while (pos < job.header.size()) {
        const size_t end = job.header.find('\n', pos);
        job.headerLines.push_back(job.header.substr(pos, end - pos));
        pos = end + 1;
    }
    job.framed = true;
    return job;
}

std::string SetLine(const std::string& name, const std::string& value)
{
    return "@PJL SET " + name + "=" + value;
}

std::string AttrLine(const std::string& name, const std::string& value)
{
    return "@PJL SET JOBATTR=\"@" + name + "=" + value + "\"";
}

std::string CommentLine(const std::string& text) { return "@PJL COMMENT " + text; }

std::string AttrValue(const std::vector<std::string>& headerLines, const std::string& name)
{
    const std::string head = "@PJL SET JOBATTR=\"@" + name + "=";
    for (const std::string& line : headerLines) {
        if (line.rfind(head, 0) == 0 && line.size() > head.size() && line.back() == '"')
            return line.substr(head.size(), line.size() - head.size() - 1);
        if (line == head + "\"") return "";
    }
    return "(none)";
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        for (char c : line) text += c == '\x1b' ? std::string("<ESC>") : std::string(1, c);
        text += "\n";
    }
    return text;
}
