#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <utility>

// A JSON object built in key order, its room made once: an answer's keys are known and distinct,
// so no key is looked up (ordered_json's operator[] searches every key and grows one at a time).
class JsonObject
{
public:
    explicit JsonObject(std::size_t keyCount)
        : m_json(nlohmann::ordered_json::value_t::object)
        , m_fields(m_json.get_ref<nlohmann::ordered_json::object_t&>())
    {
        m_fields.reserve(keyCount);
    }

    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;

    JsonObject& Add(const char* key, nlohmann::ordered_json value)
    {
        m_fields.emplace_back(key, std::move(value));
        return *this;
    }

    nlohmann::ordered_json Take() { return std::move(m_json); }

private:
    nlohmann::ordered_json m_json;
    nlohmann::ordered_json::object_t& m_fields;
};
