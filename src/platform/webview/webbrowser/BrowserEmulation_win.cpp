#include "platform/webview/webbrowser/BrowserEmulation_win.h"

#include <windows.h>

#include <QCoreApplication>
#include <QFileInfo>

namespace platform::webbrowser {

namespace {

constexpr wchar_t kExplorerKey[] = LR"(SOFTWARE\Microsoft\Internet Explorer)";
constexpr wchar_t kEmulationKey[] =
    LR"(Software\Microsoft\Internet Explorer\Main\FeatureControl\FEATURE_BROWSER_EMULATION)";

QString explorerValue(const wchar_t* name) {
    wchar_t text[64];
    DWORD size = sizeof(text);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kExplorerKey, name, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    return QString::fromWCharArray(text);
}

// Internet Explorer 10 and later give their version in svcVersion; "Version" stays at 9.
QString installedExplorerVersion() {
    const QString service = explorerValue(L"svcVersion");
    return service.isEmpty() ? explorerValue(L"Version") : service;
}

}  // namespace

// The "standards mode whatever the page says" values Microsoft lists for each version.
unsigned long emulationModeFor(const QString& explorerVersion) {
    const int major = explorerVersion.section(u'.', 0, 0).toInt();
    if (major >= 10) {
        return static_cast<unsigned long>(major) * 1000 + 1;
    }
    if (major == 9) {
        return 9999;
    }
    return major == 8 ? 8888 : 0;
}

void useNewestEngineMode() {
    const DWORD mode = emulationModeFor(installedExplorerVersion());
    if (mode == 0) {
        return;
    }
    const std::wstring program =
        QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdWString();
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kEmulationKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(key, program.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&mode),
                   sizeof(mode));
    RegCloseKey(key);
}

}  // namespace platform::webbrowser
