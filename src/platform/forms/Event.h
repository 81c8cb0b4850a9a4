#pragma once

#include <functional>
#include <utility>

namespace forms {

// One event of a control: the window assigns its handler, the control raises it through its form, which catches
// what escapes the handler. Arguments passed by reference (KeyAscii, Cancel) come back changed.
template <class... Args> class Event {
public:
    Event() = default;
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    template <class Handler> Event& operator=(Handler&& handler) {
        this->handler = std::forward<Handler>(handler);
        return *this;
    }
    explicit operator bool() const { return static_cast<bool>(handler); }
    void Invoke(Args... args) const { handler(std::forward<Args>(args)...); }

private:
    std::function<void(Args...)> handler;
};

} // namespace forms
