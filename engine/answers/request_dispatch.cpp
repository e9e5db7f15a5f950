#include "answers/request_dispatch.h"

#include "answers/answer_inputs.h"
#include "answers/bearing_answer.h"
#include "answers/find_fits_answer.h"
#include "answers/fit_answers.h"
#include "answers/general_answer.h"
#include "answers/list_answers.h"
#include "answers/service_answer.h"
#include "answers/service_inputs.h"
#include "answers/shipped_tables.h"
#include "answers/stack_answer.h"
#include "answers/table_answers.h"
#include "answers/thread_answers.h"

#include <functional>
#include <initializer_list>
#include <map>

namespace {

// The request's members other than "op", each known to the answer.
class RequestFields
{
public:
    RequestFields(const nlohmann::json& request, std::initializer_list<std::string_view> known)
        : m_request(request)
    {
        for (const auto& [key, value] : request.items()) {
            if (key == "op")
                continue;
            bool isKnown = false;
            for (const std::string_view name : known)
                isKnown = isKnown || key == name;
            if (!isKnown && !m_unknown)
                m_unknown = UnknownOption(key);
        }
    }

    const std::optional<AnswerRefusal>& Unknown() const { return m_unknown; }

    // A member that must be there; null when it is not (the readers refuse null).
    const nlohmann::json& operator[](const char* key) const
    {
        static const nlohmann::json missing;
        const auto found = m_request.find(key);
        return found == m_request.end() ? missing : *found;
    }

    Result<std::string, AnswerRefusal> Text(const char* key) const { return ReadText((*this)[key], key); }

private:
    const nlohmann::json& m_request;
    std::optional<AnswerRefusal> m_unknown;
};

using Handler = std::function<Answer(const nlohmann::json&)>;

// A request of one text (a fit, a class, a grade) and a size, answered from them.
using TextAndSizeAnswer = Answer (*)(std::string_view text, const nlohmann::json& sizeMm);

template<const char* textKey, TextAndSizeAnswer answer> Answer TextAndSizeRequest(const nlohmann::json& request)
{
    const RequestFields fields(request, {textKey, "size_mm"});
    if (fields.Unknown())
        return *fields.Unknown();
    const auto text = fields.Text(textKey);
    if (!text)
        return text.reason();
    return answer(*text, fields["size_mm"]);
}

constexpr char kFitKey[] = "fit";
constexpr char kClassKey[] = "tolerance_class";
constexpr char kGradeKey[] = "grade";

Answer FitFromShipped(std::string_view fit, const nlohmann::json& sizeMm)
{
    return FitAnswer(ShippedTables(), fit, sizeMm);
}

Answer DiagramFromShipped(std::string_view fit, const nlohmann::json& sizeMm)
{
    return DiagramSvgAnswer(ShippedTables(), fit, sizeMm);
}

Answer LimitsFromShipped(std::string_view toleranceClass, const nlohmann::json& sizeMm)
{
    return LimitsAnswer(ShippedTables(), toleranceClass, sizeMm);
}

Answer ServiceInputsAnswer()
{
    return ServiceInputsJson();
}

Answer LimitsTableFromShipped()
{
    return LimitsTableAnswer(ShippedTables());
}

Answer FitPartsRequest(const nlohmann::json& request)
{
    const RequestFields fields(request, {kFitKey});
    if (fields.Unknown())
        return *fields.Unknown();
    const auto text = fields.Text(kFitKey);
    if (!text)
        return text.reason();
    return FitPartsAnswer(*text);
}

template<Answer (*answer)(std::string_view)> Answer ThreadRequest(const nlohmann::json& request)
{
    const RequestFields fields(request, {"designation"});
    if (fields.Unknown())
        return *fields.Unknown();
    const auto text = fields.Text("designation");
    if (!text)
        return text.reason();
    return answer(*text);
}

// Both inputs optional: the coarse series, the medium class's nut and bolt.
Answer ThreadTableRequest(const nlohmann::json& request)
{
    const RequestFields fields(request, {"series", "tolerance_class"});
    if (fields.Unknown())
        return *fields.Unknown();
    const auto textOr = [&](const char* key, std::string_view fallback) -> Result<std::string, AnswerRefusal> {
        if (fields[key].is_null())
            return std::string(fallback);
        return fields.Text(key);
    };
    const auto series = textOr("series", "coarse");
    if (!series)
        return series.reason();
    const auto toleranceClass = textOr("tolerance_class", kDefaultThreadTableClass);
    if (!toleranceClass)
        return toleranceClass.reason();
    return ThreadTableAnswer(*series, *toleranceClass);
}

// The request without "op": the answer's options.
nlohmann::json OptionsOf(const nlohmann::json& request)
{
    nlohmann::json options = request;
    options.erase("op");
    return options;
}

Answer FindFitsRequest(const nlohmann::json& request)
{
    return FindFitsAnswer(ShippedTables(), OptionsOf(request));
}

Answer BearingFitRequest(const nlohmann::json& request)
{
    return BearingFitAnswer(ShippedTables(), OptionsOf(request));
}

Answer BearingDiagramRequest(const nlohmann::json& request)
{
    return BearingDiagramSvgAnswer(ShippedTables(), OptionsOf(request));
}

Answer GeneralRequest(const nlohmann::json& request)
{
    return GeneralAnswer(OptionsOf(request));
}

Answer GeneralTableRequest(const nlohmann::json& request)
{
    return GeneralTableAnswer(OptionsOf(request));
}

Answer StackRequest(const nlohmann::json& request)
{
    return StackAnswer(ShippedTables(), OptionsOf(request));
}

Answer ServiceRequest(const nlohmann::json& request)
{
    return ServiceAnswer(ShippedTables(), OptionsOf(request));
}

// An answer that takes no options.
template<Answer (*answer)()> Answer ListRequest(const nlohmann::json& request)
{
    const RequestFields fields(request, {});
    if (fields.Unknown())
        return *fields.Unknown();
    return answer();
}

const std::map<std::string, Handler, std::less<>>& Handlers()
{
    static const std::map<std::string, Handler, std::less<>> handlers = {
        {"bearing_diagram_svg", BearingDiagramRequest},
        {"bearing_fit", BearingFitRequest},
        {"fit", TextAndSizeRequest<kFitKey, FitFromShipped>},
        {"fit_parts", FitPartsRequest},
        {"limits", TextAndSizeRequest<kClassKey, LimitsFromShipped>},
        {"find_fits", FindFitsRequest},
        {"general", GeneralRequest},
        {"general_table", GeneralTableRequest},
        {"diagram_svg", TextAndSizeRequest<kFitKey, DiagramFromShipped>},
        {"materials", ListRequest<MaterialsAnswer>},
        {"preferred_fits", ListRequest<PreferredFitsAnswer>},
        {"reason_codes", ListRequest<ReasonCodesAnswer>},
        {"service", ServiceRequest},
        {"service_inputs", ListRequest<ServiceInputsAnswer>},
        {"stack", StackRequest},
        {"tolerance", TextAndSizeRequest<kGradeKey, ToleranceAnswer>},
        {"limits_table", ListRequest<LimitsTableFromShipped>},
        {"tolerances_table", ListRequest<TolerancesTableAnswer>},
        {"thread", ThreadRequest<ThreadAnswer>},
        {"thread_diagram_svg", ThreadRequest<ThreadDiagramSvgAnswer>},
        {"thread_table", ThreadTableRequest},
    };
    return handlers;
}

} // namespace

Answer AnswerRequest(const nlohmann::json& request)
{
    if (!request.is_object())
        return BadInput("not_a_request", "a request is a JSON object with \"op\"");
    const auto op = request.find("op");
    if (op == request.end() || !op->is_string())
        return BadInput("no_op", "a request names its answer with \"op\"");
    const auto handler = Handlers().find(op->get_ref<const std::string&>());
    if (handler == Handlers().end())
        return BadInput("unknown_op", "unknown op " + QuotedInput(op->get_ref<const std::string&>()));
    return handler->second(request);
}

nlohmann::ordered_json RefusalJson(const AnswerRefusal& refusal)
{
    nlohmann::ordered_json json;
    json["ok"] = false;
    json["kind"] = refusal.kind == AnswerRefusal::Kind::Refused ? "refused" : "bad_input";
    json["reason"] = refusal.reason;
    json["message"] = refusal.message;
    return json;
}

std::string AnswerRequestJson(std::string_view requestJson)
{
    try {
        const auto request = nlohmann::json::parse(requestJson, nullptr, false);
        if (request.is_discarded())
            return RefusalJson(BadInput("malformed_request", "the request is not JSON")).dump();
        const Answer answer = AnswerRequest(request);
        if (!answer)
            return RefusalJson(answer.reason()).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        nlohmann::ordered_json reply;
        reply["ok"] = true;
        reply["answer"] = *answer;
        return reply.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    } catch (const std::exception& error) { // out of memory, or a fault: a reply all the same
        static_assert(IsReasonCode("internal_error"));
        return R"({"ok":false,"kind":"refused","reason":"internal_error","message":"the answer failed"})";
    }
}
