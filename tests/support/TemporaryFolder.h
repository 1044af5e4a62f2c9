#pragma once

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything in it when the
// guard goes out of scope. Names are UTF-8; files are read and written in binary so tests see
// the exact bytes.
class TemporaryFolder
{
public:
    TemporaryFolder()
    {
        static std::atomic<unsigned> s_counter{0};
        const std::string stamp = std::to_string(std::random_device{}());
        do {
            m_path = std::filesystem::temp_directory_path() / ("hueline-test-" + stamp + "-" + std::to_string(s_counter++));
        } while (!std::filesystem::create_directory(m_path));
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
    // The UTF-8 path of `name` inside the folder.
    std::string File(const std::string& name) const { return At(name).u8string(); }
    // Writes `bytes` to `name` (folders created as needed); returns the file's UTF-8 path.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        std::filesystem::create_directories(At(name).parent_path());
        std::ofstream(At(name), std::ios::binary) << bytes;
        return File(name);
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(At(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool Contains(const std::string& name) const { return std::filesystem::exists(At(name)); }
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
    std::filesystem::path At(const std::string& name) const { return m_path / std::filesystem::u8path(name); }

    std::filesystem::path m_path;
};
