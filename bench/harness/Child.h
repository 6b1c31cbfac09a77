#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

// Variables a child gets on top of (or instead of) the harness's own environment.
using Environment = std::map<std::string, std::string>;

struct ChildResult {
    int status = 0;
    long maxRssKiB = 0;  // ru_maxrss of the child, from wait4
};

// Starts argv[0] with the harness's environment overlaid by `extra`; returns its pid.
pid_t startChild(const std::vector<std::string>& argv, const Environment& extra);

// Waits for the child to end and collects its peak memory.
ChildResult waitChild(pid_t pid);

// Ends the child with SIGTERM, as a session manager would, and collects it.
ChildResult stopChild(pid_t pid);

}  // namespace bench
