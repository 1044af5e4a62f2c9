#include "viewer/panel/ProofSaver.h"

#include "plugin/EngineSuites.h"
#include "support/Folder.h"
#include "support/Localization.h"
#include "viewer/export/KilnTileSource.h"
#include "viewer/export/ProofExporter.h"
#include "viewer/panel/JobViewSection.h"
#include "viewer/panel/ProofMessages.h"
#include "viewer/panel/ProofProgress.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <memory>

namespace {

constexpr const char* kTitle = "Save Proof As...";

struct FormatFile
{
    const char* name;  // a resource key
    const char* suffix;
    const char* patterns;
};
// In the order of ProofFormat.
constexpr FormatFile kFormatFiles[] = {
    {"PNG Image", "png", "(*.png)"},
    {"TIFF Image", "tif", "(*.tif *.tiff)"},
};

QString Localized(const char* key)
{
    return QString::fromUtf8(LocalizeKey(key));
}

}  // namespace

ProofSaver::ProofSaver(JobViewSection& section) : m_section(section), m_folder(QDir::homePath()) {}

void ProofSaver::Run()
{
    SaveProofDialog dialog(m_choice);
    if (dialog.Modal(kTitle, true) != 1)
        return;
    m_choice = dialog.GetChoice();
    const std::optional<QString> path = ChooseFile();
    if (!path)
        return;
    m_folder = QFileInfo(*path).absolutePath();
    if (const std::optional<JobRect> area = m_section.AreaOf(m_choice.area))
        Save(*area, *path);
    else
        ProofMessages::ShowOutcome({ProofExporter::Outcome::RenderFailed}, path->toStdString());
}

// Not the native dialog except on Windows, so that the host's scripts can answer it; the
// replacing is confirmed by the toolkit's message once the file is chosen.
std::optional<QString> ProofSaver::ChooseFile()
{
    const FormatFile& format = kFormatFiles[static_cast<int>(m_choice.format)];
    QFileDialog files(nullptr, Localized(kTitle), m_folder, Localized(format.name) + " " + format.patterns);
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.setDefaultSuffix(format.suffix);
    QFileDialog::Options options = QFileDialog::DontConfirmOverwrite;
#ifndef _WIN32
    options |= QFileDialog::DontUseNativeDialog;
#endif
    files.setOptions(options);
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
        return std::nullopt;
    return files.selectedFiles().front();
}

void ProofSaver::Save(const JobRect& area, const QString& path)
{
    const QFileInfo file(path);
    const std::string shown = QDir::toNativeSeparators(path).toStdString();
    const bool replace = file.exists();
    if (replace && !ProofMessages::ConfirmReplace(shown))
        return;
    Folder folder;
    const HLKilnSuite* kiln = EngineSuitePointers().kiln;
    ProofExporter::Result result{ProofExporter::Outcome::RenderFailed};
    if (!Folder::Resolve(file.absolutePath().toStdString(), folder)) {
        result = {ProofExporter::Outcome::FileFailed, FileFailure::Missing};
    } else if (kiln != nullptr) {
        KilnTileSource source(*kiln);
        ProofExporter exporter(source);
        std::unique_ptr<ProofProgress> progress;
        result = exporter.Export(ProofRequest{area, m_choice.ppi, m_choice.format}, folder,
                                 file.fileName().toStdString(), replace, [&progress](int done, int total) {
                                     if (progress == nullptr)
                                         progress = std::make_unique<ProofProgress>(total);
                                     return progress->Update(done);
                                 });
    }
    ProofMessages::ShowOutcome(result, shown);
}
