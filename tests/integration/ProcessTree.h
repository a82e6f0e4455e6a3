// The processes below a process, read from /proc.
#pragma once

#include <string>
#include <vector>

// Running processes below `ancestor` (zombies are not counted), each as
// "PID: command line".
std::vector<std::string> Descendants(int ancestor);
