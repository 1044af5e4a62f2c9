#include "viewer/panel/ProofMessages.h"

#include "support/Localization.h"
#include "toolkit/RVADM_CriticalMessageDialog.h"

namespace ProofMessages {
namespace {

using Outcome = ProofExporter::Outcome;

constexpr const char* kNotSaved = "Proof Not Saved";

struct FileText
{
    FileFailure failure;
    const char* text;  // takes the file's path
};
constexpr FileText kFileTexts[] = {
    {FileFailure::Missing, "The folder of %s cannot be found. No file was written."},
    {FileFailure::ReadOnly, "The folder of %s is read-only. No file was written."},
    {FileFailure::Full, "The disk is full, so %s could not be written. No file was left behind."},
    {FileFailure::Other, "The file %s could not be written. No file was left behind."},
};

struct OutcomeEntry
{
    Outcome outcome;
    const char* text;  // may take the file's path
};
constexpr OutcomeEntry kOutcomeTexts[] = {
    {Outcome::InvalidRequest, "The area is empty, or too large at this resolution. No file was written."},
    {Outcome::TargetExists, "The file %s appeared while the proof was being written and was left as it was."},
    {Outcome::RenderFailed, "The engine could not render the proof. No file was written."},
    {Outcome::OutOfMemory, "There is not enough memory to save the proof at this resolution. No file was written."},
};

const char* TextOf(const ProofExporter::Result& result)
{
    if (result.outcome == Outcome::FileFailed) {
        for (const FileText& file : kFileTexts)
            if (file.failure == result.file)
                return file.text;
    }
    for (const OutcomeEntry& outcome : kOutcomeTexts)
        if (outcome.outcome == result.outcome)
            return outcome.text;
    return nullptr;
}

}  // namespace

bool ConfirmReplace(const std::string& path)
{
    const std::string text = FormatLocalized("The file %s already exists. Do you want to replace it?", path.c_str());
    const qRVADM::RVADM_CriticalMessageDialog dialog("Replace File", true, text.c_str(), false, "Replace", "Cancel",
                                                     true);
    return dialog.GetClickedIndex() == 0;
}

std::string OutcomeText(const ProofExporter::Result& result, const std::string& path)
{
    const char* text = TextOf(result);
    return text != nullptr ? FormatLocalized(text, path.c_str()) : std::string();
}

void ShowOutcome(const ProofExporter::Result& result, const std::string& path)
{
    const std::string text = OutcomeText(result, path);
    if (text.empty())
        return;
    const qRVADM::RVADM_CriticalMessageDialog dialog(kNotSaved, true, text.c_str(), false, "OK", nullptr, false);
}

}  // namespace ProofMessages
