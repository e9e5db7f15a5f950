// Runs a fuzz harness without libFuzzer: every file of the folders (or files) given is fed to
// LLVMFuzzerTestOneInput once. The normal test run replays the seed corpus and every input that once
// broke a harness this way, so a fault once found stays fixed.

#include "fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define QUORLAN_REPLAY_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORLAN_REPLAY_UNDER_ASAN 1
#endif
#endif

namespace {

// Address space a harness may use: far more than any input needs, far less than a runaway
// allocation takes. AddressSanitizer reserves terabytes of address space, so there it is left out.
constexpr rlim_t kAddressSpaceBytes = rlim_t {256} << 20;

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& where)
{
    std::vector<std::filesystem::path> inputs;
    if (std::filesystem::is_regular_file(where))
        inputs.push_back(where);
    else if (std::filesystem::is_directory(where))
        for (const auto& entry : std::filesystem::recursive_directory_iterator(where))
            if (entry.is_regular_file() && entry.path().filename() != "README.md")
                inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

} // namespace

int main(int argc, char** argv)
{
#ifndef QUORLAN_REPLAY_UNDER_ASAN
    const rlimit limit {kAddressSpaceBytes, kAddressSpaceBytes};
    if (::setrlimit(RLIMIT_AS, &limit) != 0)
        std::perror("setrlimit");
#endif
    std::size_t replayed = 0;
    for (int index = 1; index < argc; ++index) {
        for (const auto& input : InputsOf(argv[index])) {
            std::ifstream in(input, std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            // Named before it runs: a crash then says which input it was.
            std::fprintf(stderr, "%s\n", input.c_str());
            std::fflush(stderr);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::printf("%zu inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
