#include "examples/realistic_data.h"

#include <array>
#include <string_view>

#include "data/common/codepage.h"
#include "data/common/text.h"
#include "data/format/record_layout.h"

namespace quillory::testkit {
namespace {

// splitmix64: a tiny generator whose sequence is fixed by its seed alone, unlike the standard
// library's distributions.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int Below(std::size_t n) { return static_cast<int>(Next() % n); }
    int Between(int lowest, int highest) {
        return lowest + Below(static_cast<std::size_t>(highest - lowest + 1));
    }
    bool Chance(int percent) { return Below(100) < percent; }
    template <typename T, std::size_t N>
    const T& Pick(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(Below(N))];
    }

private:
    std::uint64_t state_;
};

struct Genre {
    std::string_view name;
    int weight;
    int slowest;
    int fastest;
    std::uint8_t otherNumerator;  // the genre's second time signature
    std::uint8_t otherDenominator;
    int otherPercent;
};

constexpr std::array<Genre, 30> kGenres = {{
    {"Pop", 10, 90, 130, 4, 4, 0},       {"Ballad", 7, 60, 85, 6, 8, 15},
    {"Rock", 6, 110, 160, 4, 4, 0},      {"Swing", 5, 110, 180, 4, 4, 0},
    {"Jazz", 4, 80, 160, 3, 4, 10},      {"Latin", 4, 95, 130, 4, 4, 0},
    {"Country", 4, 90, 140, 3, 4, 10},   {"Dance", 4, 118, 132, 4, 4, 0},
    {"Waltz", 3, 80, 180, 3, 4, 100},    {"Ballroom", 3, 90, 130, 3, 4, 25},
    {"Big Band", 3, 120, 200, 4, 4, 0},  {"Movie & Show", 3, 70, 120, 3, 4, 10},
    {"Christmas", 2, 80, 130, 3, 4, 20}, {"R&B", 3, 70, 100, 12, 8, 20},
    {"Soul", 2, 90, 120, 4, 4, 0},       {"Gospel", 2, 70, 110, 12, 8, 25},
    {"Evergreen", 3, 80, 120, 3, 4, 15}, {"Oldies", 3, 100, 150, 4, 4, 0},
    {"Folk", 2, 90, 130, 3, 4, 20},      {"Easy Listening", 2, 70, 100, 4, 4, 0},
    {"Musical", 2, 90, 140, 3, 4, 10},   {"Bossa Nova", 2, 120, 145, 4, 4, 0},
    {"Disco", 2, 118, 128, 4, 4, 0},     {"Children", 1, 100, 130, 2, 4, 30},
    {"Schlager", 2, 100, 130, 4, 4, 0},  {"Reggae", 1, 70, 90, 4, 4, 0},
    {"Tango", 1, 115, 130, 2, 4, 40},    {"Marches", 1, 110, 125, 2, 4, 50},
    {"Classical", 1, 60, 140, 3, 4, 30}, {"Polka", 1, 110, 140, 2, 4, 60},
}};

constexpr std::array<std::string_view, 30> kAdjectives = {
    "Blue",  "Golden", "Lonely",  "Sweet",  "Endless", "Silent",  "Summer", "Midnight",
    "Crazy", "Little", "Wild",    "Broken", "Tender",  "Secret",  "Silver", "Last",
    "First", "Gentle", "Lucky",   "Velvet", "Distant", "Burning", "Rainy",  "Happy",
    "Lost",  "Magic",  "Perfect", "Holy",   "Quiet",   "Morning",
};

constexpr std::array<std::string_view, 32> kNouns = {
    "Love",    "Heart",  "Night",   "Dream",    "Rain",    "Road",     "River",     "Moon",
    "Sky",     "Dance",  "Song",    "Kiss",     "Train",   "Rose",     "Sunrise",   "Paradise",
    "Garden",  "Memory", "Island",  "Fire",     "Angel",   "Melody",   "Shadow",    "Holiday",
    "Journey", "Window", "Harbour", "Carousel", "Lullaby", "Serenade", "Boulevard", "Rhapsody",
};

constexpr std::array<std::string_view, 12> kVerbs = {
    "Dancing", "Waiting", "Dreaming", "Walking", "Falling", "Running",
    "Singing", "Holding", "Calling",  "Missing", "Chasing", "Leaving",
};

constexpr std::array<std::string_view, 8> kTails = {
    "Blues", "Waltz", "Song", "Serenade", "Samba", "Tango", "Boogie", "Ballad",
};

// Words with letters beyond ASCII, as songs from many countries have them.
constexpr std::array<std::string_view, 10> kAccented = {
    "Café",   "Señorita", "Noël", "Déjà Vu",   "Adiós",
    "Mañana", "Rêverie",  "Cœur", "São Paulo", "Ça Va",
};

constexpr std::array<std::string_view, 30> kKeywords = {
    "love",         "summer",    "party",   "wedding", "slow",     "dance",
    "romantic",     "classic",   "70s",     "80s",     "90s",      "sing-along",
    "instrumental", "christmas", "jazzy",   "happy",   "sad",      "night",
    "guitar",       "piano",     "strings", "latin",   "oldie",    "cover",
    "favourite",    "encore",    "opener",  "medley",  "birthday", "swing",
};

constexpr std::array<std::string_view, 30> kStyleFamilies = {
    "Pop",    "Ballad",  "Rock",    "Swing",   "Jazz",    "Latin",  "Country", "Dance",
    "Soul",   "Funk",    "Bossa",   "Samba",   "Waltz",   "March",  "Polka",   "Tango",
    "Reggae", "Disco",   "Gospel",  "Blues",   "Shuffle", "Boogie", "Rumba",   "Mambo",
    "Salsa",  "Foxtrot", "Cha Cha", "Beguine", "Hip Hop", "Folk",
};

constexpr std::array<std::string_view, 25> kStyleDescriptors = {
    "Cool",   "Soft",   "Easy",  "Modern", "Classic",   "Big",      "Slow",     "Fast",  "Bright",
    "Smooth", "Happy",  "Live",  "Studio", "Unplugged", "Acoustic", "Electric", "Urban", "Retro",
    "Chill",  "Groove", "Night", "Sunny",  "Power",     "Lite",     "Dream",
};

// The words joined by the separator, leaving out words at the end until the text fits into a
// field of width single bytes.
std::string Fit(std::vector<std::string> words, std::string_view separator, std::size_t width) {
    for (;;) {
        std::string text;
        for (const auto& word : words) {
            text += (text.empty() ? "" : std::string(separator)) + word;
        }
        if (EncodeWindows1252(text).size() <= width || words.size() <= 1) {
            return text;
        }
        words.pop_back();
    }
}

std::string Title(Random& random) {
    const std::string adjective(random.Pick(kAdjectives));
    const std::string noun(random.Pick(kNouns));
    const std::string verb(random.Pick(kVerbs));
    std::vector<std::string> words;
    switch (random.Below(9)) {
        case 0: words = {adjective, noun}; break;
        case 1: words = {"The", adjective, noun}; break;
        case 2: words = {verb, "in", "the", noun}; break;
        case 3: words = {noun, "of", "the", std::string(random.Pick(kNouns))}; break;
        case 4: words = {verb, random.Chance(50) ? "You" : "Me"}; break;
        case 5: words = {"My", adjective, noun}; break;
        case 6: words = {adjective, noun, std::string(random.Pick(kTails))}; break;
        case 7: words = {verb, "on", "a", adjective, noun}; break;
        default: words = {noun}; break;
    }
    if (random.Chance(4)) {
        words.front() = std::string(random.Pick(kAccented));
    }
    if (random.Chance(5)) {
        words.push_back(random.Chance(50) ? "(Live)" : "(Reprise)");
    }
    return Fit(words, " ", field::kMusicSize);
}

std::string Keywords(Random& random) {
    if (random.Chance(25)) {
        return {};
    }
    std::vector<std::string> words;
    const int count = random.Between(1, 4);
    for (int i = 0; i < count; ++i) {
        words.emplace_back(random.Pick(kKeywords));
    }
    return Fit(words, ",", field::kKeywordsSize);
}

const Genre& PickGenre(Random& random) {
    int total = 0;
    for (const auto& genre : kGenres) {
        total += genre.weight;
    }
    int at = random.Below(static_cast<std::size_t>(total));
    for (const auto& genre : kGenres) {
        if (at < genre.weight) {
            return genre;
        }
        at -= genre.weight;
    }
    return kGenres.front();
}

std::uint8_t Marks(Random& random) {
    std::uint8_t marks = 0;
    marks |= random.Chance(25) ? kFavoriteBit : 0;
    marks |= random.Chance(15) ? kSearch1Bit : 0;
    marks |= random.Chance(10) ? kSearch2Bit : 0;
    return marks;
}

std::uint8_t Sections(Random& random) {
    constexpr std::array<int, 12> kIntros = {0, 0, 0, 1, 1, 1, 1, 2, 2, 3, 4, 5};
    constexpr std::array<int, 10> kNext = {0, 0, 4, 4, 4, 5, 5, 6, 7, 8};
    return static_cast<std::uint8_t>(random.Pick(kIntros) * 16 + random.Pick(kNext));
}

int Style(Random& random, const StyleDraw& styles) {
    const bool user = !styles.user.empty() && random.Chance(styles.userPercent);
    const std::vector<int>& from = user || styles.known.empty() ? styles.user : styles.known;
    return from.empty() ? 0 : from[static_cast<std::size_t>(random.Below(from.size()))];
}

}  // namespace

StyleTableLines RealisticStyleTable(int lines, int digits) {
    StyleTableLines table;
    const std::size_t kinds = kStyleDescriptors.size() * kStyleFamilies.size();
    for (std::size_t i = 0; i < static_cast<std::size_t>(lines); ++i) {
        const std::size_t kind = i % kinds;
        std::string name = std::string(kStyleDescriptors[kind % kStyleDescriptors.size()]) + " " +
                           std::string(kStyleFamilies[kind / kStyleDescriptors.size()]);
        if (i >= kinds) {
            name += ' ';
            name += std::to_string(i / kinds + 1);
        }
        table.emplace_back(std::move(name), ZeroPad(static_cast<long long>(i) + 1, digits));
    }
    return table;
}

std::vector<int> StyleNumbersOf(const StyleTableLines& table) {
    std::vector<int> numbers;
    numbers.reserve(table.size());
    for (const auto& line : table) {
        numbers.push_back(static_cast<int>(NumericValue(line.second)));
    }
    return numbers;
}

std::vector<RecordValues> RealisticRecords(int count, std::uint64_t seed, const StyleDraw& styles) {
    Random random(seed);
    std::vector<RecordValues> records(static_cast<std::size_t>(count));
    for (RecordValues& record : records) {
        const Genre& genre = PickGenre(random);
        record.genre = std::string(genre.name);
        record.music = Title(random);
        record.keywords = Keywords(random);
        record.style = Style(random, styles);
        if (random.Chance(genre.otherPercent)) {
            record.timeSigNumerator = genre.otherNumerator;
            record.timeSigDenominator = genre.otherDenominator;
        }
        record.tempo = random.Between(genre.slowest, genre.fastest);
        record.marks = Marks(random);
        record.sections = Sections(random);
    }
    return records;
}

}  // namespace quillory::testkit
