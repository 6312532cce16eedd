#include "data/common/text.h"

#include <algorithm>
#include <charconv>

#include "data/common/codepage.h"

namespace quillory {
namespace {

char32_t LowerCodePoint(char32_t cp) {
    if (cp >= 'A' && cp <= 'Z') {
        return cp + 32;
    }
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) {
        return cp + 32;
    }
    switch (cp) {
        case 0x0160: return 0x0161;
        case 0x0152: return 0x0153;
        case 0x017D: return 0x017E;
        case 0x0178: return 0x00FF;
        default: return cp;
    }
}

bool IsSkippedBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

}  // namespace

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string LowerCase(std::string_view text) {
    std::string out;
    LowerCase(text, out);
    return out;
}

void LowerCase(std::string_view text, std::string& out) {
    // ASCII, which most texts are, folds byte for byte in place; the rest letter by letter.
    out.resize(text.size());
    std::size_t pos = 0;
    for (; pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80; ++pos) {
        const char c = text[pos];
        out[pos] = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    }
    out.resize(pos);
    while (pos < text.size()) {
        const char c = text[pos];
        if (static_cast<unsigned char>(c) < 0x80) {
            out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c);
            ++pos;
        } else {
            AppendUtf8(out, LowerCodePoint(NextCodePoint(text, pos)));
        }
    }
}

bool CaseFreeFinder::FoundIn(std::string_view text) const {
    if (folded_.empty()) {
        return true;
    }
    if (text.size() < folded_.size()) {
        return false;
    }
    LowerCase(text, room_);
    return room_.find(folded_) != std::string::npos;
}

namespace {

// The text without every character of set; set holds single-byte (ASCII) characters.
std::string StripChars(std::string_view text, std::string_view set) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (set.find(c) == std::string_view::npos) {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace

std::string NormalisedStyleName(std::string_view name) {
    return LowerCase(StripChars(name, " "));
}

std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> pieces;
    Split(text, separator, pieces);
    return pieces;
}

void Split(std::string_view text, std::string_view separator,
           std::vector<std::string_view>& pieces) {
    pieces.clear();
    if (text.empty()) {
        return;
    }
    std::size_t start = 0;
    while (true) {
        const auto found = text.find(separator, start);
        if (found == std::string_view::npos) {
            pieces.push_back(text.substr(start));
            return;
        }
        pieces.push_back(text.substr(start, found - start));
        start = found + separator.size();
    }
}

double NumericValue(std::string_view text) {
    std::size_t pos = 0;
    auto skipBlanks = [&] {
        while (pos < text.size() && IsSkippedBlank(text[pos])) {
            ++pos;
        }
    };
    skipBlanks();
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    double value = 0;
    double scale = 0;  // 0 before the decimal point, then the weight of the next digit
    for (skipBlanks(); pos < text.size(); ++pos, skipBlanks()) {
        const char c = text[pos];
        if (c >= '0' && c <= '9') {
            if (scale == 0) {
                value = value * 10 + (c - '0');
            } else {
                value += (c - '0') * scale;
                scale /= 10;
            }
        } else if (c == '.' && scale == 0) {
            scale = 0.1;
        } else {
            break;
        }
    }
    return negative ? -value : value;
}

std::string ZeroPad(long long value, int width) {
    // Hand-made rather than printf: the reader pads three numbers of every record.
    char digits[24];
    const unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : value;
    char* const end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    const std::size_t sign = value < 0 ? 1 : 0;
    std::string text(sign + std::max(count, static_cast<std::size_t>(std::max(width, 0))), '0');
    if (sign) {
        text[0] = '-';
    }
    std::copy(digits, end, text.end() - static_cast<std::ptrdiff_t>(count));
    return text;
}

std::string GroupedNumber(std::size_t value) {
    std::string digits = std::to_string(value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    }
    return digits;
}

std::string Counted(std::size_t count, std::string_view noun) {
    std::string text = GroupedNumber(count) + ' ';
    text += noun;
    if (count != 1) {
        text += 's';
    }
    return text;
}

std::string SignedNumberText(long long value) {
    std::string text = std::to_string(value);
    if (value >= 0) {
        text.insert(0, 1, ' ');
    }
    return text;
}

namespace {

// The byte at i with its letter folded: ASCII letters fold directly, and the Latin-1 capitals
// (the two-byte sequences C3 80 to C3 9E, without the multiplication sign) fold to their small
// forms in the second byte. Every folded value still fits in a byte.
int FoldedByte(std::string_view s, std::size_t i) {
    const auto byte = static_cast<unsigned char>(s[i]);
    if (byte >= 'A' && byte <= 'Z') {
        return byte + 32;
    }
    if (byte >= 0x80 && byte <= 0x9E && byte != 0x97 && i > 0 &&
        static_cast<unsigned char>(s[i - 1]) == 0xC3) {
        return byte + 32;
    }
    return byte;
}

}  // namespace

int CompareWithoutCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = FoldedByte(a, i);
        const int cb = FoldedByte(b, i);
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

std::string CaseFoldKey(std::string_view text) {
    std::string key;
    AppendCaseFoldKey(key, text);
    return key;
}

void AppendCaseFoldKey(std::string& key, std::string_view text) {
    const std::size_t at = key.size();
    key.resize(at + text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        key[at + i] = static_cast<char>(FoldedByte(text, i));
    }
}

}  // namespace quillory
