#include "json_to_python.h"

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

nlohmann::json FromPython(py::handle value, const char* key)
{
    if (value.is_none())
        return nullptr;
    if (PyBool_Check(value.ptr()))
        return value.cast<bool>();
    if (PyLong_Check(value.ptr())) {
        int overflow = 0;
        const long long number = PyLong_AsLongLongAndOverflow(value.ptr(), &overflow);
        if (overflow == 0 && !(number == -1 && PyErr_Occurred()))
            return number;
        PyErr_Clear();
        return py::str(value).cast<std::string>(); // the readers refuse it as too large
    }
    if (PyFloat_Check(value.ptr()))
        return PyFloat_AS_DOUBLE(value.ptr());
    if (PyUnicode_Check(value.ptr()))
        return value.cast<std::string>();
    if (PyList_Check(value.ptr()) || PyTuple_Check(value.ptr())) {
        nlohmann::json items = nlohmann::json::array();
        for (const py::handle item : value)
            items.push_back(FromPython(item, key));
        return items;
    }
    throw py::type_error(std::string(key) + " must be a number or a text, not "
                         + py::str(py::type::handle_of(value).attr("__name__")).cast<std::string>());
}
