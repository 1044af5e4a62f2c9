#include "plugin/AIError.h"

namespace ai {

const char* Error::what() const noexcept
{
    return "AI Exception";
}

void Check(AIErr code)
{
    if (code != kNoErr)
        throw Error(code);
}

}  // namespace ai
