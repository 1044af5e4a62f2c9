#pragma once

#include "viewer/panel/SaveProofDialog.h"

#include <QString>

#include <optional>
#include <string>

class JobViewSection;

// "Save Proof As...": asks what to save (SaveProofDialog), then for the file (the platform's
// file dialog), asks before replacing a file, writes the proof of the section's job with the
// export's progress and tells what went wrong. Keeps the choices and the folder for the next
// time. Host UI thread.
class ProofSaver
{
public:
    // The section outlives the saver.
    explicit ProofSaver(JobViewSection& section);

    void Run();

private:
    // The file's path, or none when the person cancelled.
    std::optional<QString> ChooseFile();
    void Save(const JobRect& area, const QString& path);

    JobViewSection& m_section;
    SaveProofDialog::Choice m_choice;
    QString m_folder;
};
