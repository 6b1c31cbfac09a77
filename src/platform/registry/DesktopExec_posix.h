#pragma once

#include <optional>
#include <string>
#include <vector>

// The Exec line of a freedesktop application entry, as the desktop runs it for one
// address. Plain C++ over GLib, so the small launcher program shares it without Qt.
namespace platform::desktop_exec {

using Arguments = std::vector<std::string>;

// What an entry's field codes other than the address stand for.
struct EntryFields {
    std::string name;      // %c
    std::string icon;      // %i, as "--icon" and the icon
    std::string location;  // %k: the entry's own file
};

// The line split by the desktop's quoting rules; nothing when it is malformed or empty.
std::optional<Arguments> parse(const char* exec);

// The program the line ends up running: its first word, or for an "env NAME=value ..."
// wrapper the program env runs. Empty when env is given no program.
std::string startedProgram(const Arguments& exec);

// True for a program alone or followed by one address code (%u, %U, %f, %F): a Windows
// open command, path and "%1", says all of that.
bool isProgramAndAddressOnly(const Arguments& exec);

// True when the line takes a list of addresses (a %U or %F of its own): the desktop starts
// it once for all of them, in their order.
bool takesSeveralAddresses(const Arguments& exec);

// The arguments the desktop starts for one address: each address code (%u, %U, %f, %F)
// becomes the address, wherever it stands in an argument; %% is a percent sign; the other
// codes become their entry fields or nothing, and an argument made only of a code that
// stands for nothing disappears. A line without an address code gets the address last,
// so the browser always receives it, as one argument.
Arguments withAddress(const Arguments& exec, const std::string& address,
                      const EntryFields& fields = {});

// The same for a line that takes several addresses: its list code becomes every address,
// each one argument, in their order.
Arguments withAddresses(const Arguments& exec, const std::vector<std::string>& addresses,
                        const EntryFields& fields = {});

// The terminal that an entry with Terminal=true runs in, found as GIO 2.74 finds it: the
// first of its known terminals on PATH, as an absolute path, with the option after which
// that terminal runs the rest of the line. Nothing when none is installed.
std::optional<Arguments> terminalCommand();

}  // namespace platform::desktop_exec
