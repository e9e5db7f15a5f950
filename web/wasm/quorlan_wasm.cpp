#include "answers/request_dispatch.h"

#include <emscripten/emscripten.h>
#include <string>

// The page's one way into the engine: a request as JSON text in, the reply as JSON text out
// (request_dispatch.h says which). The reply stays valid until the next call; the page copies it
// into a JavaScript string at once.
extern "C" EMSCRIPTEN_KEEPALIVE const char* quorlan_answer(const char* requestJson)
{
    static std::string reply;
    reply = AnswerRequestJson(requestJson == nullptr ? std::string_view() : std::string_view(requestJson));
    return reply.c_str();
}
