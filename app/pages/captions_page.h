#pragma once
// The "Captions && Filenames" tab: the caption and file-name edits, the two
// parallel lists and their commands, prefix and suffix, the automatic file-name
// options and the two batch buttons. The window draws the caption, derives the
// file name when the caption changes (captionChanged()) and runs the batches
// the page asks for.
#include <QWidget>
#include <string>
#include <vector>

#include "app/guard.h"
#include "batch/save_button.h"
#include "core/button_style.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace nimbrel {

class CaptionsPage : public QWidget {
    Q_OBJECT
public:
    explicit CaptionsPage(Guard guard, QWidget* parent = nullptr);

    // Prefix and suffix.
    // Prefix, file name and suffix.
    void readInto(SaveRequest& request) const;

    std::string caption() const;
    // The file name made from the caption, when the automatic box asks for it.
    void deriveFileName();

    // The caption (its change is told when the text differs), then the file name.
    void loadEntry(const std::string& caption, const std::string& fileName);
    // Selects entry `index` in both lists without loading it.
    void selectEntry(int index);
    int selectedEntry() const;
    std::vector<std::string> captions() const;
    std::vector<std::string> fileNames() const;
    void appendEntries(const std::vector<std::string>& captions, const std::vector<std::string>& fileNames);
    // Both lists replaced, nothing selected.
    void replaceEntries(const std::vector<std::string>& captions, const std::vector<std::string>& fileNames);

signals:
    void captionChanged();
    void redrawRequested();
    void createNextRequested();
    void createAllRequested();
    void copyHtmlRequested();

private:
    void connectSignals();
    void updateFileNameOptions();  // the two file-name options follow the automatic box
    void addToList();
    void addCaptionOnEnter();  // Enter: add, then select the caption again
    // Select: the same entry in the other list, then that pair into the edits.
    void selectFrom(QListWidget* list);
    void updateListEntry();
    void deleteListEntry();
    void clearLists();

    Guard guard_;
    QLineEdit* edtCaption_ = nullptr;
    QLineEdit* edtFilename_ = nullptr;
    QCheckBox* chkAutoFilename_ = nullptr;
    QCheckBox* chkSpaceToUnderscore_ = nullptr;
    QCheckBox* chkLowercase_ = nullptr;
    QLineEdit* edtPrefix_ = nullptr;
    QLineEdit* edtSuffix_ = nullptr;
    QPushButton* btnAddToList_ = nullptr;
    QPushButton* btnUpdate_ = nullptr;
    QPushButton* btnDelete_ = nullptr;
    QPushButton* btnClear_ = nullptr;
    QListWidget* lbCaption_ = nullptr;
    QListWidget* lbFilename_ = nullptr;
    QPushButton* btnStep_ = nullptr;
    QPushButton* btnAll_ = nullptr;
    QPushButton* btnCopyHtml_ = nullptr;
    bool listsSyncing_ = false;  // the program is moving the lists' selections: Select waits
};

}  // namespace nimbrel
