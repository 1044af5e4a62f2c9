#pragma once

#include "plugin/suites/SPTypes.h"
#include "sim/kiln/Job.h"

#include <memory>
#include <string>
#include <vector>

struct HostSimDocumentAccessSuite;

namespace kiln {

// Snapshots host documents into jobs through the simulated host's document access suite.
// Host UI thread; text is laid out with Qt's fonts, so a QGuiApplication must exist for it.
class JobBuilder
{
public:
    explicit JobBuilder(const HostSimDocumentAccessSuite& access);

    // The job of an open document; null with `error` saying why, in words for the user, when
    // the document cannot be printed (RGB, no artwork, unreadable).
    std::unique_ptr<Job> Build(AIDocumentHandle document, std::string& error) const;
    // The document's inks in plate order: the process inks, then the spot inks. Empty for a
    // handle that is not an open document.
    std::vector<std::string> InkNames(AIDocumentHandle document) const;

private:
    const HostSimDocumentAccessSuite& m_access;
};

}  // namespace kiln
