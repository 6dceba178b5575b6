#pragma once
// Owning pointer for COM interfaces: AddRef on copy, Release on reset and destruction.

#include <unknwn.h>

#include <utility>

namespace slotpad::win32 {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr& other) : p_(other.p_) { AddRef(); }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ~ComPtr() { Reset(); }
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }

    // Takes over a reference the caller already owns.
    static ComPtr Attach(T* p) {
        ComPtr result;
        result.p_ = p;
        return result;
    }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // For out-parameters of COM calls: releases what was held first.
    T** Put() {
        Reset();
        return &p_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    void Reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }

    template <typename U>
    ComPtr<U> As(REFIID iid) const {
        ComPtr<U> result;
        if (p_) p_->QueryInterface(iid, result.PutVoid());
        return result;
    }

private:
    void AddRef() {
        if (p_) p_->AddRef();
    }
    T* p_ = nullptr;
};

}  // namespace slotpad::win32
