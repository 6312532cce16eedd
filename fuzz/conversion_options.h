#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/format/instrument_catalog.h"

namespace quillory::fuzz {

// The conversion target's input: three option bytes, the target's style table text, one zero
// byte, then the file image. Without a zero byte everything after the options is the table and
// the image is empty.
inline constexpr std::size_t kConversionOptionBytes = 3;

// Byte 0: the target, modulo 17 an instrument of the catalog.
inline std::string_view ConversionTarget(std::uint8_t byte) {
    return Instruments()[byte % kInstrumentCount].id;
}

inline std::uint8_t ConversionTargetByte(std::string_view id) {
    return static_cast<std::uint8_t>(FindInstrument(id) - Instruments().data());
}

// Byte 1: the style options.
inline constexpr std::uint8_t kAllowUserStyles = 0x01;
// The source menu fixes the target as the source instrument (else Auto, from the header).
inline constexpr std::uint8_t kSourceIsTarget = 0x02;
// Bits 2 and 3, the default style: the target table's last style (as choosing the target makes
// it), "None", empty, or a name the table may lack.
inline constexpr unsigned kDefaultStyleShift = 2;
enum class DefaultStyleChoice { kTableLast, kNone, kEmpty, kFixedName };
inline constexpr std::string_view kFixedDefaultStyle = "Cool Pop";
inline constexpr std::uint8_t kCheckedOnly = 0x10;
inline constexpr std::uint8_t kBlueWarning = 0x20;
// The conversion log is written to ExportLog.txt.
inline constexpr std::uint8_t kWriteExportLog = 0x40;
// The list is shown sorted by the music column, not in record order.
inline constexpr std::uint8_t kSortedByMusic = 0x80;

inline DefaultStyleChoice DefaultStyleFrom(std::uint8_t options) {
    return static_cast<DefaultStyleChoice>((options >> kDefaultStyleShift) & 3);
}

inline std::uint8_t DefaultStyleBits(DefaultStyleChoice choice) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(choice) << kDefaultStyleShift);
}

// Byte 2: the user's answers and the ticks. Bits 0 and 1 answer the save dialog.
enum class SaveAnswer {
    kCancel,
    kNewFile,        // a file of the program folder that does not exist yet
    kMissingFolder,  // a file in a folder that does not exist
    kExistingFile,   // a file that exists: the overwrite question is asked
};
// The overwrite question is answered Cancel.
inline constexpr std::uint8_t kRefuseOverwrite = 0x04;
// Bits 3 and 4, the ticked rows: none, all, every other one or every third one.
inline constexpr unsigned kTicksShift = 3;
// Every fourth row is marked deleted, as the Delete command marks it.
inline constexpr std::uint8_t kDeleteEveryFourth = 0x20;

inline SaveAnswer SaveAnswerFrom(std::uint8_t answers) {
    return static_cast<SaveAnswer>(answers & 3);
}

// Whether row i (from 0) carries a tick.
inline bool Ticked(std::uint8_t answers, std::size_t row) {
    switch ((answers >> kTicksShift) & 3) {
        case 0: return false;
        case 1: return true;
        case 2: return row % 2 == 0;
        default: return row % 3 == 0;
    }
}

inline std::uint8_t TicksBits(unsigned ticks) {
    return static_cast<std::uint8_t>(ticks << kTicksShift);
}

}  // namespace quillory::fuzz
