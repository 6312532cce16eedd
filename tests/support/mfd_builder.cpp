#include "support/mfd_builder.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "data/record_layout.h"

namespace quillory::testkit {

Bytes BuildMfd(const std::string& model, const std::vector<RecordSpec>& records,
               std::optional<int> count) {
    Bytes bytes(RecordOffset(static_cast<int>(records.size()) + 1), 0);
    const char* identification = "MUSIC FINDER 1.0";
    std::memcpy(bytes.data(), identification, 16);
    std::memcpy(bytes.data() + kModelNameOffset, model.data(),
                std::min(model.size(), kModelNameSize));
    WriteBigEndian16(bytes, kCountOffset, count.value_or(static_cast<int>(records.size())));
    for (std::size_t i = 0; i < records.size(); ++i) {
        const RecordSpec& r = records[i];
        const std::size_t at = RecordOffset(static_cast<int>(i) + 1);
        WriteBigEndian16(bytes, at + field::kNumber, r.number.value_or(static_cast<int>(i)));
        WriteBigEndian16(bytes, at + field::kStyle, r.style);
        bytes[at + field::kTimeSigNumerator] = r.timeSigNumerator;
        bytes[at + field::kTimeSigDenominator] = r.timeSigDenominator;
        WriteBigEndian16(bytes, at + field::kTempo, r.tempo);
        bytes[at + field::kMarks] = r.marks;
        WriteTextField(bytes, at + field::kMusic, field::kMusicSize, r.music, '\0');
        WriteTextField(bytes, at + field::kGenre, field::kGenreSize, r.genre, '\0');
        WriteTextField(bytes, at + field::kKeywords, field::kKeywordsSize, r.keywords, '\0');
        bytes[at + field::kSections] = r.sections;
    }
    return bytes;
}

std::string StyleTableText(const std::vector<std::pair<std::string, std::string>>& styles) {
    std::string text;
    for (const auto& [name, number] : styles) {
        text += name + ";" + number + "\r\n";
    }
    return text;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

void WriteFile(const std::string& path, const std::string& text) {
    WriteFile(path, Bytes(text.begin(), text.end()));
}

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace quillory::testkit
