#pragma once
// Text files as the program reads and writes them: UTF-8 in memory and on disk,
// with files from the Windows version (Windows-1252, CR LF) taken in as well.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nimbrel {

// The bytes of a text file as UTF-8. Valid UTF-8 is taken as it is (leading
// byte-order marks are dropped); anything else is read as Windows-1252.
std::string decodeTextFile(const std::vector<std::uint8_t>& bytes);

bool isValidUtf8(const std::string& text);

// Splits on CR LF, LF and CR. A line end after the last line does not start
// another line, so "a\r\n" is one line and an empty text none.
std::vector<std::string> splitLines(const std::string& text);

// Every line followed by lineEnd, the last one included.
std::string joinLines(const std::vector<std::string>& lines, const std::string& lineEnd);

// A value written into a line-based file must not break its line: CR and LF
// become blanks, so a stray line break cannot forge or hide another key.
std::string onOneLine(std::string value);

// Reads a whole file and returns its lines; throws nimbrel::Error when the file
// cannot be read.
std::vector<std::string> readTextFileLines(const std::string& fileName);

// ASCII-only lower case, as keys and names are compared.
std::string asciiLower(std::string text);
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace nimbrel
