#include "support/ResourceError.h"

namespace {

ResourceError g_lastError = ResourceError::None;

} // namespace

ResourceError LastResourceError()
{
    return g_lastError;
}

void SetResourceError(ResourceError error)
{
    g_lastError = error;
}
