// Runs a fuzz target once over every file of the folders (or the files) named on the command
// line: how the seed corpus is checked where libFuzzer is not at hand.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <vector>

#include "support/mfd_builder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path given = argv[i];
        if (fs::is_directory(given)) {
            for (const auto& entry : fs::directory_iterator(given)) {
                if (entry.is_regular_file()) {
                    inputs.push_back(entry.path());
                }
            }
        } else if (fs::is_regular_file(given)) {
            inputs.push_back(given);
        } else {
            std::cerr << given.string() << ": no such file or folder\n";
            return 2;
        }
    }
    if (inputs.empty()) {
        std::cerr << "usage: " << argv[0] << " FOLDER_OR_FILE...  (at least one input)\n";
        return 2;
    }
    std::sort(inputs.begin(), inputs.end());
    for (const auto& input : inputs) {
        const quillory::Bytes bytes = quillory::testkit::ReadFile(input.string());
        std::cout << "replaying " << input.filename().string() << " (" << bytes.size()
                  << " bytes)\n";
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::cout << "replayed " << inputs.size() << " inputs\n";
    return 0;
}
