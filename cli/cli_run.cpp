#include "cli/cli_run.h"

#include <unistd.h>

#include <algorithm>
#include <new>
#include <optional>

#include "base/app_folder.h"
#include "base/error.h"
#include "base/file_io.h"
#include "base/folders.h"
#include "base/printable_text.h"
#include "base/text_codec.h"
#include "base/value_error.h"
#include "batch/batch_steps.h"
#include "batch/button_html.h"
#include "batch/caption_list_file.h"
#include "batch/caption_to_file_name.h"
#include "batch/ordered_pipeline.h"
#include "batch/output_name.h"
#include "batch/save_button.h"
#include "cli/cli_checks.h"
#include "core/renderer.h"
#include "settings/save_request_from_settings.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "settings/style_from_settings.h"

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

// One entry drawn and, when files are written, encoded: what its turn in
// list order reports and writes.
struct BuiltEntry {
    std::string problem;
    EncodedButton files;
    OutputFolder folder = OutputFolder::Existing;
    HtmlButton html;
    RasterBitmap button;  // the pixels its BMP is written from
};

// Draws and encodes the entries on `jobs` threads and writes them in list
// order on this one. Text is drawn on the worker threads too: Qt paints text
// onto a QImage from any thread, and each thread has its own fonts and
// bitmaps here. Without an output folder the entries are only drawn (and
// checked).
class BatchRun {
public:
    BatchRun(const ButtonStyle& style, const SaveRequest& request, std::optional<OutputFolder> output,
             Reporter& report)
        : style_(style), request_(request), output_(output), report_(report)
    {
    }

    const std::vector<HtmlButton>& htmlButtons() const { return html_; }

    void run(const std::vector<std::string>& captions, const std::vector<std::string>& fileNames, int jobs)
    {
        const std::size_t count = captions.size();
        // The font machinery fills its shared caches at the first text it
        // shapes; that happens here, before any other thread runs (main() makes
        // the palette that system colours come from).
        if (jobs > 1 && count > 1) {
            RasterFont font;
            applyCaptionFont(style_, font);
            measureText(font, captions.front());
        }
        std::vector<Worker> workers(static_cast<std::size_t>(std::max(jobs, 1)));
        runInListOrder<BuiltEntry>(
            count, jobs,
            [&](std::size_t i, int worker) {
                return build(workers[static_cast<std::size_t>(worker)], static_cast<int>(i), captions[i],
                             i < fileNames.size() ? fileNames[i] : std::string());
            },
            [&](std::size_t i, BuiltEntry& entry) {
                report_.problem(entry.problem);
                if (output_) {
                    for (const std::string& file : writeEncodedButton(entry.files, entry.folder))
                        report_.fileWritten(file);
                    for (const EncodedFile& file : entry.files.files)
                        if (!file.warning.empty()) report_.warn(file.name + ": " + file.warning);
                }
                html_.push_back(std::move(entry.html));
                report_.progress(static_cast<int>(i) + 1, static_cast<int>(count));
            },
            [](const BuiltEntry& entry) {
                std::size_t bytes = static_cast<std::size_t>(entry.button.width()) * entry.button.height() * 3;
                for (const EncodedFile& file : entry.files.files) bytes += file.bytes.size();
                return bytes;
            });
    }

private:
    // What one thread keeps from entry to entry, as the window keeps its preview.
    struct Worker {
        RasterFont previewFont;
        RasterBitmap button;
    };

    BuiltEntry build(Worker& w, int entry, const std::string& caption, const std::string& fileName) const
    {
        BuiltEntry built;
        const RasterFont drawnFont = w.previewFont;  // the scaled copies start from the same font
        const TextExtent text = renderButton(style_, caption, w.previewFont, w.button);
        built.html = {caption, fileName, w.button.width(), w.button.height()};
        built.problem = clippedCaptionProblem(entry, caption, text.width, w.button.width());
        if (output_) {
            SaveRequest request = request_;
            request.fileName = fileName;
            built.files = encodeButton(request, w.button.view(), [&](int scale) {
                return renderScaledButton(style_, caption, drawnFont, scale);
            });
            built.button = std::move(w.button);
            // A name with a folder part may lead out of the new folder, to files that exist.
            const bool staysInFolder =
                (request.prefix + request.fileName + request.suffix).find('/') == std::string::npos;
            built.folder = staysInFolder ? *output_ : OutputFolder::Existing;
        }
        return built;
    }

    const ButtonStyle& style_;
    const SaveRequest& request_;
    std::optional<OutputFolder> output_;
    Reporter& report_;
    std::vector<HtmlButton> html_;
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

// As "Open button style..." puts it into the window's controls.
ButtonStyle loadStyle(const std::string& fileName, const std::string& dataFolder)
{
    ButtonStyle style;
    readNaming(fileName, [&] { style.loadFromFile(fileName, dataFolder); });
    return styleAsShown(style);
}

void readCaptions(const std::string& fileName, std::vector<std::string>& captions,
                  std::vector<std::string>& fileNames)
{
    if (fileName != "-") {
        readNaming(fileName, [&] { readCaptionList(fileName, captions, fileNames); });
        return;
    }
    const std::string shownName = "standard input";
    const std::vector<std::uint8_t> bytes = readBounded(STDIN_FILENO, shownName);
    readNaming(shownName, [&] { readCaptionListLines(splitLines(decodeTextFile(bytes)), captions, fileNames); });
}

SaveRequest saveRequestFor(const Options& o, const AppFolders& folders, const SettingsValues& values,
                           const ButtonStyle& style)
{
    SaveRequest r = saveRequestFromSettings(values);
    r.prefix = style.prefix;
    r.suffix = style.suffix;
    if (o.outputDir) r.outputDir = *o.outputDir;
    if (r.outputDir.empty()) r.outputDir = folders.output;
    if (o.saveBmp) r.saveBmp = *o.saveBmp;
    if (o.saveGif) r.saveGif = *o.saveGif;
    if (o.savePng) r.savePng = *o.savePng;
    if (o.transparent) r.transparent = *o.transparent;
    if (o.transparentColor) r.transparentColor = *o.transparentColor;
    if (o.scales) r.scales = *o.scales;
    if (o.colorReduction) r.colorReduction = *o.colorReduction;
    if (o.dithering) r.dithering = *o.dithering;
    if (o.gifCompression) r.gifCompression = *o.gifCompression;
    if (o.reductionBits) r.reductionBits = *o.reductionBits;
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

    ImageFormat format = ImageFormat::Bmp;
    for (const ImageFormat f : kImageFormats)
        if (savesFormat(request, f)) {
            format = f;
            break;
        }
    const std::string extension = extensionOf(format);
    std::vector<std::string> stems;
    SaveRequest named = request;
    for (const std::string& name : fileNames) {
        named.fileName = name;
        const std::string file = saveFileName(named, format);
        stems.push_back(file.substr(0, file.size() - extension.size()));
    }
    for (const std::string& line : duplicateNameProblems(captions, stems, extension)) report.problem(line);
    // A real run refuses such a name with an error when it comes to save it.
    if (report.checking())
        for (const std::string& name : fileNames)
            report.problem(outputNameProblem(request.prefix, name, request.suffix, extension));
}

// Returns true when the folder is new (made now).
bool makeOutputFolder(const std::string& dir)
{
    if (isFolder(dir)) return false;
    if (!makeFolderWithParents(dir)) throw Error(folderNotCreatedMessage(dir));
    return true;
}

}  // namespace

int runBatch(const Options& o, const AppFolders& folders, Streams& streams)
{
    Reporter report(streams, o);
    try {
        SettingsStore settings = mainWindowSettingsStore(folders);
        settings.onMessage = [&report](const std::string& text) { report.warn(text); };
        if (!o.noSettings) settings.loadAll();
        const SettingsValues values = settingsValues(settings);

        const ButtonStyle style =
            o.styleFile ? loadStyle(*o.styleFile, folders.data) : styleFromSettings(values);
        std::vector<std::string> captions, fileNames;
        if (o.captionFile) readCaptions(*o.captionFile, captions, fileNames);
        const bool replaceSpaces = values.boolean(setting_key::kSpaceToUnderscore);
        const bool lowerCase = values.boolean(setting_key::kLowercase);
        for (const std::string& caption : o.captions) {
            captions.push_back(caption);
            fileNames.push_back(captionToFileName(caption,
                                                  replaceSpaces ? Spaces::ToUnderscores : Spaces::Keep,
                                                  lowerCase ? LetterCase::Lower : LetterCase::Keep));
        }

        const SaveRequest request = saveRequestFor(o, folders, values, style);
        if (!savesAnything(request)) report.warn(kNoOutputTypeMessage);
        reportPlanProblems(style, request, captions, fileNames, report);
        std::optional<OutputFolder> output;
        if (!o.check && savesAnything(request))
            output = makeOutputFolder(request.outputDir) ? OutputFolder::MadeThisRun : OutputFolder::Existing;

        BatchRun run(style, request, output, report);
        run.run(captions, fileNames, o.jobs.value_or(processorCount()));
        if (o.htmlFile && !o.check) {
            writeFileAtomically(*o.htmlFile, buttonSetPage(request, run.htmlButtons(),
                                                           folderUrlFrom(*o.htmlFile, request.outputDir)));
            report.fileWritten(*o.htmlFile);
        }
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
