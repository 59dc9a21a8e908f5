#pragma once
// Every question, notice and file or colour choice the window puts to the user goes
// through this one interface, so tests can script the answers and no test ever
// blocks on a modal dialog.
#include <memory>
#include <optional>
#include <string>

#include "image/color.h"

class QMessageBox;
class QWidget;

namespace nimbrel {

class ColorPickerDialog;

// What an open or save dialog is set up with. The filter uses the "Label|pattern|..."
// pairs of the style and caption list commands, e.g. "Button Styles (*.ini)|*.ini".
struct FileDialogOptions {
    std::string title;
    std::string filter;
    std::string defaultExtension;  // added when the chosen name has none, without the dot
    std::string initialFolder;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A plain notice with an OK button, titled "Nimbrel".
    virtual void message(const std::string& text) = 0;
    // A Yes/No question with an information icon. Only an explicit No answers false.
    virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
    // The chosen file name, or nothing when the user cancels.
    virtual std::optional<std::string> openFileName(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> saveFileName(const FileDialogOptions& options) = 0;
    // The chosen folder, or nothing when the user cancels.
    virtual std::optional<std::string> folderName(const std::string& title,
                                                  const std::string& initialFolder) = 0;
    // The chosen colour, or nothing when the user cancels.
    virtual std::optional<Color> chooseColor(Color initial) = 0;
};

// The real dialogs, modal to `parent`.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr);
    ~QtDialogs() override;
    void setParent(QWidget* parent) { parent_ = parent; }
    // Not interactive (during a shut-down by a signal): notices go to standard
    // error, questions take their default answer (Yes), and choices are cancelled.
    void setInteractive(bool interactive) { interactive_ = interactive; }

    void message(const std::string& text) override;
    bool askYesNo(const std::string& title, const std::string& text) override;
    std::optional<std::string> openFileName(const FileDialogOptions& options) override;
    std::optional<std::string> saveFileName(const FileDialogOptions& options) override;
    std::optional<std::string> folderName(const std::string& title,
                                          const std::string& initialFolder) override;
    std::optional<Color> chooseColor(Color initial) override;

private:
    QWidget* parent_;
    bool interactive_ = true;
    // One colour dialog for the whole run, so it remembers its custom colours and place.
    std::unique_ptr<ColorPickerDialog> dlgColor_;
};

// The Yes/No question box of askYesNo, and its answer once closed: only its No
// button declines, so Escape and the title bar's close button count as Yes.
std::unique_ptr<QMessageBox> makeYesNoQuestion(QWidget* parent, const std::string& title, const std::string& text);
bool answeredYes(const QMessageBox& box);

// "Button Styles (*.ini)|*.ini|All Files (*.*)|*.*" -> "Button Styles (*.ini);;All Files (*.*)":
// the labels already name their patterns.
std::string qtFileFilter(const std::string& pairs);

// Adds ".<extension>" when the last path component has no dot and an extension is given.
std::string withDefaultExtension(const std::string& fileName, const std::string& extension);

}  // namespace nimbrel
