// Runs a program to its end with a time limit and hands back what it wrote.
#pragma once

#include <map>
#include <string>
#include <vector>

struct CommandResult {
    std::string out;       // standard output
    std::string err;       // standard error
    int status = -1;       // exit status, 128 + signal, or -1 when it could not start
    bool timedOut = false; // killed at the time limit
};

// Runs argv[0] (searched in PATH) with argv, the current environment plus
// `env` (an empty value unsets the variable), standard input from /dev/null.
// A program still running after `timeoutSeconds` is killed.
CommandResult RunCommand(const std::vector<std::string>& argv,
                         const std::map<std::string, std::string>& env = {}, int timeoutSeconds = 60);

// The command line as one text, for failure messages.
std::string DescribeCommand(const std::vector<std::string>& argv, const CommandResult& result);
