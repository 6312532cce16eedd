#include "support/temp_folder.h"

#include <random>

namespace quillory::testkit {

TempFolder::TempFolder() {
    std::random_device random;
    for (;;) {
        path_ =
            std::filesystem::temp_directory_path() / ("quillory-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(path_)) {
            return;
        }
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace quillory::testkit
