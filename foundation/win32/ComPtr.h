#pragma once
// Owning pointer to a COM interface: AddRef on copy, Release on reset and destruction.

#include <unknwn.h>

#include <cstddef>
#include <utility>

namespace foundation {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Shares `p`: takes a reference of its own.
    explicit ComPtr(T* p) : p_(p) { AddRef(); }
    ComPtr(const ComPtr& other) : p_(other.p_) { AddRef(); }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ~ComPtr() { Reset(); }
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }

    // Takes over a reference the caller already owns.
    static ComPtr Adopt(T* p) {
        ComPtr result;
        result.p_ = p;
        return result;
    }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // For out-parameters: releases what was held first.
    T** Put() {
        Reset();
        return &p_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    // Hands the reference to the caller, as COM out-parameters expect.
    T* Detach() { return std::exchange(p_, nullptr); }
    void CopyTo(T** out) const {
        *out = p_;
        if (p_) p_->AddRef();
    }

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

}  // namespace foundation
