// Owns one reference to a COM interface and releases it when the scope ends,
// so early returns after a failing call never leak an object.
#pragma once
#include <objbase.h>

#include <utility>

#include "windows/SystemLibrary_win.h"

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // The out-parameter of CoCreateInstance and QueryInterface; any
    // interface held so far is released first.
    void** put() {
        reset();
        return reinterpret_cast<void**>(&pointer_);
    }

    void reset() {
        if (pointer_)
            std::exchange(pointer_, nullptr)->Release();
    }

private:
    Interface* pointer_ = nullptr;
};

// COM on this thread for the scope's lifetime: CoUninitialize on every way
// out, and only when CoInitialize succeeded (S_FALSE counts: already open).
// ole32 comes from the system directory, never from beside the program.
class ComApartment {
public:
    ComApartment() {
        const auto coInitialize = SystemFunction<decltype(&CoInitialize)>("ole32.dll", "CoInitialize");
        initialized_ = coInitialize && SUCCEEDED(coInitialize(nullptr));
    }
    ~ComApartment() {
        const auto coUninitialize = SystemFunction<decltype(&CoUninitialize)>("ole32.dll", "CoUninitialize");
        if (initialized_ && coUninitialize)
            coUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialized_ = false;
};
