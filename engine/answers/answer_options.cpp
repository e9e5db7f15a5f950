#include "answers/answer_options.h"

#include "answers/answer_inputs.h"

#include <algorithm>

std::string OptionName(std::string_view key, OptionNaming naming)
{
    if (naming == OptionNaming::Keyword)
        return std::string(key);
    std::string name = "--" + std::string(key);
    std::replace(name.begin(), name.end(), '_', '-');
    return name;
}

std::optional<AnswerRefusal> UnknownOptionIn(const nlohmann::json& options,
                                             std::initializer_list<std::string_view> known, OptionNaming naming)
{
    if (options.is_null())
        return std::nullopt;
    if (!options.is_object())
        return BadInput("not_options", "the options are no object of names and values");
    for (const auto& [key, value] : options.items()) {
        if (std::find(known.begin(), known.end(), key) == known.end())
            return UnknownOption(OptionName(key, naming));
    }
    return std::nullopt;
}

const nlohmann::json& OptionValue(const nlohmann::json& options, std::string_view key)
{
    static const nlohmann::json missing;
    if (!options.is_object())
        return missing;
    const auto found = options.find(std::string(key));
    return found == options.end() ? missing : *found;
}
