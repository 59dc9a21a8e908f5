// Fills the value lists of the bash completion from the GIF choice tables, so
// the completion offers exactly the names the command line takes.
// Usage: nimbrel_write_completion TEMPLATE OUTPUT
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "image/gif_choices.h"

namespace {

template <class Choices>
std::string namesOf(const Choices& choices)
{
    std::string names;
    for (const auto& choice : choices) names += (names.empty() ? "" : " ") + std::string(choice.name);
    return names;
}

void replaceAll(std::string& text, const std::string& placeholder, const std::string& value)
{
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: nimbrel_write_completion TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::stringstream read;
    read << in.rdbuf();
    if (!in) {
        std::cerr << argv[1] << ": cannot read\n";
        return 1;
    }
    std::string script = read.str();
    replaceAll(script, "@REDUCTIONS@", namesOf(nimbrel::kColorReductionChoices));
    replaceAll(script, "@DITHERS@", namesOf(nimbrel::kDitherChoices));
    replaceAll(script, "@COMPRESSIONS@", namesOf(nimbrel::kCompressionChoices));
    replaceAll(script, "@BITS@", namesOf(nimbrel::kReductionBitsChoices));
    std::ofstream out(argv[2], std::ios::binary);
    out << script;
    if (!out.flush()) {
        std::cerr << argv[2] << ": cannot write\n";
        return 1;
    }
    return 0;
}
