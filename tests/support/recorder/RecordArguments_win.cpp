// The Windows recording "browser" for the tests: writes the arguments it was given, as the
// C runtime split its command line, each in UTF-16 followed by a NUL. Written aside and
// renamed, so a reader never sees half a record.
//
// The record goes to <its own path>.arguments; or, when TESSORIN_RECORD_STARTS names a
// folder, one record per start in that folder, named by the moment the process was
// created, so that sorting the names gives the order of the starts.

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::wstring ownPath() {
    wchar_t self[32768];
    const DWORD length = GetModuleFileNameW(nullptr, self, 32768);
    return length == 0 || length >= 32768 ? std::wstring() : std::wstring(self, length);
}

std::wstring startsFolder() {
    wchar_t folder[32768];
    const DWORD length = GetEnvironmentVariableW(L"TESSORIN_RECORD_STARTS", folder, 32768);
    return length == 0 || length >= 32768 ? std::wstring() : std::wstring(folder, length);
}

// <creation time, 20 digits>-<process id>.arguments: creation times of processes started
// one after the other grow, and the id keeps two names apart should they not.
std::wstring startRecordName() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
    wchar_t name[64];
    std::swprintf(name, 64, L"%020llu-%lu.arguments", ticks, GetCurrentProcessId());
    return name;
}

std::wstring recordPath() {
    const std::wstring folder = startsFolder();
    if (!folder.empty()) {
        return folder + L"\\" + startRecordName();
    }
    const std::wstring self = ownPath();
    return self.empty() ? self : self + L".arguments";
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    const std::wstring record = recordPath();
    if (record.empty()) {
        return 1;
    }
    const std::wstring part = record + L".part";
    FILE* out = _wfopen(part.c_str(), L"wb");
    if (out == nullptr) {
        return 1;
    }
    for (int i = 0; i < argc; ++i) {
        std::fwrite(argv[i], sizeof(wchar_t), std::wcslen(argv[i]) + 1, out);
    }
    std::fclose(out);
    return _wrename(part.c_str(), record.c_str()) == 0 ? 0 : 1;
}
