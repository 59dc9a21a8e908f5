#pragma once
// Saving the drawn button: makes sure the output folder exists (asking first),
// then, for each chosen scale, writes every chosen file type under the names
// of batch/save_file_names.h. Saving is split into making the files' bytes
// (encodeButton) and writing them (writeEncodedButton), so that a batch can
// make them on other threads; saveButton runs the two one after the other.
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "batch/save_file_names.h"
#include "batch/save_request.h"
#include "image/image.h"

namespace nimbrel {

// One file's bytes as the request asks for them, made in memory; `warning`
// says what could not be kept (a GIF transparency that did not survive).
struct EncodedImage {
    std::vector<std::uint8_t> bytes;
    std::string warning;
};
EncodedImage encodeButtonImage(const SaveRequest& request, ImageFormat format, const Bgr24View& image);

// The button drawn afresh at `scale` times its size (2 or 3) by the caller's
// renderer, which the layers below the renderer cannot call themselves.
using ScaledButtonDrawer = std::function<Bgr24Image(int scale)>;

// Saves the button as the request says: for each scale, every chosen type.
// A name that would leave the output folder or holds a NUL byte (see
// outputNameProblem) throws before anything is asked or written.
// Failures of writing or converting throw nimbrel::Error with the user's text
// and end the save at that file: files already written stay, a GIF that fails
// to convert leaves no file. An empty output folder fails with "Unable to
// create directory" once the user agrees. Scales above 1 need `drawScaled`.
SaveResult saveButton(const SaveRequest& request, const Bgr24View& button, SaveInteraction& ui,
                      const ScaledButtonDrawer& drawScaled = {});

// The files of one save made in memory (the button's BMP excepted, see
// EncodedFile::rowsOf), in the order saveButton writes them.
// A conversion that fails ends the list: `failure` holds its error, and the
// files before it are still written, as saveButton does.
struct EncodedFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
    std::string warning;  // what could not be kept, see EncodedImage
    // A BMP written in rows from these pixels instead of `bytes`; they must
    // outlive the write.
    std::optional<Bgr24View> rowsOf;
};
struct EncodedButton {
    std::vector<EncodedFile> files;
    std::exception_ptr failure;
};
EncodedButton encodeButton(const SaveRequest& request, const Bgr24View& button,
                           const ScaledButtonDrawer& drawScaled = {});

// Where the files go: a folder that may hold older files, or one this run has
// just made, where no file is looked for before one is written.
enum class OutputFolder { Existing, MadeThisRun };

// Writes the files in order, each atomically, then throws the failure, if
// any. Returns the names written.
std::vector<std::string> writeEncodedButton(const EncodedButton& button, OutputFolder folder);

}  // namespace nimbrel
