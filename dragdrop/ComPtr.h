#pragma once
// An owning COM interface pointer: one reference, released once.

#include <utility>

namespace dragdrop {

template <class T>
class TComPtr {
public:
    TComPtr() = default;
    // Takes a reference the caller already holds (as out-parameters hand them over).
    static TComPtr Adopt(T* pointer) {
        TComPtr owner;
        owner.pointer_ = pointer;
        return owner;
    }
    // Adds a reference of its own.
    static TComPtr Share(T* pointer) {
        if (pointer) pointer->AddRef();
        return Adopt(pointer);
    }
    ~TComPtr() { Reset(); }
    TComPtr(TComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    TComPtr& operator=(TComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    TComPtr(const TComPtr&) = delete;
    TComPtr& operator=(const TComPtr&) = delete;

    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // For out-parameters: releases what is held and hands out the slot.
    T** Receive() {
        Reset();
        return &pointer_;
    }
    void Reset() {
        if (pointer_) std::exchange(pointer_, nullptr)->Release();
    }

private:
    T* pointer_ = nullptr;
};

}  // namespace dragdrop
