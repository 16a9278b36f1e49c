#pragma once
// An event: a handler method bound to its object, or a plain function. Two events compare
// equal when they call the same method of the same object (or are the same function binding),
// so a control can tell whether a handler is already assigned.

#include <cstring>
#include <functional>
#include <memory>

namespace cl {

template <class... Args>
class TEvent {
public:
    TEvent() = default;

    template <class C>
    TEvent(C* target, void (C::*method)(Args...)) : target_(target), thunk_(&CallMethod<C>) {
        static_assert(sizeof(method) <= sizeof(method_), "member pointer larger than expected");
        std::memcpy(method_, &method, sizeof(method));
    }

    // Binds a function object; equal only to copies of this binding.
    static TEvent FromFunction(std::function<void(Args...)> function) {
        TEvent event;
        event.function_ = std::make_shared<std::function<void(Args...)>>(std::move(function));
        return event;
    }

    explicit operator bool() const { return thunk_ != nullptr || function_ != nullptr; }

    // Calls the handler; does nothing when none is assigned. A bound function stays alive for
    // the call even when it frees the object that held this event.
    void operator()(Args... args) const {
        if (thunk_) {
            thunk_(target_, method_, std::forward<Args>(args)...);
        } else if (function_) {
            const auto function = function_;
            (*function)(std::forward<Args>(args)...);
        }
    }

    bool operator==(const TEvent& other) const {
        return target_ == other.target_ && thunk_ == other.thunk_ && function_ == other.function_ &&
               std::memcmp(method_, other.method_, sizeof(method_)) == 0;
    }
    bool operator!=(const TEvent& other) const { return !(*this == other); }

    void* Target() const { return target_; }

private:
    template <class C>
    static void CallMethod(void* target, const unsigned char* stored, Args... args) {
        void (C::*method)(Args...);
        std::memcpy(&method, stored, sizeof(method));
        (static_cast<C*>(target)->*method)(std::forward<Args>(args)...);
    }

    void* target_ = nullptr;
    void (*thunk_)(void*, const unsigned char*, Args...) = nullptr;
    alignas(void*) unsigned char method_[2 * sizeof(void*)] = {};
    std::shared_ptr<std::function<void(Args...)>> function_;
};

class TObject;
using TNotifyEvent = TEvent<TObject*>;

}  // namespace cl
