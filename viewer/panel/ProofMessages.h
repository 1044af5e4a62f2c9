#pragma once

#include "viewer/export/ProofExporter.h"

#include <string>

// What the panel tells a person about saving a proof. Each dialog runs modally and returns once
// closed; when the host allows no dialogs it shows nothing.
namespace ProofMessages {

// True when the person agrees to replace the existing file `path`.
bool ConfirmReplace(const std::string& path);
// The message for the outcome of writing `path`; nothing for Written and Cancelled.
void ShowOutcome(const ProofExporter::Result& result, const std::string& path);
// The translated message text for the outcome, `path` filled in; empty for Written and Cancelled.
std::string OutcomeText(const ProofExporter::Result& result, const std::string& path);

}  // namespace ProofMessages
