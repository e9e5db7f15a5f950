#pragma once

#include "answers/answer.h"
#include "core/threads/thread_designation.h"
#include "core/threads/thread_limits.h"

#include <string_view>

// The English words for why a text is no thread, or a thread's class has no limits.

// A designation that ISO 261 and ISO 965-1 do not define, as bad input with its code:
// "thread 'M10x1.75': ISO 261 gives M10 the pitches 1.5 (coarse), 1.25, 1, 0.75 mm".
AnswerRefusal ThreadTextRefusal(std::string_view text, const ThreadTextProblem& problem,
                                std::string_view subject = "thread");

// The standard's tables have no value for the class at this thread: refused, "no_thread_tolerance".
AnswerRefusal ThreadLimitsRefusal(const ThreadDesignation& thread, const ThreadLimitsFailure& failure);
