#include "data/format/style_name_index.h"

#include "data/common/failure.h"
#include "data/common/text.h"
#include "data/format/style_table.h"

namespace quillory {

StyleNameIndex::StyleNameIndex(std::string_view tableText) {
    for (auto& line : ParseStyleTable(tableText)) {
        if (!numbers_.try_emplace(NormalisedStyleName(line.name), std::move(line.numberText))
                 .second) {
            throw Failure(kDuplicateKey);
        }
    }
}

const std::string* StyleNameIndex::Find(const std::string& key) const {
    const auto found = numbers_.find(key);
    return found == numbers_.end() ? nullptr : &found->second;
}

}  // namespace quillory
