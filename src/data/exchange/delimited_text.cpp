#include "data/exchange/delimited_text.h"

#include "data/common/codepage.h"

namespace quillory {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

// Valid UTF-8 with at least one character of two bytes or more: a Windows-1252 text almost never
// is, since every byte from 0x80 up would have to come in the patterns UTF-8 gives its sequences.
// A text of ASCII alone reads the same either way, and goes the shorter way of the code page.
bool IsMultiByteUtf8(std::string_view bytes) {
    bool multiByte = false;
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        NextCodePoint(bytes, pos);
        if (pos - start == 1) {
            return false;  // a malformed sequence moves one byte only
        }
        multiByte = true;
    }
    return multiByte;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    const auto unitAt = [&](std::size_t pos) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[pos]);
        const auto second = static_cast<unsigned char>(bytes[pos + 1]);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    std::string utf8;
    utf8.reserve(bytes.size());
    std::size_t pos = 0;
    for (; pos + 1 < bytes.size(); pos += 2) {
        char32_t unit = unitAt(pos);
        if (unit >= 0xD800 && unit <= 0xDBFF && pos + 3 < bytes.size()) {
            const char32_t low = unitAt(pos + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                pos += 2;
            }
        }
        AppendUtf8(utf8, unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit);
    }
    if (pos < bytes.size()) {
        AppendUtf8(utf8, 0xFFFD);  // half a character at the end
    }
    return utf8;
}

// The characters the code page has, as they are; every other one "?".
std::string InCodePage(std::string_view utf8) {
    return DecodeWindows1252(EncodeWindows1252(utf8));
}

// Where the fields of a text end. Lines and fields are both cut with it, so that the two always
// agree about which quotes open a quoted field.
class FieldScanner {
public:
    // Without a line end, every CR and LF ends a line.
    FieldScanner(std::string_view text, std::string_view lineEnd)
        : text_(text), lineEnd_(lineEnd) {}

    struct Field {
        std::size_t end;  // the offset of the tab or line end after it, or the text's size
        bool quoted;
    };

    Field At(std::size_t pos) const {
        if (pos < text_.size() && text_[pos] == '"') {
            if (const std::size_t past = PastClosingQuote(pos); past != std::string_view::npos) {
                return {past, true};
            }
        }
        while (pos < text_.size() && text_[pos] != '\t' && !LineEndAt(pos)) {
            ++pos;
        }
        return {pos, false};
    }

    bool LineEndAt(std::size_t pos) const {
        const char c = text_[pos];
        return (c == '\r' || c == '\n') &&
               (lineEnd_.empty() || text_.substr(pos).starts_with(lineEnd_));
    }

private:
    bool FieldEndAt(std::size_t pos) const {
        return pos == text_.size() || text_[pos] == '\t' || LineEndAt(pos);
    }

    // Just past the closing quote of the quoted field that opens at open; npos when it has none.
    std::size_t PastClosingQuote(std::size_t open) const {
        for (std::size_t q = text_.find('"', open + 1); q != std::string_view::npos;
             q = text_.find('"', q + 2)) {
            if (q + 1 < text_.size() && text_[q + 1] == '"') {
                continue;
            }
            return FieldEndAt(q + 1) ? q + 1 : std::string_view::npos;
        }
        return std::string_view::npos;
    }

    std::string_view text_;
    std::string_view lineEnd_;
};

std::string_view LineEndOf(std::string_view text) {
    const FieldScanner scanner(text, {});
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        pos = scanner.At(pos).end;
        if (pos < text.size() && text[pos] != '\t') {
            if (text.substr(pos).starts_with("\r\n")) {
                return "\r\n";
            }
            return text[pos] == '\r' ? "\r" : "\n";
        }
    }
    return "\r\n";
}

}  // namespace

std::string DecodeDelimitedText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) {
        return InCodePage(bytes.substr(kUtf8Mark.size()));
    }
    if (bytes.starts_with(kUtf16LittleEndianMark) || bytes.starts_with(kUtf16BigEndianMark)) {
        return InCodePage(Utf16ToUtf8(bytes.substr(2), bytes.starts_with(kUtf16BigEndianMark)));
    }
    if (IsMultiByteUtf8(bytes)) {
        return InCodePage(bytes);
    }
    return DecodeWindows1252(bytes);
}

DelimitedText::DelimitedText(std::string_view text) : text_(text), lineEnd_(LineEndOf(text)) {}

std::vector<std::string_view> DelimitedText::Lines() const {
    std::vector<std::string_view> lines;
    if (text_.empty()) {
        return lines;
    }
    const FieldScanner scanner(text_, lineEnd_);
    std::size_t start = 0;
    std::size_t pos = 0;
    while (true) {
        pos = scanner.At(pos).end;
        if (pos == text_.size()) {
            lines.push_back(text_.substr(start));
            return lines;
        }
        if (text_[pos] == '\t') {
            ++pos;
            continue;
        }
        lines.push_back(text_.substr(start, pos - start));
        start = pos = pos + lineEnd_.size();
    }
}

void DelimitedText::Fields(std::string_view line, std::vector<std::string_view>& fields,
                           std::string& room) const {
    fields.clear();
    room.clear();
    // Unquoted fields are never longer than the line: with this room reserved, the fields
    // already in it stay where they are.
    room.reserve(line.size());
    if (line.empty()) {
        return;
    }
    const FieldScanner scanner(line, lineEnd_);
    for (std::size_t pos = 0;; ++pos) {
        const FieldScanner::Field field = scanner.At(pos);
        if (field.quoted) {
            const std::size_t start = room.size();
            for (std::size_t i = pos + 1; i + 1 < field.end; ++i) {
                room.push_back(line[i]);
                if (line[i] == '"') {
                    ++i;  // the second quote of a pair
                }
            }
            fields.push_back(std::string_view(room).substr(start));
        } else {
            fields.push_back(line.substr(pos, field.end - pos));
        }
        pos = field.end;
        if (pos == line.size()) {
            return;
        }
    }
}

}  // namespace quillory
