// The "Captions && Filenames" tab: the caption and file-name edits, the two
// parallel lists and the file name derived from the caption.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/main_window.h"
#include "app/main_window_lists.h"
#include "batch/caption_to_file_name.h"

namespace nimbrel {

namespace {

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string entryText(const QListWidget* list, int index)
{
    const QListWidgetItem* item = list->item(index);
    return item ? item->text().toStdString() : std::string();
}

void focusAndSelectAll(QLineEdit* edit)
{
    edit->setFocus();
    edit->selectAll();
}

}  // namespace

void TfrmMain::connectCaptionTriggers()
{
    auto on = [this](void (TfrmMain::*handler)()) {
        return [this, handler] { guard([this, handler] { (this->*handler)(); }); };
    };
    connect(btnSave, &QPushButton::clicked, this, on(&TfrmMain::btnSaveClick));
    connect(btnAddToList, &QPushButton::clicked, this, on(&TfrmMain::btnAddToListClick));
    connect(edtCaption, &QLineEdit::returnPressed, this, on(&TfrmMain::edtCaptionKeyDown));
    connect(btnUpdate, &QPushButton::clicked, this, on(&TfrmMain::btnUpdateClick));
    connect(btnDelete, &QPushButton::clicked, this, on(&TfrmMain::btnDeleteClick));
    connect(btnClear, &QPushButton::clicked, this, on(&TfrmMain::btnClearClick));
    connect(btnStep, &QPushButton::clicked, this, on(&TfrmMain::btnStepClick));
    connect(btnAll, &QPushButton::clicked, this, on(&TfrmMain::btnAllClick));
    // A click or a keyboard move changes the selection; a click on the entry that
    // is already selected loads it again (as it does after the edits changed).
    for (auto [list, handler] : {std::pair{lbCaption, &TfrmMain::lbCaptionClick},
                                 std::pair{lbFilename, &TfrmMain::lbFilenameClick}}) {
        connect(list, &QListWidget::itemSelectionChanged, this, on(handler));
        connect(list, &QListWidget::itemClicked, this, on(handler));
    }
}

void TfrmMain::edtCaptionChange()
{
    if (loading_) return;
    if (chkAutoFilename->isChecked())
        edtFilename->setText(q(CaptionToFileName(
            edtCaption->text().toStdString(), chkSpaceToUnderscore->isChecked(), chkLowercase->isChecked())));
    btnDrawClick();
}

void TfrmMain::loadEntry(const std::string& caption, const std::string& fileName)
{
    edtCaption->setText(q(caption));  // raises the change only when the text differs
    edtFilename->setText(q(fileName));
}

void TfrmMain::selectEntry(int index)
{
    ScopedFlag syncing(listsSyncing_);
    selectIndex(lbCaption, index);
    selectIndex(lbFilename, index);
}

void TfrmMain::btnAddToListClick()
{
    lbCaption->addItem(edtCaption->text());
    lbFilename->addItem(edtFilename->text());
    focusAndSelectAll(edtCaption);
}

void TfrmMain::edtCaptionKeyDown()
{
    btnAddToListClick();
    edtCaption->selectAll();
}

void TfrmMain::lbCaptionClick()
{
    selectFrom(lbCaption);
}

void TfrmMain::lbFilenameClick()
{
    selectFrom(lbFilename);
}

void TfrmMain::selectFrom(QListWidget* list)
{
    if (listsSyncing_) return;
    QListWidget* other = list == lbCaption ? lbFilename : lbCaption;
    const int index = selectedIndex(list);
    {
        ScopedFlag syncing(listsSyncing_);
        selectIndex(other, index);
    }
    // An entry unselected (Ctrl+click) names no pair: the edits stay.
    if (index < 0) return;
    edtCaption->setText(q(entryText(lbCaption, selectedIndex(lbCaption))));
    // After the caption, so the stored name replaces a derived one.
    edtFilename->setText(q(entryText(lbFilename, selectedIndex(lbFilename))));
}

void TfrmMain::btnUpdateClick()
{
    if (QListWidgetItem* item = lbCaption->item(selectedIndex(lbCaption))) item->setText(edtCaption->text());
    if (QListWidgetItem* item = lbFilename->item(selectedIndex(lbFilename)))
        item->setText(edtFilename->text());
    focusAndSelectAll(edtCaption);
}

void TfrmMain::btnDeleteClick()
{
    ScopedFlag syncing(listsSyncing_);
    for (QListWidget* list : {lbCaption, lbFilename}) {
        const int index = selectedIndex(list);
        if (index >= 0) delete list->takeItem(index);
    }
    selectEntry(-1);
}

void TfrmMain::btnClearClick()
{
    {
        ScopedFlag syncing(listsSyncing_);
        lbCaption->clear();
        lbFilename->clear();
    }
    loadEntry("untitled", "untitled");
    btnDrawClick();
}

}  // namespace nimbrel
