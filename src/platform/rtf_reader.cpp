#include "platform/rtf_reader.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "data/common/codepage.h"

namespace quillory {
namespace {

// Groups nested deeper than this share the state of the deepest one kept.
constexpr std::size_t kMaxDepth = 256;
constexpr int kMaxParameter = 1'000'000'000;
constexpr int kMaxTwips = 31'680;  // 22 inches, wider than any page
constexpr std::size_t kMaxTabStops = 64;

// Control words that stand for one character.
const std::map<std::string_view, char16_t> kCharacterWords = {
    {"tab", u'\t'},           {"cell", u'\t'},        {"line", u'\u2028'},
    {"bullet", u'\u2022'},    {"emdash", u'\u2014'},  {"endash", u'\u2013'},
    {"lquote", u'\u2018'},    {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'},
    {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'}, {"enspace", u'\u2002'},
    {"qmspace", u'\u2005'},
};

// Destinations whose content is not text of the document.
const std::set<std::string_view> kSkippedDestinations = {
    "author",     "buptim",       "colorschememapping",
    "comment",    "company",      "creatim",
    "datastore",  "doccomm",      "fldinst",
    "filetbl",    "footer",       "footerf",
    "footerl",    "footerr",      "footnote",
    "generator",  "header",       "headerf",
    "headerl",    "headerr",      "info",
    "keywords",   "latentstyles", "listoverridetable",
    "listtable",  "nonshppict",   "object",
    "operator",   "pict",         "printim",
    "revtbl",     "revtim",       "rsidtbl",
    "stylesheet", "subject",      "tc",
    "template",   "themedata",    "title",
    "txe",        "xe",           "xmlnsbl",
};

enum class Destination { kText, kFontTable, kColourTable, kSkip };

// What a "{" saves and the matching "}" restores.
struct State {
    Destination destination = Destination::kText;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
    int font = -1;
    int colour = 0;
    int unicodeSkip = 1;
    // Paragraph properties, in twips.
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    std::vector<int> tabStops;
};

// Paragraph properties measured in twips.
const std::map<std::string_view, int State::*> kTwipsWords = {
    {"li", &State::leftIndent},  {"ri", &State::rightIndent}, {"fi", &State::firstIndent},
    {"sb", &State::spaceBefore}, {"sa", &State::spaceAfter},
};

const QString& CodePage() {
    static const QString table = [] {
        std::string bytes(256, '\0');
        for (int byte = 0; byte < 256; ++byte) {
            bytes[byte] = static_cast<char>(byte);
        }
        return QString::fromStdString(DecodeWindows1252(bytes));
    }();
    return table;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A surrogate without its partner becomes the replacement character.
void RepairSurrogates(QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            text[i] = QChar::ReplacementCharacter;
        }
    }
}

class RtfReader {
public:
    RtfReader(std::string_view rtf, QTextDocument& document) : in_(rtf), cursor_(&document) {}

    void Read() {
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            if (c == '{') {
                OpenGroup();
            } else if (c == '}') {
                CloseGroup();
            } else if (c == '\\') {
                Control();
            } else if (c == '\t') {
                Character(u'\t');
            } else if (static_cast<unsigned char>(c) >= 0x20) {
                Character(CodePage()[static_cast<unsigned char>(c)].unicode());
            }
        }
        Flush();
        if (blockHasText_) {
            cursor_.setBlockFormat(BlockFormat());
        }
    }

private:
    // A group ends the fallback of a \u as well.
    void OpenGroup() {
        Flush();
        skip_ = 0;
        if (stack_.size() < kMaxDepth) {
            stack_.push_back(state_);
        } else {
            ++overflow_;
        }
    }

    void CloseGroup() {
        Flush();
        skip_ = 0;
        if (overflow_ > 0) {
            --overflow_;
        } else if (!stack_.empty()) {
            state_ = std::move(stack_.back());
            stack_.pop_back();
        }
    }

    // After a backslash: a control symbol, or a control word with its parameter.
    void Control() {
        if (pos_ >= in_.size()) {
            return;
        }
        if (!IsLetter(in_[pos_])) {
            Symbol(in_[pos_++]);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_])) {
            ++pos_;
        }
        const std::string_view word = in_.substr(start, pos_ - start);
        std::optional<int> parameter;
        const bool negative = pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1]);
        if (negative) {
            ++pos_;
        }
        if (pos_ < in_.size() && IsDigit(in_[pos_])) {
            long long value = 0;
            for (; pos_ < in_.size() && IsDigit(in_[pos_]); ++pos_) {
                value = std::min<long long>(value * 10 + (in_[pos_] - '0'), kMaxParameter);
            }
            parameter = static_cast<int>(negative ? -value : value);
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') {
            ++pos_;
        }
        Word(word, parameter);
    }

    void Symbol(char symbol) {
        switch (symbol) {
            case '\\':
            case '{':
            case '}': Character(static_cast<char16_t>(symbol)); break;
            case '\'': {
                const int high = pos_ < in_.size() ? HexDigit(in_[pos_]) : -1;
                const int low = pos_ + 1 < in_.size() ? HexDigit(in_[pos_ + 1]) : -1;
                if (high >= 0 && low >= 0) {
                    pos_ += 2;
                    if (const int byte = high * 16 + low; byte != 0) {
                        Character(CodePage()[byte].unicode());
                    }
                }
                break;
            }
            case '~': Character(u'\u00A0'); break;
            case '_': Character(u'\u2011'); break;
            case '*': state_.destination = Destination::kSkip; break;
            case '\r':
            case '\n': Word("par", std::nullopt); break;
            default:  // "\-" optional hyphen, "\|", "\:" and others show nothing
                break;
        }
    }

    void Word(std::string_view word, std::optional<int> parameter) {
        if (word == "bin") {  // binary data follows, even inside a skipped group
            pos_ += std::min<std::size_t>(std::max(parameter.value_or(0), 0), in_.size() - pos_);
            return;
        }
        if (skip_ > 0) {  // a control word counts as one character of the \u fallback
            --skip_;
            return;
        }
        if (state_.destination == Destination::kSkip) {
            return;
        }
        if (const auto character = kCharacterWords.find(word); character != kCharacterWords.end()) {
            Character(character->second);
            return;
        }
        if (word == "u") {
            if (parameter) {
                Unicode(*parameter);
            }
            return;
        }
        Flush();
        State& s = state_;
        const bool on = parameter.value_or(1) != 0;  // \b is \b1, \b0 switches off
        const int number = parameter.value_or(0);
        if (word == "par" || word == "page" || word == "row" || word == "sect") {
            EndParagraph();
        } else if (word == "pard") {
            s.leftIndent = s.rightIndent = s.firstIndent = s.spaceBefore = s.spaceAfter = 0;
            s.alignment = Qt::AlignLeft;
            s.tabStops.clear();
        } else if (word == "plain") {
            s.bold = s.italic = s.underline = false;
            s.halfPoints = State().halfPoints;
            s.font = defaultFont_;
            s.colour = 0;
        } else if (word == "b") {
            s.bold = on;
        } else if (word == "i") {
            s.italic = on;
        } else if (word == "ul") {
            s.underline = on;
        } else if (word == "ulnone") {
            s.underline = false;
        } else if (word == "fs") {
            s.halfPoints = std::clamp(parameter.value_or(24), 2, 400);
        } else if (word == "f" && s.destination == Destination::kFontTable) {
            fontNumber_ = number;
        } else if (word == "f") {
            s.font = number;
        } else if (word == "deff") {
            defaultFont_ = s.font = number;
        } else if (word == "cf") {
            s.colour = number;
        } else if (const auto twips = kTwipsWords.find(word); twips != kTwipsWords.end()) {
            s.*(twips->second) = std::clamp(number, -kMaxTwips, kMaxTwips);
        } else if (word == "tx") {
            if (s.tabStops.size() < kMaxTabStops) {
                s.tabStops.push_back(std::clamp(number, 0, kMaxTwips));
            }
        } else if (word == "ql" || word == "qc" || word == "qr" || word == "qj") {
            s.alignment = word == "qc"   ? Qt::AlignHCenter
                          : word == "qr" ? Qt::AlignRight
                          : word == "qj" ? Qt::AlignJustify
                                         : Qt::AlignLeft;
        } else if (word == "uc") {
            s.unicodeSkip = std::clamp(parameter.value_or(1), 0, 16);
        } else if (word == "fonttbl") {
            s.destination = Destination::kFontTable;
        } else if (word == "colortbl") {
            s.destination = Destination::kColourTable;
        } else if (word == "red" || word == "green" || word == "blue") {
            const int level = std::clamp(number, 0, 255);
            if (word == "red") {
                colour_.setRed(level);
            } else if (word == "green") {
                colour_.setGreen(level);
            } else {
                colour_.setBlue(level);
            }
            colourGiven_ = true;
        } else if (kSkippedDestinations.count(word) > 0) {
            s.destination = Destination::kSkip;
        }
    }

    // A UTF-16 unit, negative numbers standing for those above 32767. Control characters and
    // the two that Qt's text cursor takes for the start and end of a frame are left out.
    void Unicode(int code) {
        const int unit = code < 0 ? code + 65536 : code;
        const bool shown =
            (unit >= 0x20 || unit == '\t') && unit <= 0xFFFF && unit != 0xFDD0 && unit != 0xFDD1;
        if (shown) {
            Character(static_cast<char16_t>(unit));
        }
        skip_ = state_.unicodeSkip;
    }

    // One character of the current destination; characters of a \u fallback are dropped.
    void Character(char16_t c) {
        if (skip_ > 0) {
            --skip_;
            return;
        }
        switch (state_.destination) {
            case Destination::kText: run_ += QChar(c); break;
            case Destination::kFontTable:
                if (c != u';') {
                    fontName_ += QChar(c);
                } else {
                    fonts_[fontNumber_] = fontName_.trimmed();
                    fontName_.clear();
                }
                break;
            case Destination::kColourTable:
                if (c == u';') {
                    colours_.push_back(colourGiven_ ? colour_ : QColor());
                    colour_ = QColor(0, 0, 0);
                    colourGiven_ = false;
                }
                break;
            case Destination::kSkip: break;
        }
    }

    QTextCharFormat CharFormat() const {
        QTextCharFormat format;
        format.setFontWeight(state_.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(state_.italic);
        format.setFontUnderline(state_.underline);
        format.setFontPointSize(state_.halfPoints / 2.0);
        if (const auto font = fonts_.find(state_.font); font != fonts_.end()) {
            format.setFontFamilies(QStringList{font->second});
        }
        if (state_.colour > 0 && state_.colour < static_cast<int>(colours_.size()) &&
            colours_[state_.colour].isValid()) {
            format.setForeground(colours_[state_.colour]);
        }
        return format;
    }

    QTextBlockFormat BlockFormat() const {
        QTextBlockFormat format;
        format.setLeftMargin(state_.leftIndent * kPixelsPerTwip);
        format.setRightMargin(state_.rightIndent * kPixelsPerTwip);
        format.setTextIndent(state_.firstIndent * kPixelsPerTwip);
        format.setTopMargin(state_.spaceBefore * kPixelsPerTwip);
        format.setBottomMargin(state_.spaceAfter * kPixelsPerTwip);
        format.setAlignment(state_.alignment);
        // RTF measures tab stops from the left margin, and a hanging indent's left indent is a
        // stop of its own (a bullet, a tab, the text); Qt measures from where the line starts.
        std::vector<int> stops = state_.tabStops;
        if (state_.firstIndent < 0) {
            stops.push_back(state_.leftIndent);
        }
        std::sort(stops.begin(), stops.end());
        const int lineStart = state_.leftIndent + state_.firstIndent;
        QList<QTextOption::Tab> tabs;
        for (const int stop : stops) {
            if (stop > lineStart) {
                tabs.append(
                    QTextOption::Tab((stop - lineStart) * kPixelsPerTwip, QTextOption::LeftTab));
            }
        }
        format.setTabPositions(tabs);
        return format;
    }

    // The paragraph's properties are those in force at its end; its block is opened only when
    // something follows, so that a closing \par leaves no empty paragraph behind.
    void OpenBlock() {
        if (blockEnded_) {
            cursor_.insertBlock();
            blockEnded_ = false;
        }
    }

    void EndParagraph() {
        if (state_.destination != Destination::kText) {
            return;
        }
        OpenBlock();
        cursor_.setBlockFormat(BlockFormat());
        cursor_.setBlockCharFormat(CharFormat());
        blockEnded_ = true;
        blockHasText_ = false;
    }

    void Flush() {
        if (run_.isEmpty()) {
            return;
        }
        OpenBlock();
        RepairSurrogates(run_);
        cursor_.insertText(run_, CharFormat());
        run_.clear();
        blockHasText_ = true;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    QTextCursor cursor_;
    State state_;
    std::vector<State> stack_;
    std::size_t overflow_ = 0;
    int skip_ = 0;
    QString run_;
    bool blockEnded_ = false;
    bool blockHasText_ = false;
    std::map<int, QString> fonts_;
    int fontNumber_ = 0;
    int defaultFont_ = -1;
    QString fontName_;
    std::vector<QColor> colours_;
    QColor colour_{0, 0, 0};
    bool colourGiven_ = false;
};

}  // namespace

void ReadRtf(std::string_view rtf, QTextDocument& document) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    RtfReader(rtf, document).Read();
    document.setUndoRedoEnabled(undo);
}

void ReadPlainText(std::string_view bytes, QTextDocument& document) {
    // Qt ends a paragraph at CR LF, LF and CR alike.
    document.setPlainText(QString::fromStdString(DecodeWindows1252(bytes)).remove(QChar(u'\0')));
}

}  // namespace quillory
