#include "platform/registry/DesktopExec_posix.h"

#include <glib.h>

#include <algorithm>
#include <memory>
#include <string_view>

namespace platform::desktop_exec {

namespace {

struct GStrvFree {
    void operator()(gchar** strings) const { g_strfreev(strings); }
};

bool isAddressCode(char code) {
    return code == 'u' || code == 'U' || code == 'f' || code == 'F';
}

bool isAddressCodeAlone(std::string_view argument) {
    return argument.size() == 2 && argument[0] == '%' && isAddressCode(argument[1]);
}

bool isListCodeAlone(std::string_view argument) {
    return argument == "%U" || argument == "%F";
}

bool holdsAddressCode(const std::string& argument) {
    for (std::size_t i = 0; i + 1 < argument.size(); ++i) {
        if (argument[i] == '%') {
            if (isAddressCode(argument[i + 1])) {
                return true;
            }
            ++i;  // "%%" and the other codes are not the address
        }
    }
    return false;
}

bool isEnvAssignment(std::string_view argument) {
    return !argument.starts_with('-') && argument.find('=') != std::string_view::npos;
}

// env's own options that take a value in the next word.
bool envOptionTakesValue(std::string_view option) {
    return option == "-u" || option == "--unset" || option == "-C" || option == "--chdir";
}

std::string_view baseName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// One argument with its field codes replaced; nothing when it was only a code that
// stands for nothing here.
std::optional<std::string> expanded(const std::string& argument, const std::string& address,
                                    const EntryFields& fields, Arguments& iconArguments) {
    std::string text;
    bool droppedCode = false;
    for (std::size_t i = 0; i < argument.size(); ++i) {
        if (argument[i] != '%' || i + 1 == argument.size()) {
            text += argument[i];
            continue;
        }
        const char code = argument[++i];
        if (code == '%') {
            text += '%';
        } else if (isAddressCode(code)) {
            text += address;
        } else if (code == 'c') {
            text += fields.name;
        } else if (code == 'k') {
            text += fields.location;
        } else {
            // %i becomes two words of its own; %d, %n, %v, %m and unknown codes are gone.
            if (code == 'i' && !fields.icon.empty()) {
                iconArguments = {"--icon", fields.icon};
            }
            droppedCode = true;
        }
    }
    if (droppedCode && text.empty()) {
        return std::nullopt;
    }
    return text;
}

struct KnownTerminal {
    const char* program;
    const char* runsTheRest;
};

// In GIO's order of preference.
constexpr KnownTerminal kKnownTerminals[] = {
    {"gnome-terminal", "--"}, {"mate-terminal", "-x"}, {"xfce4-terminal", "-x"}, {"tilix", "-e"},
    {"konsole", "-e"},        {"nxterm", "-e"},        {"color-xterm", "-e"},    {"rxvt", "-e"},
    {"dtterm", "-e"},         {"xterm", "-e"},
};

}  // namespace

std::optional<Arguments> terminalCommand() {
    for (const KnownTerminal& terminal : kKnownTerminals) {
        const std::unique_ptr<gchar, decltype(&g_free)> found(
            g_find_program_in_path(terminal.program), g_free);
        if (found) {
            return Arguments{found.get(), terminal.runsTheRest};
        }
    }
    return std::nullopt;
}

std::optional<Arguments> parse(const char* exec) {
    gint count = 0;
    gchar** parsed = nullptr;
    if (exec == nullptr || !g_shell_parse_argv(exec, &count, &parsed, nullptr)) {
        return std::nullopt;
    }
    const std::unique_ptr<gchar*, GStrvFree> owned(parsed);
    return Arguments(parsed, parsed + count);
}

std::string startedProgram(const Arguments& exec) {
    if (exec.empty() || baseName(exec.front()) != "env") {
        return exec.empty() ? std::string() : exec.front();
    }
    for (std::size_t i = 1; i < exec.size(); ++i) {
        const std::string_view argument = exec[i];
        if (argument == "--") {
            return i + 1 < exec.size() ? exec[i + 1] : std::string();
        }
        if (envOptionTakesValue(argument)) {
            ++i;
        } else if (!argument.starts_with('-') && !isEnvAssignment(argument)) {
            return exec[i];
        }
    }
    return {};
}

bool isProgramAndAddressOnly(const Arguments& exec) {
    return !exec.empty() && baseName(exec.front()) != "env" &&
           (exec.size() == 1 || (exec.size() == 2 && isAddressCodeAlone(exec[1])));
}

bool takesSeveralAddresses(const Arguments& exec) {
    return exec.size() > 1 && std::any_of(exec.begin() + 1, exec.end(), isListCodeAlone);
}

Arguments withAddress(const Arguments& exec, const std::string& address,
                      const EntryFields& fields) {
    return withAddresses(exec, {address}, fields);
}

Arguments withAddresses(const Arguments& exec, const std::vector<std::string>& addresses,
                        const EntryFields& fields) {
    Arguments arguments;
    const std::string first = addresses.empty() ? std::string() : addresses.front();
    for (std::size_t i = 0; i < exec.size(); ++i) {
        if (i == 0) {
            arguments.push_back(exec.front());  // a program name is never expanded
            continue;
        }
        if (isListCodeAlone(exec[i])) {
            arguments.insert(arguments.end(), addresses.begin(), addresses.end());
            continue;
        }
        Arguments iconArguments;
        if (const auto argument = expanded(exec[i], first, fields, iconArguments)) {
            arguments.push_back(*argument);
        }
        arguments.insert(arguments.end(), iconArguments.begin(), iconArguments.end());
    }
    if (!exec.empty() && std::none_of(exec.begin() + 1, exec.end(), holdsAddressCode)) {
        arguments.insert(arguments.end(), addresses.begin(), addresses.end());
    }
    return arguments;
}

}  // namespace platform::desktop_exec
