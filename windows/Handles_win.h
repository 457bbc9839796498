// RAII guards for Win32 handles and GDI objects; copying is deleted so
// nothing is released twice.
#pragma once
#include <windows.h>

#include <utility>

template <typename T, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(T value) : value_(value) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : value_(std::exchange(other.value_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            value_ = std::exchange(other.value_, Traits::Invalid());
        }
        return *this;
    }

    T get() const { return value_; }
    explicit operator bool() const { return value_ != Traits::Invalid(); }
    T release() { return std::exchange(value_, Traits::Invalid()); }
    void reset(T value = Traits::Invalid()) {
        if (value_ != Traits::Invalid())
            Traits::Close(value_);
        value_ = value;
    }

private:
    T value_ = Traits::Invalid();
};

// The traits of a handle type: its failure value and its release call.
template <typename T, auto Release>
struct NullHandleTraits {
    static T Invalid() { return nullptr; }
    static void Close(T h) { Release(h); }
};
template <auto Release>
struct InvalidValueHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { Release(h); }
};

using FileHandle = UniqueHandle<HANDLE, InvalidValueHandleTraits<CloseHandle>>;
// Handles whose failure value is null (OpenProcess, CreateThread, ...).
using KernelHandle = UniqueHandle<HANDLE, NullHandleTraits<HANDLE, CloseHandle>>;
using FindHandle = UniqueHandle<HANDLE, InvalidValueHandleTraits<FindClose>>;
using RegKey = UniqueHandle<HKEY, NullHandleTraits<HKEY, RegCloseKey>>;
using GdiObject = UniqueHandle<HGDIOBJ, NullHandleTraits<HGDIOBJ, DeleteObject>>;
using MemoryDc = UniqueHandle<HDC, NullHandleTraits<HDC, DeleteDC>>;
using Library = UniqueHandle<HMODULE, NullHandleTraits<HMODULE, FreeLibrary>>;

// Selects an object into a DC and selects the previous one back on exit.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// GetDC/ReleaseDC as one scope; a null window gives the whole screen.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    explicit operator bool() const { return dc_ != nullptr; }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint as one scope.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};
