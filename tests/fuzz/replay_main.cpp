// Runs a fuzz harness over kept inputs without libFuzzer, as a normal test:
//   fuzz_NAME_replay DIR_OR_FILE...
// A harness that finds a broken property aborts, which fails the test.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path p(argv[i]);
        if (std::filesystem::is_directory(p)) {
            for (const auto& e : std::filesystem::recursive_directory_iterator(p))
                if (e.is_regular_file()) files.push_back(e.path());
        } else {
            files.push_back(p);
        }
    }
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        std::fprintf(stderr, "no inputs given\n");
        return 1;
    }
    for (const auto& f : files) {
        std::ifstream in(f, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // An empty input still gets a valid pointer.
        static const std::uint8_t kNone = 0;
        LLVMFuzzerTestOneInput(bytes.empty() ? &kNone : reinterpret_cast<const std::uint8_t*>(bytes.data()),
                               bytes.size());
    }
    std::printf("%zu inputs passed\n", files.size());
    return 0;
}
