#pragma once

// The bridge from the Qt-free plug-in framework to the dialog toolkit for critical messages.
// The framework cannot show a dialog itself; the toolkit-aware plug-in installs a function that
// does (qRVADM::RVADM_CriticalMessageDialog::ShowOkMessage) and clears it again at shut-down.
// Host UI thread only.
class TKW_CriticalMessageHook
{
public:
    // Shows `text` under the heading `title`, both already translated, with a single "OK"
    // button, and returns once the user has closed it.
    using Proc = void (*)(const char* title, const char* text);

    // Process-wide; null uninstalls.
    static void Install(Proc proc);
    static Proc Installed();
    // Runs the installed function; false (and nothing shown) when none is installed.
    static bool Show(const char* title, const char* text);
};
