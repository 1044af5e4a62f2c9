#pragma once

// The shared documents folder of a dot gain dialog test: a temporary folder that the settings
// store takes as its shared documents folder, with the settings folder made inside it.

#include "settings/PressSettings.h"
#include "settings/PressStore.h"
#include "support/platform/SharedFolders.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class DotGainTestFolder
{
public:
    DotGainTestFolder() { EXPECT_TRUE(PressStore::InitFolder()); }

    std::filesystem::path Settings() const { return m_shared.Path() / "Hueline" / "dot_gain_curves"; }
    std::filesystem::path File(const std::string& name) const
    {
        return Settings() / std::filesystem::u8path(name + ".press");
    }

    // Stores a setting with `curve` and a TAC limit that the dialogs never touch.
    void Store(const std::string& name, const PressDotGain& curve = {2, 30, 55, 80, 100}, double tacLimit = 300) const
    {
        PressSettings record(name);
        record.TACLimit = tacLimit;
        record.SetDotGain(curve.Minimum, curve.At25, curve.At50, curve.At75, curve.Maximum);
        PressStore::Save(record, name, false);
    }

    std::string Text(const std::string& name) const { return m_shared.Read(Relative(name)); }
    void Write(const std::string& name, const std::string& text) const { m_shared.Write(Relative(name), text); }

    // Every entry of the settings folder, sorted.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Settings()))
            names.push_back(entry.path().filename().u8string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    static std::string Relative(const std::string& name) { return "Hueline/dot_gain_curves/" + name + ".press"; }

    TemporaryFolder m_shared;
    EnvironmentGuard m_environment{platform::kSharedDocumentsVariable, m_shared.Utf8()};
};
