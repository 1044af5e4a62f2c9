#include "support/platform/Keyboard.h"

#include <windows.h>

bool IsControlKeyDown()
{
    return (GetKeyState(VK_CONTROL) & 0x8000) != 0;
}
