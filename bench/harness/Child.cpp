#include "harness/Child.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

extern char** environ;

namespace bench {

namespace {

std::vector<std::string> mergedEnvironment(const Environment& extra) {
    Environment all;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        const auto equals = text.find('=');
        all[text.substr(0, equals)] = equals == std::string::npos ? "" : text.substr(equals + 1);
    }
    for (const auto& [name, value] : extra) {
        all[name] = value;
    }
    std::vector<std::string> lines;
    for (const auto& [name, value] : all) {
        lines.push_back(name + '=' + value);
    }
    return lines;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> result;
    for (std::string& text : texts) {
        result.push_back(text.data());
    }
    result.push_back(nullptr);
    return result;
}

}  // namespace

pid_t startChild(const std::vector<std::string>& argv, const Environment& extra) {
    // Everything is prepared before fork, so the child only has to exec.
    std::vector<std::string> arguments = argv;
    std::vector<std::string> variables = mergedEnvironment(extra);
    std::vector<char*> argp = pointers(arguments);
    std::vector<char*> envp = pointers(variables);
    const pid_t pid = fork();
    if (pid == 0) {
        execve(argp[0], argp.data(), envp.data());
        _exit(127);
    }
    if (pid < 0) {
        std::perror("fork");
        std::exit(1);
    }
    return pid;
}

ChildResult waitChild(pid_t pid) {
    ChildResult result;
    rusage usage{};
    if (wait4(pid, &result.status, 0, &usage) == pid) {
        result.maxRssKiB = usage.ru_maxrss;
    }
    return result;
}

ChildResult stopChild(pid_t pid) {
    kill(pid, SIGTERM);
    return waitChild(pid);
}

}  // namespace bench
