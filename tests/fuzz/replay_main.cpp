// Runs the fuzz target without libFuzzer, for the ordinary builds: every file
// of the seed corpus, then a fixed-seed stream of texts drawn from the
// grammar's own alphabet, where a wrong verdict is most likely.
//
//   orvanta_fuzz_replay <corpus dir> [generated count]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Run(const std::vector<std::uint8_t>& bytes) {
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

std::vector<std::uint8_t> Generated(std::mt19937_64& random) {
    static const char16_t kUnits[] = {u'0',   u'1',   u'5',   u'9',   u'.',  u'-',
                                      u'+',   u'e',   u',',   u' ',   u'\t', 0x0660,
                                      0xFF15, 0x00B2, 0xD83D, 0xDE00, 0};
    std::uniform_int_distribution<int> length(0, 24);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kUnits) - 1);
    std::uniform_int_distribution<int> digitBias(0, 2);
    std::vector<std::uint8_t> bytes;
    const int n = length(random);
    for (int i = 0; i < n; ++i) {
        // Mostly digits, so that long accepted numbers are common too.
        const char16_t c =
            digitBias(random) == 0 ? kUnits[pick(random)] : static_cast<char16_t>(u'0' + i % 10);
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    // Sometimes a bare double's bytes as well.
    if (random() % 4 == 0) {
        const std::uint64_t bits = random();
        for (int b = 0; b < 8; ++b) bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * b)));
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <corpus dir> [generated count]\n", argv[0]);
        return 2;
    }
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        Run(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}));
        ++files;
    }
    if (files == 0) {
        std::fprintf(stderr, "no corpus files in %s\n", argv[1]);
        return 1;
    }
    const long count = argc > 2 ? std::atol(argv[2]) : 200000;
    std::mt19937_64 random(20261210);
    for (long i = 0; i < count; ++i) Run(Generated(random));
    std::printf("%zu corpus files and %ld generated texts hold every property\n", files, count);
    return 0;
}
