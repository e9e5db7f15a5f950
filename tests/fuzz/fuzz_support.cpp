#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

namespace fuzz {

void Fail(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", condition, file, line);
    std::abort();
}

TableFileTexts CutIntoFiles(std::string_view input)
{
    TableFileTexts files;
    for (std::size_t index = 0; index < files.size(); ++index) {
        const bool last = index + 1 == files.size();
        const auto separator = last ? std::string_view::npos : input.find(kFileSeparator);
        files[index] = input.substr(0, separator);
        if (separator == std::string_view::npos)
            break;
        input.remove_prefix(separator + 1);
    }
    return files;
}

namespace {

class OwnFolder
{
public:
    OwnFolder()
    {
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
            ? std::filesystem::path("/dev/shm")
            : std::filesystem::temp_directory_path();
        std::string name = (base / "quorlan-fuzz-XXXXXX").string();
        if (!::mkdtemp(name.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        m_path = name;
    }
    ~OwnFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    OwnFolder(const OwnFolder&) = delete;
    OwnFolder& operator=(const OwnFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace

const std::filesystem::path& ScratchFolder()
{
    static const OwnFolder folder;
    return folder.Path();
}

void WriteTableFiles(const TableFileTexts& files)
{
    for (std::size_t index = 0; index < files.size(); ++index) {
        const auto path = ScratchFolder() / TableFileName(kAllTables[index]);
        if (!files[index]) {
            std::error_code ignored;
            std::filesystem::remove(path, ignored);
            continue;
        }
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(files[index]->data(), static_cast<std::streamsize>(files[index]->size()));
        FUZZ_CHECK(out.good());
    }
}

std::uint8_t ParameterReader::Byte()
{
    if (m_input.empty())
        return 0;
    const auto byte = static_cast<std::uint8_t>(m_input.front());
    m_input.remove_prefix(1);
    return byte;
}

std::uint32_t ParameterReader::Word()
{
    std::uint32_t word = 0;
    for (int shift = 0; shift < 32; shift += 8)
        word |= static_cast<std::uint32_t>(Byte()) << shift;
    return word;
}

std::uint64_t HashOf(std::string_view input)
{
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : input) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace fuzz
