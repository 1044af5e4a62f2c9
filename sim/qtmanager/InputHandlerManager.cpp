#include "RVADMQtManager.h"

#include <algorithm>
#include <vector>

namespace RVADMQtManager::InputHandlerManager {
namespace {

struct Registration
{
    int kind;
    KeyboardInputHandler handler;
    void* context;
};

std::vector<Registration>& Registrations()
{
    static std::vector<Registration> registrations;
    return registrations;
}

std::vector<Registration>::iterator Find(KeyboardInputHandler handler, void* context)
{
    auto& list = Registrations();
    return std::find_if(list.begin(), list.end(), [&](const Registration& r) {
        return r.handler == handler && r.context == context;
    });
}

bool IsKnownKind(int kind)
{
    return kind == kModifierHandler || kind == kKeyHandler;
}

bool IsRegistered(const Registration& r)
{
    return Find(r.handler, r.context) != Registrations().end();
}

// Handlers may register or unregister while being called, so each dispatch walks a copy and
// skips the handlers removed meanwhile.
std::vector<Registration> HandlersOf(int kind)
{
    std::vector<Registration> result;
    for (const Registration& r : Registrations()) {
        if (r.kind == kind)
            result.push_back(r);
    }
    return result;
}

} // namespace

bool RegisterKeyboardInputHandler(int kind, KeyboardInputHandler handler, void* context)
{
    if (handler == nullptr || !IsKnownKind(kind) || Find(handler, context) != Registrations().end())
        return false;
    Registrations().push_back({kind, handler, context});
    return true;
}

bool UnregisterKeyboardInputHandler(KeyboardInputHandler handler, void* context)
{
    const auto found = Find(handler, context);
    if (found == Registrations().end())
        return false;
    Registrations().erase(found);
    return true;
}

void DispatchModifiers(std::uint32_t modifierBits)
{
    for (const Registration& r : HandlersOf(kModifierHandler)) {
        if (IsRegistered(r))
            r.handler(r.context, modifierBits);
    }
}

bool DispatchKey(std::uint32_t key)
{
    for (const Registration& r : HandlersOf(kKeyHandler)) {
        if (IsRegistered(r) && r.handler(r.context, key))
            return true;
    }
    return false;
}

} // namespace RVADMQtManager::InputHandlerManager
