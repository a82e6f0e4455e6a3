#include "ProcessTree.h"

#include "tests/support/FileBytes.h"

#include <dirent.h>

#include <cstdlib>
#include <map>

using testing_support::ReadFile;

std::vector<std::string> Descendants(int ancestor)
{
    std::map<int, int> parent;
    std::map<int, std::string> state;
    DIR* proc = opendir("/proc");
    if (proc == nullptr) return {};
    while (dirent* entry = readdir(proc)) {
        const int pid = std::atoi(entry->d_name);
        if (pid <= 0) continue;
        std::error_code gone; // the process may end while the list is read
        const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat", gone);
        const size_t close = stat.rfind(')');
        if (close == std::string::npos || close + 4 > stat.size()) continue;
        state[pid] = stat.substr(close + 2, 1);
        parent[pid] = std::atoi(stat.c_str() + close + 4);
    }
    closedir(proc);
    std::vector<std::string> found;
    for (const auto& [pid, ppid] : parent) {
        if (state[pid] == "Z") continue;
        for (int p = ppid; p > 1; p = parent.count(p) ? parent[p] : 0) {
            if (p != ancestor) continue;
            std::error_code gone;
            std::string cmd = ReadFile("/proc/" + std::to_string(pid) + "/cmdline", gone);
            for (char& c : cmd)
                if (c == '\0') c = ' ';
            found.push_back(std::to_string(pid) + ": " + cmd);
            break;
        }
    }
    return found;
}
