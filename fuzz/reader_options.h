#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/document/workspace.h"
#include "data/format/instrument_catalog.h"

namespace quillory::fuzz {

// The reader target's input: the two bytes below, then the file image.
inline constexpr std::size_t kReaderOptionBytes = 2;

// Byte 0, the tick of the source-instrument menu: modulo 3 it is Auto, Use Style Numbers or an
// instrument of its own, which the byte divided by 3 picks from the catalog.
inline SourceMenu SourceMenuFromByte(std::uint8_t byte) {
    SourceMenu menu;
    switch (byte % 3) {
        case 0: menu.choice = SourceMenu::Choice::kAuto; break;
        case 1: menu.choice = SourceMenu::Choice::kStyleNumbers; break;
        default:
            menu.choice = SourceMenu::Choice::kInstrument;
            menu.instrument = std::string(Instruments()[(byte / 3u) % kInstrumentCount].id);
            break;
    }
    return menu;
}

// Byte 1, the target instrument already chosen before the read: modulo 19 it is none (0), an
// instrument of the catalog (1 to 17) or "numbers" (18), which a read under Use Style Numbers
// leaves as the target.
inline std::string TargetFromByte(std::uint8_t byte) {
    const unsigned choice = byte % (kInstrumentCount + 2);
    if (choice == 0) {
        return {};
    }
    if (choice <= kInstrumentCount) {
        return std::string(Instruments()[choice - 1].id);
    }
    return std::string(kStyleNumbers);
}

// The option bytes that choose a tick or a target, for writing seeds.
inline constexpr std::uint8_t kMenuAutoByte = 0;
inline constexpr std::uint8_t kMenuStyleNumbersByte = 1;

inline std::uint8_t CatalogIndex(std::string_view id) {
    return static_cast<std::uint8_t>(FindInstrument(id) - Instruments().data());
}

inline std::uint8_t MenuInstrumentByte(std::string_view id) {
    return static_cast<std::uint8_t>(2 + 3 * CatalogIndex(id));
}

inline std::uint8_t TargetByte(std::string_view id) {
    if (id.empty()) {
        return 0;
    }
    if (id == kStyleNumbers) {
        return kInstrumentCount + 1;
    }
    return static_cast<std::uint8_t>(CatalogIndex(id) + 1);
}

}  // namespace quillory::fuzz
