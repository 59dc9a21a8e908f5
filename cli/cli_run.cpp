#include "cli/cli_run.h"

#include <unistd.h>

#include <filesystem>
#include <new>

#include "cli/cli_checks.h"
#include "cli/standard_input.h"
#include "base/text_codec.h"
#include "base/value_error.h"
#include "settings/main_window_settings.h"
#include "settings/settings_store.h"
#include "batch/batch_steps.h"
#include "batch/caption_list_file.h"
#include "batch/caption_to_file_name.h"
#include "batch/output_name.h"
#include "batch/save_button.h"
#include "settings/save_request_from_settings.h"
#include "base/app_folder.h"
#include "core/renderer.h"
#include "settings/style_from_settings.h"
#include "base/error.h"
#include "base/printable_text.h"
#include "image/gif_options.h"

namespace nimbrel::cli {
namespace {

// Where warnings, problems and the progress line go.
class Reporter {
public:
    Reporter(Streams& streams, const Options& options) : s_(streams), o_(options) {}

    void warn(const std::string& text)
    {
        if (o_.quiet) return;
        endProgress();
        s_.err << kProgramPrefix << "warning: " << printableText(text) << '\n';
    }
    // A --check finding: a line on standard output then, a warning otherwise.
    void problem(const std::string& text)
    {
        if (text.empty()) return;
        ++problems_;
        if (o_.check) {
            s_.out << printableText(text) << '\n';
        } else {
            warn(text);
        }
    }
    void error(const std::string& text)
    {
        endProgress();
        s_.err << kProgramPrefix << printableText(text) << '\n';
    }
    // Flushed at once, so the list on standard output always matches the disk,
    // however the run ends.
    void fileWritten(const std::string& path) { s_.out << printableText(path) << std::endl; }
    void progress(int done, int total)
    {
        if (o_.quiet || !s_.errIsTerminal || total <= kBatchProgressThreshold) return;
        s_.err << '\r' << kProgramPrefix << done << '/' << total << std::flush;
        progressShown_ = done < total;
        if (!progressShown_) s_.err << '\n';
    }
    void endProgress()
    {
        if (progressShown_) s_.err << '\n';
        progressShown_ = false;
    }
    int problemCount() const { return problems_; }
    bool checking() const { return o_.check; }

private:
    Streams& s_;
    const Options& o_;
    int problems_ = 0;
    bool progressShown_ = false;
};

// Nobody to ask: the folder was wanted (--out makes it), and a notice that
// would stop the window's save ends the run instead.
class NoDialogs : public SaveInteraction {
public:
    bool askYesNo(const std::string&) override { return true; }
    void showMessage(const std::string& text) override { throw Error(text); }
};

class BatchRun : public BatchHost {
public:
    BatchRun(const ButtonStyle& style, const SaveRequest& request, bool writeFiles, Reporter& report)
        : style_(style), request_(request), writeFiles_(writeFiles), report_(report)
    {
    }

    void loadEntry(const std::string& caption, const std::string& fileName) override
    {
        caption_ = caption;
        request_.fileName = fileName;
    }
    void selectEntry(int) override {}
    void draw() override
    {
        renderButton(style_, caption_, previewFont_, button_);
        // The font of the preview now holds the caption font the button was measured in.
        report_.problem(clippedCaptionProblem(entry_, caption_, measureText(previewFont_, caption_).width,
                                              button_.width()));
    }
    void save() override
    {
        if (writeFiles_) {
            for (const std::string& file : saveButton(request_, button_.view(), dialogs_).filesWritten)
                report_.fileWritten(file);
        }
        ++entry_;
    }
    bool keepGoing(int done, int total) override
    {
        report_.progress(done, total);
        return true;
    }

private:
    const ButtonStyle& style_;
    SaveRequest request_;
    bool writeFiles_;
    Reporter& report_;
    std::string caption_;
    int entry_ = 0;
    RasterFont previewFont_;
    RasterBitmap button_;
    NoDialogs dialogs_;
};

// Runs one read of an input file; a value that does not read is reported as
// "<file>: <key>: <what is wrong>", so the user knows where to look.
template <class Read>
void readNaming(const std::string& shownName, Read read)
{
    try {
        read();
    } catch (const ValueError& e) {
        throw Error(shownName + ": " + e.key() + ": " + e.problem());
    }
}

ButtonStyle loadStyle(const std::string& fileName)
{
    ButtonStyle style;
    readNaming(fileName, [&] { style.loadFromFile(fileName); });
    return style;
}

void readCaptions(const std::string& fileName, std::vector<std::string>& captions,
                  std::vector<std::string>& fileNames)
{
    if (fileName != "-") {
        readNaming(fileName, [&] { readCaptionList(fileName, captions, fileNames); });
        return;
    }
    const std::string shownName = "standard input";
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readAllInput(STDIN_FILENO);
    } catch (const Error& e) {
        throw Error(shownName + ": " + e.what());
    }
    readNaming(shownName, [&] { readCaptionListLines(splitLines(decodeTextFile(bytes)), captions, fileNames); });
}

SaveRequest saveRequestFor(const Options& o, const SettingsValues& values, const ButtonStyle& style)
{
    SaveRequest r = saveRequestFromSettings(values);
    r.prefix = style.prefix;
    r.suffix = style.suffix;
    if (o.outputDir) r.outputDir = *o.outputDir;
    if (r.outputDir.empty()) r.outputDir = appFolders().output;
    if (o.saveBmp) r.saveBmp = *o.saveBmp;
    if (o.saveGif) r.saveGif = *o.saveGif;
    if (o.colorReduction) r.colorReduction = *o.colorReduction;
    if (o.dithering) r.dithering = *o.dithering;
    if (o.gifCompression) r.gifCompression = *o.gifCompression;
    if (o.reductionBits) r.reductionBits = *o.reductionBits - kMinReductionBits;
    return r;
}

void reportPlanProblems(const ButtonStyle& style, const SaveRequest& request,
                        const std::vector<std::string>& captions, const std::vector<std::string>& fileNames,
                        Reporter& report)
{
    if (const std::string drawn = substituteFace(style); !drawn.empty())
        report.problem("font \"" + style.fontName + "\" is not installed: \"" + drawn +
                       "\" is drawn instead");
    for (const std::string& line : missingBitmapProblems(style)) report.problem(line);

    const std::string extension = request.saveBmp || !request.saveGif ? ".bmp" : ".gif";
    std::vector<std::string> stems;
    SaveRequest named = request;
    for (const std::string& name : fileNames) {
        named.fileName = name;
        const std::string bmp = saveFileNames(named).bmp;
        stems.push_back(bmp.substr(0, bmp.size() - 4));
    }
    for (const std::string& line : duplicateNameProblems(captions, stems, extension)) report.problem(line);
    // A real run refuses such a name with an error when it comes to save it.
    if (report.checking())
        for (const std::string& name : fileNames)
            report.problem(outputNameProblem(request.prefix, name, request.suffix, extension));
}

void makeOutputFolder(const std::string& dir)
{
    std::error_code ec;
    if (std::filesystem::is_directory(std::filesystem::u8path(dir), ec)) return;
    if (!createFolderQuietly(dir)) throw Error(folderNotCreatedMessage(dir));
}

}  // namespace

int runBatch(const Options& o, Streams& streams)
{
    Reporter report(streams, o);
    try {
        SettingsStore settings = mainWindowSettingsStore();
        settings.onMessage = [&report](const std::string& text) { report.warn(text); };
        if (!o.noSettings) settings.loadAll();
        const SettingsValues values = settingsValues(settings);

        const ButtonStyle style = o.styleFile ? loadStyle(*o.styleFile) : styleFromSettings(values);
        std::vector<std::string> captions, fileNames;
        if (o.captionFile) readCaptions(*o.captionFile, captions, fileNames);
        const bool replaceSpaces = values.boolean("chkSpaceToUnderscore");
        const bool lowerCase = values.boolean("chkLowercase");
        for (const std::string& caption : o.captions) {
            captions.push_back(caption);
            fileNames.push_back(captionToFileName(caption, replaceSpaces, lowerCase));
        }

        const SaveRequest request = saveRequestFor(o, values, style);
        if (!request.saveBmp && !request.saveGif) report.warn(kNoOutputTypeMessage);
        reportPlanProblems(style, request, captions, fileNames, report);
        if (!o.check && (request.saveBmp || request.saveGif)) makeOutputFolder(request.outputDir);

        BatchRun run(style, request, !o.check && (request.saveBmp || request.saveGif), report);
        createAllButtons({captions, fileNames}, run);
    } catch (const Error& e) {
        report.error(e.what());
        return 1;
    } catch (const std::bad_alloc&) {
        report.error(kOutOfMemoryMessage);
        return 1;
    } catch (const std::exception& e) {
        report.error(e.what());
        return 1;
    }
    return o.check && report.problemCount() > 0 ? 1 : 0;
}

}  // namespace nimbrel::cli
