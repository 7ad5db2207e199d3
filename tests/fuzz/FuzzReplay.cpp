// A main for the fuzz targets where libFuzzer is not built in (gcc builds): runs every file of
// the folder given once through the target. The seed corpus and every input a fuzzing run once
// failed on are replayed this way as tests.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    int inputs = 0;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(argc == 2 ? argv[1] : ""))
    {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++inputs;
    }
    std::cout << "fuzz replay: " << inputs << " inputs passed\n";
    return inputs > 0 ? 0 : 1;
}
