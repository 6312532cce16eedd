#pragma once

#include <string_view>

class QTextDocument;

namespace quillory {

// Document units per twip (1/1440 inch): the document lays out in pixels of 96 to the inch.
inline constexpr double kPixelsPerTwip = 96.0 / 1440.0;

// Reads rich text (RTF), as the help file holds it, into the document, replacing what it held:
// paragraphs with their indents, spacing, alignment and tab stops; bold, italic, underline, font
// sizes, fonts and colours; tabs, line breaks, and characters of the Windows-1252 code page and
// of Unicode. Style sheets, document information, pictures, headers, footers and every "\*" group
// are left out, and unknown control words are ignored. No input, however broken or deep, makes
// it fail: what can be read is shown.
void ReadRtf(std::string_view rtf, QTextDocument& document);

// Reads a log into the document, replacing what it held: Windows-1252 text whose lines end with
// CR LF (or a bare LF or CR), one paragraph per line.
void ReadPlainText(std::string_view bytes, QTextDocument& document);

}  // namespace quillory
