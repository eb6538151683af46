// Replays the fuzzing corpus of the number text rules through their checks, then a seeded
// run of generated texts and doubles, under the locale the environment names (chosen for
// the whole process, as Qt does at start): the rules must not follow it.
#include "tests/reliability/number_text_check.h"

#include <clocale>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

void replay(const std::vector<char>& bytes)
{
    zarn::reliability::check_number_text(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                         bytes.size());
}

// Texts near the grammar: mostly the characters a number is made of, a few others.
std::vector<char> generated_text(std::mt19937_64& random)
{
    static const char alphabet[] = "0123456789000111999..eE+-  \t\tnNaAiIfFx,_";
    std::vector<char> text(random() % 40);
    for (char& c : text)
        c = alphabet[random() % (sizeof alphabet - 1)];
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (!std::setlocale(LC_ALL, "")) {
        std::fprintf(stderr, "the locale the environment names is not installed\n");
        return 1;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: number_text_replay CORPUS_DIR GENERATED_COUNT\n");
        return 2;
    }
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        std::ifstream in(entry.path(), std::ios::binary);
        replay(std::vector<char>(std::istreambuf_iterator<char>(in), {}));
        ++files;
    }
    if (files == 0) {
        std::fprintf(stderr, "no corpus in %s\n", argv[1]);
        return 1;
    }
    std::mt19937_64 random(20240611);
    const long count = std::atol(argv[2]);
    for (long i = 0; i < count; ++i) {
        if (i % 2 == 0) {
            replay(generated_text(random));
        } else {
            const std::uint64_t pattern = random();
            std::vector<char> bytes(sizeof pattern);
            std::memcpy(bytes.data(), &pattern, sizeof pattern);
            replay(bytes);
        }
    }
    std::printf("%d corpus inputs and %ld generated inputs checked\n", files, count);
    return 0;
}
