#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/mfd_builder.h"

namespace quillory::testkit {

// Style table lines as StyleTableText takes them: name, number text.
using StyleTableLines = std::vector<std::pair<std::string, std::string>>;

// A style table of invented, distinct names of the lengths real tables have ("Smooth Bossa",
// "Bright Rock Shuffle"), numbered 1, 2, 3 ... and zero-padded to digits.
StyleTableLines RealisticStyleTable(int lines, int digits = 3);

// The style numbers of a table's lines, in table order.
std::vector<int> StyleNumbersOf(const StyleTableLines& table);

// Which style numbers generated records carry: mostly numbers the source table names, and now
// and then a user style, a number the table lacks.
struct StyleDraw {
    std::vector<int> known;
    std::vector<int> user;
    int userPercent = 0;
};

// Records like those of a well-used database: song titles, genres and keywords of everyday
// lengths (a few with accented letters), tempos and time signatures that suit the genre, and a
// mix of marks, intros and next sections. The same count, seed and draw give the same records
// on every platform.
std::vector<RecordValues> RealisticRecords(int count, std::uint64_t seed, const StyleDraw& styles);

}  // namespace quillory::testkit
