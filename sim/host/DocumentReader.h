#pragma once

#include "sim/host/DocumentContent.h"

#include <optional>
#include <string>

namespace hostsim {

// Reads a document file (docs/documents.md). Returns nothing when the file cannot be read or is
// not a sound document; `error` then names the file and the problem, for example
// `label.json: artwork 3: unknown ink "PANTONE 999"`.
std::optional<DocumentContent> ReadDocument(const std::string& path, std::string& error);

// The same for document text already in memory; `fileName` only names it in the error.
std::optional<DocumentContent> ParseDocument(const std::string& text, const std::string& fileName,
                                             std::string& error);

}  // namespace hostsim
