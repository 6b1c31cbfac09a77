// The Windows recording "browser" for the tests: writes the arguments it was given, as the
// C runtime split its command line, to <its own path>.arguments, each in UTF-16 followed
// by a NUL. Written aside and renamed, so a reader never sees half a record.

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t* argv[]) {
    wchar_t self[32768];
    const DWORD length = GetModuleFileNameW(nullptr, self, 32768);
    if (length == 0 || length >= 32768) {
        return 1;
    }
    const std::wstring record = std::wstring(self, length) + L".arguments";
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
