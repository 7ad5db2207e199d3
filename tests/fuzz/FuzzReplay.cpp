// A main for the fuzz targets where libFuzzer is not built in (gcc builds): runs every file of
// the given folders, and the given files, through the target once. The seed corpus and every
// input a fuzzing run once failed on are replayed this way as tests.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace
{

void runFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    int inputs = 0;
    for (int i = 1; i < argc; ++i)
    {
        const std::filesystem::path argument(argv[i]);
        if (!std::filesystem::is_directory(argument))
        {
            runFile(argument);
            ++inputs;
            continue;
        }
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argument))
        {
            if (entry.is_regular_file())
            {
                runFile(entry.path());
                ++inputs;
            }
        }
    }
    if (inputs == 0)
    {
        std::cerr << "fuzz replay: no inputs in the arguments\n";
        return 1;
    }
    std::cout << "fuzz replay: " << inputs << " inputs passed\n";
    return 0;
}
