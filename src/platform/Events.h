// Method pointers: the platform's event handlers.
//
// An event value is a callable bound to an object, together with the identity of that binding
// (the object and the method's name). The identity is what lets a form save a control's handler,
// put its own in place and later tell whether a handler is its own — something a bare
// std::function cannot do.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace znp {

class TObject;

template <class... Args>
class TEvent {
public:
    using Function = std::function<void(Args...)>;

    TEvent() = default;
    TEvent(const void* data, std::string code, Function fn) : data_(data), code_(std::move(code)), fn_(std::move(fn)) {}

    // Binds a member function of Object under the given name.
    template <class C, class... MArgs>
    static TEvent Bind(C* object, std::string name, void (C::*method)(MArgs...)) {
        return TEvent(object, std::move(name), [object, method](Args... args) { (object->*method)(args...); });
    }

    explicit operator bool() const { return static_cast<bool>(fn_); }
    void operator()(Args... args) const {
        if (fn_) fn_(args...);
    }

    const void* Data() const { return data_; }
    const std::string& Code() const { return code_; }

    bool operator==(const TEvent& other) const {
        return data_ == other.data_ && code_ == other.code_ && static_cast<bool>(fn_) == static_cast<bool>(other.fn_);
    }
    bool operator!=(const TEvent& other) const { return !(*this == other); }

private:
    const void* data_ = nullptr;
    std::string code_;
    Function fn_;
};

using TShiftState = std::uint8_t;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TNotifyEvent = TEvent<TObject*>;
using TKeyEvent = TEvent<TObject*, std::uint16_t&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;
using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
using TAllowChangeEvent = TEvent<TObject*, bool&>;

}  // namespace znp
