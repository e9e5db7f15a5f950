#include "json_to_python.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace py = pybind11;

namespace {

// The keys made so far, reused: an answer repeats a few keys many times (a table's rows), and a
// key object made once keeps its hash.
class KeyCache
{
public:
    KeyCache() = default;
    KeyCache(const KeyCache&) = delete;
    KeyCache& operator=(const KeyCache&) = delete;
    ~KeyCache()
    {
        for (auto& [text, key] : m_keys)
            Py_DECREF(key);
    }

    // A new reference, or nullptr with the Python error set.
    PyObject* Key(const std::string& text)
    {
        for (auto& [known, key] : m_keys) {
            if (known == text) {
                Py_INCREF(key);
                return key;
            }
        }
        PyObject* key = PyUnicode_FromStringAndSize(text.data(), static_cast<Py_ssize_t>(text.size()));
        if (key && m_keys.size() < kMostKeys) {
            Py_INCREF(key);
            m_keys.emplace_back(text, key);
        }
        return key;
    }

private:
    static constexpr std::size_t kMostKeys = 32;
    std::vector<std::pair<std::string, PyObject*>> m_keys;
};

// A new reference to the value, or nullptr with the Python error set.
PyObject* NewObject(const nlohmann::ordered_json& json, KeyCache& keys)
{
    using Type = nlohmann::ordered_json::value_t;
    switch (json.type()) {
    case Type::null:
    case Type::discarded:
        Py_RETURN_NONE;
    case Type::boolean:
        return PyBool_FromLong(json.get<bool>() ? 1 : 0);
    case Type::number_integer:
        return PyLong_FromLongLong(json.get<std::int64_t>());
    case Type::number_unsigned:
        return PyLong_FromUnsignedLongLong(json.get<std::uint64_t>());
    case Type::number_float:
        return PyFloat_FromDouble(json.get<double>());
    case Type::string: {
        const auto& text = json.get_ref<const std::string&>();
        return PyUnicode_FromStringAndSize(text.data(), static_cast<Py_ssize_t>(text.size()));
    }
    case Type::binary:
        break;
    case Type::array: {
        const auto& items = json.get_ref<const nlohmann::ordered_json::array_t&>();
        PyObject* list = PyList_New(static_cast<Py_ssize_t>(items.size()));
        if (!list)
            return nullptr;
        for (std::size_t index = 0; index < items.size(); ++index) {
            PyObject* item = NewObject(items[index], keys);
            if (!item) {
                Py_DECREF(list);
                return nullptr;
            }
            PyList_SET_ITEM(list, static_cast<Py_ssize_t>(index), item); // steals item
        }
        return list;
    }
    case Type::object: {
        PyObject* dict = PyDict_New();
        if (!dict)
            return nullptr;
        for (const auto& [key, value] : json.get_ref<const nlohmann::ordered_json::object_t&>()) {
            PyObject* pyKey = keys.Key(key);
            PyObject* pyValue = pyKey ? NewObject(value, keys) : nullptr;
            const bool stored = pyValue && PyDict_SetItem(dict, pyKey, pyValue) == 0;
            Py_XDECREF(pyKey);
            Py_XDECREF(pyValue);
            if (!stored) {
                Py_DECREF(dict);
                return nullptr;
            }
        }
        return dict;
    }
    }
    PyErr_SetString(PyExc_TypeError, "no Python value for this JSON value");
    return nullptr;
}

// The cyclic garbage collector paused while an answer is built: its objects hold no cycles, yet a
// table's 46,000 new dicts would set off a collection every 700 of them, each walking all the others.
class CollectorPause
{
public:
    CollectorPause()
        : m_wasEnabled(PyGC_Disable() == 1)
    {
    }
    CollectorPause(const CollectorPause&) = delete;
    CollectorPause& operator=(const CollectorPause&) = delete;
    ~CollectorPause()
    {
        if (m_wasEnabled)
            PyGC_Enable();
    }

private:
    bool m_wasEnabled;
};

} // namespace

py::object ToPython(const nlohmann::ordered_json& json)
{
    const CollectorPause pause;
    KeyCache keys;
    PyObject* object = NewObject(json, keys);
    if (!object)
        throw py::error_already_set();
    return py::reinterpret_steal<py::object>(object);
}

namespace {

std::string TypeName(py::handle value)
{
    return Py_TYPE(value.ptr())->tp_name;
}

AnswerRefusal WrongType(const char* key, std::string_view wanted, py::handle value)
{
    return BadInput("wrong_type", std::string(key) + " must be " + std::string(wanted) + ", not " + TypeName(value));
}

// An integer beyond 64 bits as decimal text, for the readers to refuse as too large. Python prints at
// most 4,300 digits by default (more would take quadratic time); beyond that a power of ten of the
// same length stands for it, and the message quotes only its first digits anyway.
std::string LargeIntegerText(py::handle value)
{
    const auto bits = py::cast<std::size_t>(value.attr("bit_length")());
    if (bits <= 8192)
        return py::str(value).cast<std::string>();
    const bool negative = PyObject_RichCompareBool(value.ptr(), py::int_(0).ptr(), Py_LT) == 1;
    const auto zeros = std::min<std::size_t>(static_cast<std::size_t>(static_cast<double>(bits - 1) * 0.30103), 5000);
    return std::string(negative ? "-1" : "1") + std::string(zeros, '0');
}

Result<nlohmann::json, AnswerRefusal> ValueFromPython(py::handle value, const char* key)
{
    PyObject* object = value.ptr();
    if (object == Py_None)
        return nlohmann::json(nullptr);
    if (PyBool_Check(object))
        return nlohmann::json(object == Py_True);
    if (PyLong_Check(object)) {
        int overflow = 0;
        const long long number = PyLong_AsLongLongAndOverflow(object, &overflow);
        if (overflow == 0 && !(number == -1 && PyErr_Occurred()))
            return nlohmann::json(number);
        PyErr_Clear();
        return nlohmann::json(LargeIntegerText(value));
    }
    if (PyFloat_Check(object))
        return nlohmann::json(PyFloat_AS_DOUBLE(object));
    if (PyUnicode_Check(object)) {
        auto text = TextFromPython(value, key);
        if (!text)
            return text.reason();
        return nlohmann::json(std::move(*text));
    }
    return WrongType(key, "a number or a text", value);
}

} // namespace

Result<std::string, AnswerRefusal> TextFromPython(py::handle value, const char* key)
{
    if (!PyUnicode_Check(value.ptr()))
        return WrongType(key, "a text", value);
    Py_ssize_t size = 0;
    const char* utf8 = PyUnicode_AsUTF8AndSize(value.ptr(), &size);
    if (!utf8) {
        PyErr_Clear();
        return BadInput("not_text", std::string(key) + " holds a lone surrogate, which is not Unicode text");
    }
    return std::string(utf8, static_cast<std::size_t>(size));
}

Result<nlohmann::json, AnswerRefusal> FromPython(py::handle value, const char* key, ArgumentShape shape)
{
    const bool sequence = PyList_Check(value.ptr()) || PyTuple_Check(value.ptr());
    if (!sequence)
        return ValueFromPython(value, key);
    if (shape != ArgumentShape::Pair)
        return WrongType(key, "a number or a text", value);
    // Any other length is refused by the reader as not a pair: its items are never looked at.
    nlohmann::json items = nlohmann::json::array();
    if (PySequence_Fast_GET_SIZE(value.ptr()) != 2)
        return items;
    for (Py_ssize_t index = 0; index < 2; ++index) {
        py::handle item = PySequence_Fast_GET_ITEM(value.ptr(), index);
        if (PyList_Check(item.ptr()) || PyTuple_Check(item.ptr()))
            return WrongType(key, "two numbers", item);
        auto converted = ValueFromPython(item, key);
        if (!converted)
            return converted.reason();
        items.push_back(std::move(*converted));
    }
    return items;
}
