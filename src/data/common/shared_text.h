#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace quillory {

// A text that many records hold, such as a style's name, kept once: copies share it. It reads
// like a const std::string and is assigned like one; assigning gives this holder a text of its
// own and leaves the others as they were.
class SharedText {
public:
    SharedText() = default;
    SharedText(std::string text) : text_(std::make_shared<const std::string>(std::move(text))) {}
    SharedText(const char* text) : SharedText(std::string(text)) {}

    operator const std::string&() const { return str(); }
    const std::string& str() const { return text_ ? *text_ : Empty(); }
    bool empty() const { return str().empty(); }
    std::size_t size() const { return str().size(); }
    void clear() { text_.reset(); }
    void assign(std::string_view text) { *this = SharedText(std::string(text)); }

    friend bool operator==(const SharedText& a, const SharedText& b) { return a.str() == b.str(); }
    friend bool operator==(const SharedText& a, const std::string& b) { return a.str() == b; }
    friend bool operator==(const SharedText& a, const char* b) { return a.str() == b; }

private:
    static const std::string& Empty() {
        static const std::string kEmpty;
        return kEmpty;
    }

    std::shared_ptr<const std::string> text_;
};

}  // namespace quillory
