#pragma once

#include <cassert>
#include <utility>
#include <variant>

// A value or the reason there is none. Callers must look before they take: value() and reason()
// of the wrong kind are programming errors, caught by an assertion rather than an exception, so
// that no front end has to guard a slot or a callback against one. Dropping a Result unlooked-at
// is a warning: it is either a lost failure or a wasted calculation.
template<class Value, class Reason> class [[nodiscard]] Result
{
public:
    Result(Value value)
        : m_content(std::in_place_index<0>, std::move(value))
    {
    }
    Result(Reason reason)
        : m_content(std::in_place_index<1>, std::move(reason))
    {
    }

    bool HasValue() const { return m_content.index() == 0; }
    explicit operator bool() const { return HasValue(); }

    const Value& value() const
    {
        const Value* value = std::get_if<0>(&m_content);
        assert(value != nullptr);
        return *value;
    }
    const Reason& reason() const
    {
        const Reason* reason = std::get_if<1>(&m_content);
        assert(reason != nullptr);
        return *reason;
    }
    const Value& operator*() const { return value(); }
    const Value* operator->() const { return &value(); }

private:
    std::variant<Value, Reason> m_content;
};
