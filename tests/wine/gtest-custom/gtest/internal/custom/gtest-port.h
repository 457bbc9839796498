// GoogleTest's hook for platform adjustments, found before its own empty
// version. MinGW's win32 thread model has no std::mutex or
// std::condition_variable, which GoogleTest's Notification is built on; this
// Notification waits on a Win32 event instead.
#pragma once
#include <cstddef> // defines _GLIBCXX_HAS_GTHREADS when the threads exist

#if defined(__MINGW32__) && !defined(_GLIBCXX_HAS_GTHREADS)
#include "windows/Handles_win.h"

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
public:
    Notification() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { SetEvent(event_.get()); }
    void WaitForNotification() { WaitForSingleObject(event_.get(), INFINITE); }

private:
    KernelHandle event_;
};

} // namespace internal
} // namespace testing
#endif
