#include "data/format/record_decoder.h"

#include <charconv>
#include <cstring>
#include <string_view>

#include "data/common/codepage.h"
#include "data/common/failure.h"
#include "data/common/numbers.h"
#include "data/common/text.h"
#include "data/format/record_layout.h"

namespace quillory {
namespace {

// A style number is a big-endian field the reader reads only below 32768.
constexpr std::size_t kStyleNumberCount = 32768;

// The style column's text for a style number, and whether the record counts as carrying a
// user style (one the source table cannot name).
struct StyleCell {
    std::string text;
    bool userStyle = false;
};

std::string HalfNumberText(int styleNumber) {
    return ZeroPad(static_cast<long long>(RoundHalfAwayFromZero(styleNumber / 2.0)), 3);
}

// Works out the style text by the source instrument's rules: numbers at or above its threshold
// are shown as the number or as half of it, the others are looked up under the number
// zero-padded to the instrument's digit count.
StyleCell StyleCellFor(int styleNumber, const Instrument* source, const SourceStyles& styles,
                       bool styleNumbersChecked) {
    const std::string key = ZeroPad(styleNumber, source ? source->styleDigits : 3);
    auto numberOrHalf = [&]() -> StyleCell {
        if (styleNumber == 0) {
            return {key, true};
        }
        return {HalfNumberText(styleNumber), false};
    };
    auto lookUp = [&]() -> StyleCell {
        if (const std::string* name = styles.Find(key)) {
            return {*name, false};
        }
        return {key, true};
    };
    if (styleNumbersChecked || !source) {
        return numberOrHalf();
    }
    switch (source->sourceRule) {
        case SourceRule::kNumberFrom600: return styleNumber < 600 ? lookUp() : StyleCell{key, true};
        case SourceRule::kHalfFrom623:
            return styleNumber < 623 ? lookUp() : StyleCell{HalfNumberText(styleNumber), false};
        case SourceRule::kHalfFrom689:
            return styleNumber < 689 ? lookUp() : StyleCell{HalfNumberText(styleNumber), false};
        case SourceRule::kLookUpAll: break;
    }
    return lookUp();
}

std::string_view Field(const std::uint8_t* record, std::size_t offset, std::size_t width) {
    return {reinterpret_cast<const char*>(record + offset), width};
}

// Characters up to the first zero byte.
std::string TextUpToZero(std::string_view field) {
    return DecodeWindows1252(field.substr(0, field.find('\0')));
}

// Every non-zero byte of the field, in order.
std::string TextWithoutZeros(std::string_view field) {
    std::string raw;
    for (char c : field) {
        if (c != '\0') {
            raw.push_back(c);
        }
    }
    return DecodeWindows1252(raw);
}

// The time signature as the list shows it, each number after a blank: " 4/ 4".
std::string TimeSigText(unsigned numerator, unsigned denominator) {
    char text[12] = {' '};
    char* end = std::to_chars(text + 1, std::end(text), numerator).ptr;
    *end++ = '/';
    *end++ = ' ';
    end = std::to_chars(end, std::end(text), denominator).ptr;
    return {text, end};
}

}  // namespace

std::size_t RecordDecoder::GenreBytesHash::operator()(const GenreBytes& bytes) const {
    return static_cast<std::size_t>(bytes.low ^ (bytes.high * 0x9E3779B97F4A7C15ULL));
}

RecordDecoder::RecordDecoder(const Instrument* source, const SourceStyles& styles,
                             bool styleNumbersChecked, StyleChoiceAdder& userStyles)
    : source_(source),
      styles_(styles),
      styleNumbersChecked_(styleNumbersChecked),
      userStyles_(userStyles),
      styleSlots_(kStyleNumberCount) {}

const SharedText& RecordDecoder::StyleText(int styleNumber) {
    std::uint16_t& slot = styleSlots_[static_cast<std::size_t>(styleNumber)];
    if (slot == 0) {
        StyleCell style = StyleCellFor(styleNumber, source_, styles_, styleNumbersChecked_);
        if (style.userStyle) {
            userStyles_.Offer(style.text, style.text,
                              static_cast<std::int32_t>(NumericValue(style.text)));
        }
        styleTexts_.emplace_back(std::move(style.text));
        slot = static_cast<std::uint16_t>(styleTexts_.size());
    }
    return styleTexts_[slot - 1];
}

const std::string* RecordDecoder::AppendRow(const Bytes& image, int n, std::vector<Record>& rows) {
    const std::size_t offset = RecordOffset(n);
    if (offset + kRecordSize > image.size()) {
        throw Failure(kInputPastEndOfFile);
    }
    // The fields that can fail first, so that a record that cannot be read leaves no row.
    const SharedText& style = StyleText(ReadBigEndian16(image, offset + field::kStyle));
    const int number = ReadBigEndian16(image, offset + field::kNumber) + 1;
    const int tempo = ReadBigEndian16(image, offset + field::kTempo);

    const std::uint8_t* record = image.data() + offset;
    static_assert(sizeof(GenreBytes) == field::kGenreSize);
    GenreBytes genreBytes;
    std::memcpy(&genreBytes, record + field::kGenre, sizeof genreBytes);
    auto [genre, firstGenre] = genres_.try_emplace(genreBytes);
    if (firstGenre) {
        genre->second.text = TextWithoutZeros(Field(record, field::kGenre, field::kGenreSize));
        genre->second.deleted = genre->second.text == kDeletedMark;
    }

    Record& row = rows.emplace_back();
    row.position = n;
    row.number = number;
    row.genre = genre->second.text;
    row.deleted = genre->second.deleted;
    row.music = TextUpToZero(Field(record, field::kMusic, field::kMusicSize));
    row.style = style;
    row.timeSig = TimeSigText(record[field::kTimeSigNumerator], record[field::kTimeSigDenominator]);
    row.tempo = ZeroPad(tempo, 3);
    row.keywords = TextUpToZero(Field(record, field::kKeywords, field::kKeywordsSize));
    const std::uint8_t marks = record[field::kMarks];
    const bool decoded = marks <= 7;
    row.favorite = decoded && (marks & kFavoriteBit);
    row.search1 = decoded && (marks & kSearch1Bit);
    row.search2 = decoded && (marks & kSearch2Bit);
    const std::uint8_t sections = record[field::kSections];
    row.intro = sections >> 4;
    row.next = sections & 0x0F;
    return firstGenre ? &genre->second.text : nullptr;
}

}  // namespace quillory
