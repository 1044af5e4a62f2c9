#pragma once

#include "sim/kiln/CallText.h"
#include "sim/kiln/Engine.h"
#include "sim/kiln/KilnControlSuite.h"

namespace kiln {

// How every recorded suite entry runs: the call is recorded first, then answered by the started
// engine. Before start-up and after shut-down nothing is recorded and `fallback` is the answer.
template <typename Result, typename Answer>
Result Answered(const CallText& call, Result fallback, Answer answer)
{
    Engine* engine = Engine::Current();
    if (!engine)
        return fallback;
    engine->Record(call);
    return answer(*engine);
}

// An entry that only records its call.
inline ASErr Recorded(const CallText& call)
{
    return Answered(call, kKilnNotStartedError, [](Engine&) { return kNoErr; });
}

inline void AddArgument(CallText& call, double value)
{
    call.Real(value);
}

inline void AddArgument(CallText& call, float value)
{
    call.Single(value);
}

inline void AddArgument(CallText& call, ASInt32 value)
{
    call.Int(value);
}

inline void AddArgument(CallText& call, AIBoolean value)
{
    call.Int(value);
}

// A suite entry taking `Arguments` that only records its call under the name `Entry`.
template <const char* Entry, typename... Arguments>
ASErr RecordOnly(Arguments... arguments)
{
    CallText call(Entry);
    (AddArgument(call, arguments), ...);
    return Recorded(call);
}

// A control entry, not recorded.
template <typename Result, typename Action>
Result Controlled(Result fallback, Action action)
{
    Engine* engine = Engine::Current();
    return engine ? action(*engine) : fallback;
}

}  // namespace kiln
