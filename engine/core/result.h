#pragma once

#include <utility>
#include <variant>

// A value or the reason there is none. Callers must look before they take: value() and reason()
// of the wrong kind are programming errors (std::get throws std::bad_variant_access).
template<class Value, class Reason> class Result
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

    const Value& value() const { return std::get<0>(m_content); }
    const Reason& reason() const { return std::get<1>(m_content); }
    const Value& operator*() const { return value(); }
    const Value* operator->() const { return &value(); }

private:
    std::variant<Value, Reason> m_content;
};
