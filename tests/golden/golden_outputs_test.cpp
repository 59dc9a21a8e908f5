// The bytes the programs write, held against a fixed record: every image a set
// of styles and captions gives through nimbrel-batch, over every GIF option, and
// the settings file and autosaved caption list the window writes at shut-down.
// Refactoring must leave all of them byte for byte the same.
//
// To record new expected bytes on purpose, run this program with
// NIMBREL_GOLDEN_UPDATE=1; it rewrites data/expected.sha256 and data/*/expected-*.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "golden_process.h"

namespace fs = std::filesystem;

namespace nimbrel::test {
namespace {

const fs::path kData = NIMBREL_GOLDEN_DATA_DIR;

bool updating()
{
    const char* value = std::getenv("NIMBREL_GOLDEN_UPDATE");
    return value && *value && std::string(value) != "0";
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string sha256(const std::string& bytes)
{
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromRawData(bytes.data(), static_cast<int>(bytes.size())),
                                 QCryptographicHash::Sha256);
    return digest.toHex().toStdString();
}

// Relative file name -> hash, for every file below `folder`.
std::map<std::string, std::string> hashTree(const fs::path& folder)
{
    std::map<std::string, std::string> hashes;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            hashes[fs::relative(entry.path(), folder).generic_string()] = sha256(fileText(entry.path()));
    return hashes;
}

std::map<std::string, std::string> readManifest(const fs::path& path)
{
    std::map<std::string, std::string> hashes;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const auto gap = line.find("  ");
        if (gap != std::string::npos) hashes[line.substr(gap + 2)] = line.substr(0, gap);
    }
    return hashes;
}

void writeManifest(const fs::path& path, const std::map<std::string, std::string>& hashes)
{
    std::ofstream out(path, std::ios::binary);
    for (const auto& [name, hash] : hashes) out << hash << "  " << name << '\n';
}

class GoldenOutputs : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() /
               ("nimbrel-golden-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
        home = root / "home";
        fs::copy(kData / "home", home, fs::copy_options::recursive);
        out = root / "out";
        fs::create_directories(out);
    }
    void TearDown() override
    {
        if (!HasFailure()) fs::remove_all(root);
    }

    fs::path root, home, out;
};

// The command lines: whole caption lists in four styles, the first-start style,
// and one caption set through every reduction, dither and compression.
std::vector<std::vector<std::string>> batchCommands(const fs::path& out)
{
    const auto data = [](const std::string& name) { return (kData / name).string(); };
    const auto dir = [&](const std::string& name) { return (out / name).string(); };
    std::vector<std::vector<std::string>> commands = {
        {"--no-settings", "--style", data("every-feature.ini"), "--captions", data("captions.txt"), "--out",
         dir("list-every-feature"), "--format", "both", "--reduction", "5", "--dither", "1", "--compression",
         "lzw", "-q"},
        {"--no-settings", "--style", data("tiles-plain.ini"), "--captions", data("captions.txt"), "--out",
         dir("list-tiles-plain"), "--format", "both", "--reduction", "6", "--dither", "2", "--compression", "rle",
         "--bits", "5", "-q"},
        {"--no-settings", "--style", data("light.ini"), "--captions", data("captions-1252.txt"), "--out",
         dir("list-light-1252"), "--format", "both", "-q"},
        {"--no-settings", "--style", data("smooth.ini"), "--out", dir("smooth"), "--format", "both", "-q", "Ça va?",
         "Straße", "Home", "Products & Services"},
        {"--no-settings", "--out", dir("first-start"), "--format", "both", "-q", "Home", "Über uns",
         "Products & Services", "Contact"},
        {"--no-settings", "--style", data("every-feature.ini"), "--out", dir("png-scales"), "--format",
         "bmp,gif,png", "--scale", "1,2,3", "--transparent", "0080C0", "--compression", "lzw", "-q", "Home",
         "Über uns"},
        {"--no-settings", "--out", dir("first-start-png"), "--format", "png", "-q", "Home", "Products & Services"},
    };
    const char* compressions[] = {"lzw", "rle"};
    for (int reduction = 0; reduction <= 6; ++reduction)
        for (int dither = 0; dither <= 6; ++dither)
            for (const char* compression : compressions)
                commands.push_back({"--no-settings", "--style", data("every-feature.ini"), "--out",
                                    dir("sweep/r" + std::to_string(reduction) + "-d" + std::to_string(dither) +
                                        "-" + compression),
                                    "--format", "gif", "--reduction", std::to_string(reduction), "--dither",
                                    std::to_string(dither), "--compression", compression, "-q", "Home",
                                    "Über uns", "Łódź"});
    for (int reduction : {5, 6})
        for (int bits = 3; bits <= 7; ++bits)
            for (int dither : {0, 1, 4})
                commands.push_back({"--no-settings", "--style", data("tiles-plain.ini"), "--out",
                                    dir("bits/r" + std::to_string(reduction) + "-b" + std::to_string(bits) + "-d" +
                                        std::to_string(dither)),
                                    "--format", "gif", "--reduction", std::to_string(reduction), "--dither",
                                    std::to_string(dither), "--compression", "lzw", "--bits", std::to_string(bits),
                                    "-q", "Crème brûlée", "FAQ"});
    return commands;
}

TEST_F(GoldenOutputs, BatchImagesKeepTheirBytes)
{
    const auto commands = batchCommands(out);
    const auto results = runPrograms(NIMBREL_BATCH_EXE, commands, home.string(), root.string());
    for (std::size_t i = 0; i < results.size(); ++i)
        ASSERT_EQ(results[i].status, 0) << "command " << i << ": " << results[i].err;

    const auto actual = hashTree(out);
    const fs::path manifest = kData / "expected.sha256";
    if (updating()) {
        writeManifest(manifest, actual);
        GTEST_SKIP() << "recorded " << actual.size() << " files in " << manifest;
    }
    const auto expected = readManifest(manifest);
    ASSERT_FALSE(expected.empty()) << "no record in " << manifest;
    int differing = 0;
    for (const auto& [name, hash] : expected) {
        const auto found = actual.find(name);
        if (found == actual.end())
            ADD_FAILURE() << "not written: " << name;
        else if (found->second != hash && ++differing <= 20)
            ADD_FAILURE() << "different bytes: " << name;
    }
    for (const auto& [name, hash] : actual)
        if (!expected.count(name)) ADD_FAILURE() << "not in the record: " << name;
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(actual.size(), expected.size());
}

// The window started on `seed` (an empty folder when none) and ended as the
// desktop ends it at logout; the files it leaves, with the folder's own path
// written as <HOME>/ so the record does not depend on where the test runs.
void checkWindowFiles(const fs::path& home, const fs::path& seed, const fs::path& scratch)
{
    if (!seed.empty())
        for (const char* name : {"Nimbrel.ini", "Nimbrel_captions.ini"})
            fs::copy_file(seed / name, home / name, fs::copy_options::overwrite_existing);
    const int status = runWindowUntilReady(NIMBREL_WINDOW_EXE, home.string(), scratch.string(),
                                           (home / "Styles").string());
    ASSERT_EQ(status, 0);

    const fs::path record = seed.empty() ? kData / "first-start" : seed;
    std::string homeText = home.string() + "/";
    for (const char* name : {"Nimbrel.ini", "Nimbrel_captions.ini"}) {
        std::string written = fileText(home / name);
        for (std::size_t at; (at = written.find(homeText)) != std::string::npos;)
            written.replace(at, homeText.size(), "<HOME>/");
        const fs::path expectedFile = record / (std::string("expected-") + name);
        if (updating()) {
            fs::create_directories(record);
            writeBytes(expectedFile, written);
            continue;
        }
        EXPECT_EQ(written, fileText(expectedFile)) << name;
    }
}

TEST_F(GoldenOutputs, WindowSettingsAtFirstStart)
{
    checkWindowFiles(home, {}, root);
}

TEST_F(GoldenOutputs, WindowSettingsAfterChanges)
{
    checkWindowFiles(home, kData / "changed", root);
}

}  // namespace
}  // namespace nimbrel::test
