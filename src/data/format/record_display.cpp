#include "data/format/record_display.h"

#include "data/common/codepage.h"
#include "data/common/failure.h"
#include "data/common/numbers.h"
#include "data/common/text.h"
#include "data/format/instrument_catalog.h"
#include "data/format/record_layout.h"

namespace quillory {
namespace {

std::string HalfNumberText(int styleNumber) {
    return ZeroPad(static_cast<long long>(RoundHalfAwayFromZero(styleNumber / 2.0)), 3);
}

// Characters up to the first zero byte.
std::string TextUpToZero(const Bytes& bytes, std::size_t offset, std::size_t width) {
    const std::string_view field(reinterpret_cast<const char*>(bytes.data() + offset), width);
    return DecodeWindows1252(field.substr(0, field.find('\0')));
}

// Every non-zero byte of the field, in order. Most fields are text followed by zero padding,
// which reads the same as the text up to the first zero byte.
std::string TextWithoutZeros(const Bytes& bytes, std::size_t offset, std::size_t width) {
    const std::string_view field(reinterpret_cast<const char*>(bytes.data() + offset), width);
    const std::size_t end = field.find('\0');
    if (end == std::string_view::npos ||
        field.find_first_not_of('\0', end) == std::string_view::npos) {
        return DecodeWindows1252(field.substr(0, end));
    }
    std::string raw;
    for (char c : field) {
        if (c != '\0') {
            raw.push_back(c);
        }
    }
    return DecodeWindows1252(raw);
}

}  // namespace

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

namespace {

// The time signature as the list shows it: " 4/ 4".
std::string TimeSigText(int numerator, int denominator) {
    std::string text = SignedNumberText(numerator);
    text += '/';
    text += SignedNumberText(denominator);
    return text;
}

}  // namespace

Record DecodeRecord(const Bytes& bytes, int n, SharedText styleText) {
    const std::size_t offset = RecordOffset(n);
    if (offset + kRecordSize > bytes.size()) {
        throw Failure(kInputPastEndOfFile);
    }
    Record record;
    record.position = n;
    record.number = ReadBigEndian16(bytes, offset + field::kNumber) + 1;
    record.SetGenre(TextWithoutZeros(bytes, offset + field::kGenre, field::kGenreSize));
    record.music = TextUpToZero(bytes, offset + field::kMusic, field::kMusicSize);
    record.style = std::move(styleText);
    record.timeSig = TimeSigText(bytes[offset + field::kTimeSigNumerator],
                                 bytes[offset + field::kTimeSigDenominator]);
    record.tempo = ZeroPad(ReadBigEndian16(bytes, offset + field::kTempo), 3);
    record.keywords = TextUpToZero(bytes, offset + field::kKeywords, field::kKeywordsSize);
    const std::uint8_t marks = bytes[offset + field::kMarks];
    const bool decoded = marks <= 7;
    record.favorite = decoded && (marks & kFavoriteBit);
    record.search1 = decoded && (marks & kSearch1Bit);
    record.search2 = decoded && (marks & kSearch2Bit);
    const std::uint8_t sections = bytes[offset + field::kSections];
    record.intro = sections >> 4;
    record.next = sections & 0x0F;
    return record;
}

}  // namespace quillory
