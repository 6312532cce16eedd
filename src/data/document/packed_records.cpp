#include "data/document/packed_records.h"

#include <cstdint>

namespace quillory {
namespace {

enum Flag : std::uint8_t {
    kFavorite = 1,
    kSearch1 = 2,
    kSearch2 = 4,
    kDeleted = 8,
    kChecked = 16,
};

// Whole numbers take as many bytes as they need, seven bits a byte.
void PutNumber(std::string& data, std::uint32_t value) {
    while (value >= 0x80) {
        data.push_back(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    data.push_back(static_cast<char>(value));
}

void PutText(std::string& data, const std::string& text) {
    PutNumber(data, static_cast<std::uint32_t>(text.size()));
    data += text;
}

class Reader {
public:
    explicit Reader(const std::string& data) : data_(data) {}

    std::uint32_t Number() {
        std::uint32_t value = 0;
        for (int shift = 0;; shift += 7) {
            const auto byte = static_cast<std::uint8_t>(data_[at_++]);
            value |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
            if (byte < 0x80) {
                return value;
            }
        }
    }
    std::string Text() {
        const std::size_t size = Number();
        std::string text = data_.substr(at_, size);
        at_ += size;
        return text;
    }
    std::uint8_t Byte() { return static_cast<std::uint8_t>(data_[at_++]); }

private:
    const std::string& data_;
    std::size_t at_ = 0;
};

}  // namespace

void PackedRecords::Add(const Record& record) {
    PutNumber(data_, static_cast<std::uint32_t>(record.position));
    PutNumber(data_, static_cast<std::uint32_t>(record.number));
    for (const std::string* text : {&record.genre, &record.music, &record.style.str(),
                                    &record.timeSig, &record.tempo, &record.keywords}) {
        PutText(data_, *text);
    }
    data_.push_back(
        static_cast<char>((record.favorite ? kFavorite : 0) | (record.search1 ? kSearch1 : 0) |
                          (record.search2 ? kSearch2 : 0) | (record.deleted ? kDeleted : 0) |
                          (record.checked ? kChecked : 0)));
    data_.push_back(static_cast<char>((record.intro & 0x0F) << 4 | (record.next & 0x0F)));
    PutNumber(data_, record.styleColour);
    ++count_;
}

std::vector<Record> PackedRecords::Unpack() const {
    std::vector<Record> records(count_);
    Reader in(data_);
    for (Record& record : records) {
        record.position = static_cast<int>(in.Number());
        record.number = static_cast<int>(in.Number());
        std::string style;
        for (std::string* text : {&record.genre, &record.music, &style, &record.timeSig,
                                  &record.tempo, &record.keywords}) {
            *text = in.Text();
        }
        record.style = std::move(style);
        const std::uint8_t flags = in.Byte();
        record.favorite = flags & kFavorite;
        record.search1 = flags & kSearch1;
        record.search2 = flags & kSearch2;
        record.deleted = flags & kDeleted;
        record.checked = flags & kChecked;
        const std::uint8_t sections = in.Byte();
        record.intro = sections >> 4;
        record.next = sections & 0x0F;
        record.styleColour = in.Number();
    }
    return records;
}

}  // namespace quillory
