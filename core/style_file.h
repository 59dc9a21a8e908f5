#pragma once
// Style files below the file level, so they can be tested and fuzzed without
// touching the disk. ButtonStyle::loadFromFile and saveToFile use these.
#include <string>
#include <vector>

#include "core/button_style.h"

namespace nimbrel {

// The 37 lines of a style file, bitmap names relative to appFolder.
std::vector<std::string> styleFileLines(const ButtonStyle& style, const std::string& appFolder);

// Fills `style` from the lines of a style file, in file order; throws
// nimbrel::Error on a number or boolean that does not parse, leaving the fields
// read before it changed. Relative bitmap names are made absolute under appFolder.
void readStyleFileLines(ButtonStyle& style, const std::vector<std::string>& lines,
                        const std::string& appFolder);

}  // namespace nimbrel
