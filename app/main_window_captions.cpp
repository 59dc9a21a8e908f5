// The "Captions && Filenames" tab: the caption and file-name edits, the two
// parallel lists and the file name derived from the caption.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/main_window.h"
#include "app/widgets/list_items.h"
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

void MainWindow::connectCaptionTriggers()
{
    auto on = [this](void (MainWindow::*handler)()) {
        return [this, handler] { guard([this, handler] { (this->*handler)(); }); };
    };
    connect(btnSave, &QPushButton::clicked, this, on(&MainWindow::saveButtonImage));
    connect(btnAddToList, &QPushButton::clicked, this, on(&MainWindow::addToList));
    connect(edtCaption, &QLineEdit::returnPressed, this, on(&MainWindow::addCaptionOnEnter));
    connect(btnUpdate, &QPushButton::clicked, this, on(&MainWindow::updateListEntry));
    connect(btnDelete, &QPushButton::clicked, this, on(&MainWindow::deleteListEntry));
    connect(btnClear, &QPushButton::clicked, this, on(&MainWindow::clearLists));
    connect(btnStep, &QPushButton::clicked, this, on(&MainWindow::createNextButton));
    connect(btnAll, &QPushButton::clicked, this, on(&MainWindow::createAllButtons));
    // A click or a keyboard move changes the selection; a click on the entry that
    // is already selected loads it again (as it does after the edits changed).
    for (auto [list, handler] : {std::pair{lbCaption, &MainWindow::selectFromCaptionList},
                                 std::pair{lbFilename, &MainWindow::selectFromFileNameList}}) {
        connect(list, &QListWidget::itemSelectionChanged, this, on(handler));
        connect(list, &QListWidget::itemClicked, this, on(handler));
    }
}

void MainWindow::captionEdited()
{
    if (loading_) return;
    if (chkAutoFilename->isChecked())
        edtFilename->setText(q(captionToFileName(
            edtCaption->text().toStdString(), chkSpaceToUnderscore->isChecked(), chkLowercase->isChecked())));
    drawButton();
}

void MainWindow::loadEntry(const std::string& caption, const std::string& fileName)
{
    edtCaption->setText(q(caption));  // raises the change only when the text differs
    edtFilename->setText(q(fileName));
}

void MainWindow::selectEntry(int index)
{
    ScopedFlag syncing(listsSyncing_);
    selectIndex(lbCaption, index);
    selectIndex(lbFilename, index);
}

void MainWindow::addToList()
{
    lbCaption->addItem(edtCaption->text());
    lbFilename->addItem(edtFilename->text());
    focusAndSelectAll(edtCaption);
}

void MainWindow::addCaptionOnEnter()
{
    addToList();
    edtCaption->selectAll();
}

void MainWindow::selectFromCaptionList()
{
    selectFrom(lbCaption);
}

void MainWindow::selectFromFileNameList()
{
    selectFrom(lbFilename);
}

void MainWindow::selectFrom(QListWidget* list)
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

void MainWindow::updateListEntry()
{
    if (QListWidgetItem* item = lbCaption->item(selectedIndex(lbCaption))) item->setText(edtCaption->text());
    if (QListWidgetItem* item = lbFilename->item(selectedIndex(lbFilename)))
        item->setText(edtFilename->text());
    focusAndSelectAll(edtCaption);
}

void MainWindow::deleteListEntry()
{
    ScopedFlag syncing(listsSyncing_);
    for (QListWidget* list : {lbCaption, lbFilename}) {
        const int index = selectedIndex(list);
        if (index >= 0) delete list->takeItem(index);
    }
    selectEntry(-1);
}

void MainWindow::clearLists()
{
    {
        ScopedFlag syncing(listsSyncing_);
        lbCaption->clear();
        lbFilename->clear();
    }
    loadEntry("untitled", "untitled");
    drawButton();
}

}  // namespace nimbrel
