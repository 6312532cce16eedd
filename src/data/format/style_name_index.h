#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quillory {

// An instrument's styles keyed by normalised style name (blanks removed, lower case), each
// with its number text, as conversion and import look them up. Two lines with the same
// normalised name fail with error 457 (duplicate key).
class StyleNameIndex {
public:
    explicit StyleNameIndex(std::string_view tableText);

    // The number text of the style whose normalised name is key.
    const std::string* Find(const std::string& key) const;

private:
    std::unordered_map<std::string, std::string> numbers_;
};

}  // namespace quillory
