// Settings file reader: any bytes load into the main window's store or fail
// with the program's error; what loaded is saved, and the saved file loads to
// the same values while keeping the lines it did not know.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/settings_lists.h"
#include "app/settings_store.h"
#include "output/error.h"
#include "output/text_codec.h"

namespace {

nimbrel::TzkRegVal mainWindowStore()
{
    nimbrel::TzkRegVal store;
    nimbrel::configureMainWindowSettings(store);
    store._Floats = {"Gamma=2.2"};
    store.OnMessage = [](const std::string&) {};
    return store;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace nimbrel;
    const IniDocument file = IniDocument::fromBytes(std::vector<std::uint8_t>(data, data + size));
    TzkRegVal store = mainWindowStore();
    store.readWindowPlacementFrom(file, nimbrel::kMainWindowSection);
    try {
        store.loadAllFrom(file);
    } catch (const Error&) {
        return 0;
    }
    IniDocument saved = file;
    store.saveAllTo(saved);
    if (saved.lines().size() < file.lines().size()) std::abort();

    const std::string text = saved.text();
    TzkRegVal again = mainWindowStore();
    again.loadAllFrom(IniDocument::fromBytes(std::vector<std::uint8_t>(text.begin(), text.end())));
    if (again._Booleans != store._Booleans || again._Floats != store._Floats ||
        again._Integers != store._Integers || again._Strings != store._Strings)
        std::abort();
    return 0;
}
