#pragma once

#include "TestEnvironment.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything in it when the
// guard goes out of scope. Files are read and written in binary so tests see the exact bytes.
class TemporaryFolder
{
public:
    TemporaryFolder()
    {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path()
            / ("hueline-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string Utf8() const { return m_path.u8string(); }

    void Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(m_path / std::filesystem::u8path(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(m_path / std::filesystem::u8path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool Contains(const std::string& name) const
    {
        return std::filesystem::exists(m_path / std::filesystem::u8path(name));
    }
    // Every entry's name, sorted, to check that nothing else appeared.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.push_back(entry.path().filename().u8string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path m_path;
};

// Sets an environment variable for the guard's lifetime and restores the old state.
class EnvironmentGuard
{
public:
    EnvironmentGuard(const char* name, const std::string& value)
        : m_name(name)
    {
        if (const char* old = std::getenv(name)) {
            m_hadValue = true;
            m_oldValue = old;
        }
        Set(value.c_str());
    }
    ~EnvironmentGuard() { Set(m_hadValue ? m_oldValue.c_str() : nullptr); }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    void Set(const char* value) const { SetTestEnvironment(m_name.c_str(), value); }

    std::string m_name;
    bool m_hadValue = false;
    std::string m_oldValue;
};
