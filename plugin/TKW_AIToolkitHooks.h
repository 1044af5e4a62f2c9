#pragma once

// The manager library's dialog count, which the framework must not link (it is free of Qt): the
// owned panels are deleted at application shut-down inside one counted dialog. The toolkit-aware
// plug-in installs the functions with TKW_AIPlugin::SetToolkitHooks; a null hook is skipped.
struct TKW_AIToolkitHooks
{
    void (*increaseDialogCount)() = nullptr;
    void (*decreaseDialogCount)() = nullptr;
};
