#pragma once

// What the framework needs from the dialog toolkit, which it must not link (the framework is
// free of Qt). The toolkit-aware plug-in installs them with TKW_AIPlugin::SetToolkitHooks; a
// null hook is skipped.
struct TKW_AIToolkitHooks
{
    // The manager library's dialog count, raised while the owned panels are deleted at
    // application shut-down.
    void (*increaseDialogCount)() = nullptr;
    void (*decreaseDialogCount)() = nullptr;
    // Shows a critical message with a single "OK" button and returns once the user closed it.
    // The texts are translated UTF-8.
    void (*showCriticalMessage)(const char* title, const char* text) = nullptr;
};
