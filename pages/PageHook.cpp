#include "pages/PageHook.h"

#include "app/GlobalState.h"

void PageHook(HWND page, UINT, WPARAM, LPARAM, const char* pageName) {
    SetupState& state = TheState();
    state.CurrentPage = page;
    state.CurrentPageName = pageName;
}

VOID CALLBACK NextButtonTimer(HWND, UINT, UINT_PTR, DWORD) {}
