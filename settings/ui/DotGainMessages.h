#pragma once

#include "settings/PressError.h"
#include "support/FileName.h"

#include <string>

namespace qRVADM {
class RVADM_Item;
} // namespace qRVADM

// The one-button messages of the dot gain dialogs. Each runs modally and returns once closed;
// when the host allows no dialogs it shows nothing.
namespace DotGainMessages {

enum class Message
{
    EmptyName,
    NameExists,
    CouldNotLoad,
    CouldNotSave,
    InvalidSettings,
};

// The message's own translated heading and text.
void Show(Message message);
// The message's translated heading over `text`, shown as given.
void Show(Message message, const std::string& text);
// The "could not be retrieved" message for the setting `name`.
void ShowCouldNotLoad(const std::string& name);
// The folder's own message, naming it, when it vanished, turned read-only or is full;
// `otherwise` for every other problem.
void ShowProblem(PressProblem problem, Message otherwise);
// That `name` cannot name a setting because its file name breaks the rule `fault` names.
void ShowNameRefused(FileName::Fault fault, const std::string& name);
// That `name` differs from the listed setting `listed` only in letter case.
void ShowNameInUse(const std::string& name, const std::string& listed);
// The translated text that the settings folder cannot be found, naming it.
std::string FolderMissingText();
// False after telling the user that `name` is empty and putting the focus back into `field`.
bool ConfirmNameGiven(const char* name, qRVADM::RVADM_Item& field);

} // namespace DotGainMessages
