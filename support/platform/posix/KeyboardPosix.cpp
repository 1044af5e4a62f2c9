#include "support/platform/Keyboard.h"

#include <dlfcn.h>

namespace {

// There is no global key state here: the host process answers for it when it exports
// `extern "C" short HostSimGetKeyState(int virtualKey)` (high bit set = held).
using GetKeyStateProc = short (*)(int virtualKey);

constexpr int kControlVirtualKey = 17;

}  // namespace

bool IsControlKeyDown()
{
    const auto getKeyState = reinterpret_cast<GetKeyStateProc>(dlsym(RTLD_DEFAULT, "HostSimGetKeyState"));
    if (getKeyState == nullptr)
        return false;
    return (static_cast<unsigned short>(getKeyState(kControlVirtualKey)) & 0x8000u) != 0;
}
