#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// Tab-delimited text as this program and spreadsheets write it.
//
// Encoding: a text that starts with a UTF-8 or UTF-16 (LE or BE) byte-order mark is read in that
// encoding, and so is a text without a mark that is valid UTF-8 and holds at least one multi-byte
// sequence; every other text is Windows-1252, one byte to a character.
//
// Line ends: the first line end of the text outside quoted fields, CR LF, LF or CR, is the line
// end of the whole text; the other two are characters of their fields, as they always were in a
// text of this program's export.
//
// Quoted fields: a field that starts with a double quote runs to its closing quote, with "" inside
// standing for one quote and tabs and line ends inside belonging to the field. A closing quote is
// followed by a tab, a line end or the end of the text; a field without one is read as it stands,
// up to the next tab or line end, quote and all.

// The text in the program's own form, every character one the single-byte code page has: a
// character the code page lacks becomes "?".
std::string DecodeDelimitedText(std::string_view bytes);

class DelimitedText {
public:
    explicit DelimitedText(std::string_view text);

    // The text cut at its line ends outside quoted fields. An empty text has no lines at all;
    // otherwise there is one piece more than there are line ends, the last one what follows the
    // final line end.
    std::vector<std::string_view> Lines() const;

    // The fields of one of the lines, cut at tabs outside quoted fields, quoted ones without their
    // quotes. A field whose quotes are taken off lies in room, which the caller keeps for the
    // next line.
    void Fields(std::string_view line, std::vector<std::string_view>& fields,
                std::string& room) const;

private:
    std::string_view text_;
    std::string_view lineEnd_;
};

}  // namespace quillory
