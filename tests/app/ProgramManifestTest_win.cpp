// The program's manifest, read back from Tessorin.exe through the resource functions the
// Windows loader itself uses, so a build that dropped or garbled it fails here.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The path as the loader wants it: backslashes only.
std::wstring windowsPath(const char* path) {
    std::wstring wide;
    for (const char* c = path; *c; ++c) {
        wide += *c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*c));
    }
    return wide;
}

std::string manifestOf(const std::wstring& program) {
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) {
        return {};
    }
    std::string text;
    if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        if (HGLOBAL loaded = LoadResource(module, found)) {
            text.assign(static_cast<const char*>(LockResource(loaded)),
                        SizeofResource(module, found));
        }
    }
    FreeLibrary(module);
    return text;
}

}  // namespace

TEST(ProgramManifest, AsksForWhatAModernWindowsProgramNeeds) {
    const std::string manifest = manifestOf(windowsPath(TESSORIN_PROGRAM_PATH));
    ASSERT_FALSE(manifest.empty()) << "Tessorin.exe has no manifest";
    EXPECT_NE(manifest.find(R"(level="asInvoker")"), std::string::npos);
    for (const char* windows : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",     // 7
                                "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",     // 8
                                "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",     // 8.1
                                "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {  // 10 and 11
        EXPECT_NE(manifest.find(windows), std::string::npos) << windows;
    }
    EXPECT_NE(manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"),
              std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2</dpiAwareness>"), std::string::npos);
}
