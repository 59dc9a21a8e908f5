#pragma once
// What --check looks for: problems that do not stop drawing but give buttons
// or files the user did not mean to get.
#include <string>
#include <vector>

#include "core/button_style.h"

namespace nimbrel::cli {

// The face drawn for the style's caption font when its own face is not
// installed; empty when it is (metric-compatible stand-ins count as installed).
std::string substituteFace(const ButtonStyle& style);

// One line per enabled imported bitmap whose file is missing.
std::vector<std::string> missingBitmapProblems(const ButtonStyle& style);

// One line per entry that writes the same file as an earlier one.
std::vector<std::string> duplicateNameProblems(const std::vector<std::string>& captions,
                                               const std::vector<std::string>& fileStems,
                                               const std::string& extension);

// A problem line when the caption's text cell is wider than the button.
std::string clippedCaptionProblem(int entry, const std::string& caption, int captionWidth, int buttonWidth);

}  // namespace nimbrel::cli
