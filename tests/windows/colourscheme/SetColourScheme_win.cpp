// set-colour-scheme light|dark: what Windows' Settings does when the person picks the apps'
// mode: the choice goes to the registry, then every top-level window hears that the
// "ImmersiveColorSet" setting changed. The looks test changes the choice under a running
// Tessorin with it.

#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 2 || (std::wcscmp(argv[1], L"light") != 0 && std::wcscmp(argv[1], L"dark") != 0)) {
        std::fwprintf(stderr, L"usage: set-colour-scheme light|dark\n");
        return 2;
    }
    const DWORD appsUseLightTheme = std::wcscmp(argv[1], L"light") == 0 ? 1 : 0;
    const LSTATUS written = RegSetKeyValueW(
        HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
        L"AppsUseLightTheme", REG_DWORD, &appsUseLightTheme, sizeof appsUseLightTheme);
    if (written != ERROR_SUCCESS) {
        std::fwprintf(stderr, L"set-colour-scheme: the registry refused the value (%ld)\n",
                      static_cast<long>(written));
        return 1;
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                        reinterpret_cast<LPARAM>(L"ImmersiveColorSet"), SMTO_ABORTIFHUNG, 5000,
                        &ignored);
    return 0;
}
