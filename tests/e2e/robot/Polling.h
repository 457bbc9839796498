// Waiting for a condition with a time limit: the robot never sleeps a fixed
// time, it asks again every few milliseconds until the condition holds or the
// deadline passes.
#pragma once
#include <windows.h>

constexpr DWORD kPollInterval = 20;

template <typename Condition>
bool PollUntil(DWORD timeoutMs, Condition condition) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(kPollInterval);
    }
}
