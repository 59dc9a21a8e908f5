#include "app/dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <cstdio>

#include "base/printable_text.h"
#include "picker/color_picker_dialog.h"

namespace nimbrel {

namespace {

const char* const kTitle = "Nimbrel";

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

// "*.*" means every file on the system the filters were written for; here "*" does.
QString qtPatterns(const QString& patterns)
{
    QStringList parts = patterns.split(';', Qt::SkipEmptyParts);
    for (QString& p : parts) {
        if (p.trimmed() == "*.*") p = "*";
    }
    return parts.join(' ');
}

std::optional<std::string> chosen(const QString& name, const FileDialogOptions& options)
{
    if (name.isEmpty()) return std::nullopt;
    return withDefaultExtension(name.toStdString(), options.defaultExtension);
}

void setUp(QFileDialog& dialog, const FileDialogOptions& options)
{
    dialog.setWindowTitle(q(options.title));
    dialog.setNameFilter(q(qtFileFilter(options.filter)));
    dialog.setDefaultSuffix(q(options.defaultExtension));
    if (!options.initialFolder.empty()) dialog.setDirectory(q(options.initialFolder));
}

}  // namespace

std::string qtFileFilter(const std::string& pairs)
{
    const QStringList fields = q(pairs).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < fields.size(); i += 2) {
        QString label = fields[i];
        const qsizetype open = label.lastIndexOf('(');
        if (open > 0 && label.endsWith(')')) label = label.left(open).trimmed();
        filters << label + " (" + qtPatterns(fields[i + 1]) + ")";
    }
    return filters.join(";;").toStdString();
}

std::string withDefaultExtension(const std::string& fileName, const std::string& extension)
{
    if (extension.empty() || fileName.empty()) return fileName;
    const std::size_t slash = fileName.rfind('/');
    const std::string last = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    if (last.empty() || last.find('.') != std::string::npos) return fileName;
    return fileName + "." + extension;
}

QtDialogs::QtDialogs(QWidget* parent) : parent_(parent) {}

QtDialogs::~QtDialogs() = default;

void QtDialogs::message(const std::string& text)
{
    if (!interactive_) {
        std::fprintf(stderr, "%s: %s\n", kTitle, printableText(text).c_str());
        return;
    }
    QMessageBox::information(parent_, kTitle, q(text), QMessageBox::Ok);
}

std::unique_ptr<QMessageBox> makeYesNoQuestion(QWidget* parent, const std::string& title, const std::string& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Information, q(title), q(text),
                                             QMessageBox::Yes | QMessageBox::No, parent);
    box->setDefaultButton(QMessageBox::Yes);
    // The toolkit would make No the escape button, which the close button also presses.
    box->setEscapeButton(QMessageBox::Yes);
    return box;
}

bool answeredYes(const QMessageBox& box)
{
    return box.clickedButton() != box.button(QMessageBox::No);
}

bool QtDialogs::askYesNo(const std::string& title, const std::string& text)
{
    if (!interactive_) return true;
    const auto box = makeYesNoQuestion(parent_, title, text);
    box->exec();
    return answeredYes(*box);
}

std::optional<std::string> QtDialogs::openFileName(const FileDialogOptions& options)
{
    if (!interactive_) return std::nullopt;
    QFileDialog dialog(parent_);
    setUp(dialog, options);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);  // the file need not exist: reading it reports that
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return chosen(dialog.selectedFiles().front(), options);
}

std::optional<std::string> QtDialogs::saveFileName(const FileDialogOptions& options)
{
    if (!interactive_) return std::nullopt;
    QFileDialog dialog(parent_);
    setUp(dialog, options);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return chosen(dialog.selectedFiles().front(), options);
}

std::optional<std::string> QtDialogs::folderName(const std::string& title, const std::string& initialFolder)
{
    if (!interactive_) return std::nullopt;
    const QString folder = QFileDialog::getExistingDirectory(parent_, q(title), q(initialFolder));
    if (folder.isEmpty()) return std::nullopt;
    return folder.toStdString();
}

std::optional<Color> QtDialogs::chooseColor(Color initial)
{
    if (!interactive_) return std::nullopt;
    if (!dlgColor_) {
        dlgColor_ = std::make_unique<ColorPickerDialog>(parent_);
        // The dialog is ours to delete; the parent only owns the picker windows it shows.
        dlgColor_->setParent(nullptr);
        dlgColor_->setTitle("Color Picker");
    }
    return dlgColor_->chooseColor(initial);
}

}  // namespace nimbrel
