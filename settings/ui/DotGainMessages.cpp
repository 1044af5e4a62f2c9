#include "settings/ui/DotGainMessages.h"

#include "settings/PressStore.h"
#include "support/Localization.h"
#include "toolkit/RVADM_Item.h"
#include "toolkit/RVADM_MessageDialog.h"

namespace DotGainMessages {
namespace {

struct Texts
{
    const char* heading;
    const char* text;
    const char* button;
};

// In the order of Message.
constexpr Texts kTexts[] = {
    {"Empty Dot Gain Settings name", "Please enter some name for the new Dot Gain Settings.", "OK"},
    {"Name already exists", "The new Dot Gain Settings could not be created. Probably the name already exists.",
     "Close"},
    {"Could Not Load", "The Dot Gain Settings '%s' could not be retrieved.", "Close"},
    {"Could Not Save", "The modifications could not be saved.", "Close"},
    {"Invalid Dot Gain Settings", "", "Close"},
};

struct FolderTexts
{
    PressProblem problem;
    Texts texts;
};

// Each text takes the folder's path.
constexpr FolderTexts kFolderTexts[] = {
    {PressProblem::FolderMissing,
     {"Settings Folder Not Found",
      "The Dot Gain Settings folder %s cannot be found. Nothing in it was changed, and its settings show again once it is back.",
      "Close"}},
    {PressProblem::FolderReadOnly,
     {"Settings Folder Read-Only",
      "The folder %s is read-only, so nothing was changed. The stored Dot Gain Settings are intact.", "Close"}},
    {PressProblem::FolderFull,
     {"Settings Folder Full",
      "The disk of the folder %s is full, so nothing was changed. The stored Dot Gain Settings are intact.", "Close"}},
};

struct FaultText
{
    FileName::Fault fault;
    const char* text;
};

// Each text takes the name typed.
constexpr const char* kNameRefused = "Name Not Allowed";
constexpr FaultText kFaultTexts[] = {
    {FileName::Fault::LeadingDot,
     "The name '%s' begins with a dot. Such files are hidden on many workstations, so the Dot Gain Settings could never be listed."},
    {FileName::Fault::TrailingBlankOrDot,
     "The name '%s' ends with a blank or a dot, which Windows workstations sharing the settings folder cannot keep in a file name."},
    {FileName::Fault::ForbiddenCharacter,
     "The name '%s' contains a character that workstations sharing the settings folder cannot keep in a file name, such as a slash, a colon, a question mark, an asterisk or a control character."},
    {FileName::Fault::DeviceName,
     "The name '%s' is reserved for a device on Windows workstations sharing the settings folder."},
};
constexpr const char* kNameInUse =
    "The name '%s' differs from the Dot Gain Settings '%s' only in letter case. Workstations sharing the settings folder would take both for one file.";

std::string AboutFolder(const Texts& texts)
{
    return FormatLocalized(texts.text, PressStore::FolderPath().c_str());
}

const Texts& TextsOf(Message message)
{
    return kTexts[static_cast<int>(message)];
}

void Run(const Texts& texts, const char* text, bool localizeText)
{
    const qRVADM::RVADM_MessageDialog dialog(texts.heading, true, text, localizeText, nullptr, texts.button, true);
}

} // namespace

void Show(Message message)
{
    const Texts& texts = TextsOf(message);
    Run(texts, texts.text, true);
}

void Show(Message message, const std::string& text)
{
    Run(TextsOf(message), text.c_str(), false);
}

void ShowCouldNotLoad(const std::string& name)
{
    Show(Message::CouldNotLoad, FormatLocalized(TextsOf(Message::CouldNotLoad).text, name.c_str()));
}

void ShowProblem(PressProblem problem, Message otherwise)
{
    for (const FolderTexts& folder : kFolderTexts) {
        if (folder.problem == problem) {
            Run(folder.texts, AboutFolder(folder.texts).c_str(), false);
            return;
        }
    }
    Show(otherwise);
}

void ShowNameRefused(FileName::Fault fault, const std::string& name)
{
    for (const FaultText& refused : kFaultTexts) {
        if (refused.fault == fault) {
            Run({kNameRefused, refused.text, "Close"}, FormatLocalized(refused.text, name.c_str()), false);
            return;
        }
    }
    Show(Message::EmptyName);
}

void ShowNameInUse(const std::string& name, const std::string& listed)
{
    Show(Message::NameExists, FormatLocalized(kNameInUse, name.c_str(), listed.c_str()));
}

std::string FolderMissingText()
{
    return AboutFolder(kFolderTexts[0].texts);
}

bool ConfirmNameGiven(const char* name, qRVADM::RVADM_Item& field)
{
    if (*name != '\0')
        return true;
    Show(Message::EmptyName);
    field.SetFocus(true);
    return false;
}

} // namespace DotGainMessages
