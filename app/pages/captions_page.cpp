#include "app/pages/captions_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/settings_binding.h"
#include "app/widgets/control_makers.h"
#include "app/widgets/list_items.h"
#include "batch/caption_to_file_name.h"

namespace nimbrel {

namespace {

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string text(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

QListWidget* makeListBox(const QString& name, const QString& accessibleName)
{
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
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

CaptionsPage::CaptionsPage(Guard guard, QWidget* parent) : QWidget(parent), guard_(guard)
{
    setObjectName("tabCaptions");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);

    edtCaption_ = makeSettingEdit(setting_key::kCaption, "Caption");
    edtFilename_ = makeSettingEdit(setting_key::kFileName, "File name");
    grid->addWidget(makeLabel("Caption:", edtCaption_), 0, 0);
    grid->addWidget(edtCaption_, 0, 1);
    grid->addWidget(makeLabel("Filename:", edtFilename_), 1, 0);
    grid->addWidget(edtFilename_, 1, 1);
    grid->addWidget(makeLabel("(No extension)", edtFilename_), 2, 1);

    chkAutoFilename_ = makeCheck("chkAutoFilename", "Automatic Filename from Caption");
    chkSpaceToUnderscore_ = makeCheck("chkSpaceToUnderscore", "Replace Spaces With Underscore");
    chkLowercase_ = makeCheck("chkLowercase", "Convert to Lowercase");
    // Checked from the start, so settings that clear them run their handlers.
    for (QCheckBox* box : {chkAutoFilename_, chkSpaceToUnderscore_, chkLowercase_}) box->setChecked(true);
    auto* options = new QVBoxLayout;
    options->addWidget(chkAutoFilename_);
    options->addWidget(chkSpaceToUnderscore_);
    options->addWidget(chkLowercase_);
    grid->addLayout(options, 3, 0, 1, 2);

    edtPrefix_ = makeStyleEdit(&ButtonStyle::prefix, "Prefix");
    edtSuffix_ = makeStyleEdit(&ButtonStyle::suffix, "Suffix");
    auto* affixes = new QHBoxLayout;
    affixes->addWidget(makeLabel("Prefix:", edtPrefix_));
    affixes->addWidget(edtPrefix_);
    affixes->addWidget(makeLabel("Suffix:", edtSuffix_));
    affixes->addWidget(edtSuffix_);
    grid->addLayout(affixes, 4, 0, 1, 3);

    btnAddToList_ = makeButton("btnAddToList", "Add to List");
    btnUpdate_ = makeButton("btnUpdate", "Update");
    btnDelete_ = makeButton("btnDelete", "Delete");
    btnClear_ = makeButton("btnClear", "Clear All");
    auto* listButtons = new QVBoxLayout;
    for (QPushButton* b : {btnAddToList_, btnUpdate_, btnDelete_, btnClear_}) listButtons->addWidget(b);
    listButtons->addStretch(1);
    grid->addLayout(listButtons, 0, 2, 4, 1);

    lbCaption_ = makeListBox("lbCaption", "Caption list");
    lbFilename_ = makeListBox("lbFilename", "File name list");
    auto* lists = new QHBoxLayout;
    lists->addWidget(lbCaption_);
    lists->addWidget(lbFilename_);
    grid->addLayout(lists, 0, 3, 5, 1);

    btnStep_ = makeButton("btnStep", "Create Button && Advance");
    btnAll_ = makeButton("btnAll", "Create All Buttons");
    auto* batch = new QHBoxLayout;
    batch->addWidget(new QLabel("Batch Button Creation:"));
    batch->addWidget(btnStep_);
    batch->addWidget(btnAll_);
    batch->addStretch(1);
    btnCopyHtml_ = makeButton("btnCopyHtml", "Copy HTML");
    btnCopyHtml_->setToolTip("Copies the <img> tags of the selected entry, or of all entries, to the clipboard");
    batch->addWidget(btnCopyHtml_);
    grid->addLayout(batch, 5, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
    connectSignals();
}

void CaptionsPage::connectSignals()
{
    guard_.connect(edtCaption_, &QLineEdit::textChanged, this, [this] { emit captionChanged(); });
    guard_.connect(edtCaption_, &QLineEdit::returnPressed, this, [this] { addCaptionOnEnter(); });
    guard_.connect(chkAutoFilename_, &QCheckBox::toggled, this, [this] { updateFileNameOptions(); });
    guard_.connect(btnAddToList_, &QPushButton::clicked, this, [this] { addToList(); });
    guard_.connect(btnUpdate_, &QPushButton::clicked, this, [this] { updateListEntry(); });
    guard_.connect(btnDelete_, &QPushButton::clicked, this, [this] { deleteListEntry(); });
    guard_.connect(btnClear_, &QPushButton::clicked, this, [this] { clearLists(); });
    guard_.connect(btnStep_, &QPushButton::clicked, this, [this] { emit createNextRequested(); });
    guard_.connect(btnAll_, &QPushButton::clicked, this, [this] { emit createAllRequested(); });
    guard_.connect(btnCopyHtml_, &QPushButton::clicked, this, [this] { emit copyHtmlRequested(); });
    // A click or a keyboard move changes the selection; a click on the entry that
    // is already selected loads it again (as it does after the edits changed).
    for (QListWidget* list : {lbCaption_, lbFilename_}) {
        guard_.connect(list, &QListWidget::itemSelectionChanged, this, [this, list] { selectFrom(list); });
        guard_.connect(list, &QListWidget::itemClicked, this, [this, list] { selectFrom(list); });
    }
}

void CaptionsPage::readInto(SaveRequest& request) const
{
    request.prefix = text(edtPrefix_);
    request.fileName = text(edtFilename_);
    request.suffix = text(edtSuffix_);
}

std::string CaptionsPage::caption() const
{
    return text(edtCaption_);
}

void CaptionsPage::deriveFileName()
{
    if (chkAutoFilename_->isChecked())
        edtFilename_->setText(q(captionToFileName(
            text(edtCaption_), chkSpaceToUnderscore_->isChecked() ? Spaces::ToUnderscores : Spaces::Keep,
            chkLowercase_->isChecked() ? LetterCase::Lower : LetterCase::Keep)));
}

void CaptionsPage::updateFileNameOptions()
{
    const bool automatic = chkAutoFilename_->isChecked();
    chkSpaceToUnderscore_->setEnabled(automatic);
    chkLowercase_->setEnabled(automatic);
}

void CaptionsPage::loadEntry(const std::string& caption, const std::string& fileName)
{
    edtCaption_->setText(q(caption));  // raises the change only when the text differs
    edtFilename_->setText(q(fileName));
}

void CaptionsPage::selectEntry(int index)
{
    ScopedFlag syncing(listsSyncing_);
    selectIndex(lbCaption_, index);
    selectIndex(lbFilename_, index);
}

int CaptionsPage::selectedEntry() const
{
    return selectedIndex(lbCaption_);
}

std::vector<std::string> CaptionsPage::captions() const
{
    return itemsOf(lbCaption_);
}

std::vector<std::string> CaptionsPage::fileNames() const
{
    return itemsOf(lbFilename_);
}

void CaptionsPage::appendEntries(const std::vector<std::string>& captions,
                                 const std::vector<std::string>& fileNames)
{
    appendItems(lbCaption_, captions);
    appendItems(lbFilename_, fileNames);
}

void CaptionsPage::replaceEntries(const std::vector<std::string>& captions,
                                  const std::vector<std::string>& fileNames)
{
    ScopedFlag syncing(listsSyncing_);
    lbCaption_->clear();
    appendItems(lbCaption_, captions);
    lbFilename_->clear();
    appendItems(lbFilename_, fileNames);
}

void CaptionsPage::addToList()
{
    lbCaption_->addItem(edtCaption_->text());
    lbFilename_->addItem(edtFilename_->text());
    focusAndSelectAll(edtCaption_);
}

void CaptionsPage::addCaptionOnEnter()
{
    addToList();
    edtCaption_->selectAll();
}

void CaptionsPage::selectFrom(QListWidget* list)
{
    if (listsSyncing_) return;
    QListWidget* other = list == lbCaption_ ? lbFilename_ : lbCaption_;
    const int index = selectedIndex(list);
    {
        ScopedFlag syncing(listsSyncing_);
        selectIndex(other, index);
    }
    // An entry unselected (Ctrl+click) names no pair: the edits stay.
    if (index < 0) return;
    edtCaption_->setText(q(entryText(lbCaption_, selectedIndex(lbCaption_))));
    // After the caption, so the stored name replaces a derived one.
    edtFilename_->setText(q(entryText(lbFilename_, selectedIndex(lbFilename_))));
}

void CaptionsPage::updateListEntry()
{
    if (QListWidgetItem* item = lbCaption_->item(selectedIndex(lbCaption_)))
        item->setText(edtCaption_->text());
    if (QListWidgetItem* item = lbFilename_->item(selectedIndex(lbFilename_)))
        item->setText(edtFilename_->text());
    focusAndSelectAll(edtCaption_);
}

void CaptionsPage::deleteListEntry()
{
    ScopedFlag syncing(listsSyncing_);
    for (QListWidget* list : {lbCaption_, lbFilename_}) {
        const int index = selectedIndex(list);
        if (index >= 0) delete list->takeItem(index);
    }
    selectEntry(-1);
}

void CaptionsPage::clearLists()
{
    {
        ScopedFlag syncing(listsSyncing_);
        lbCaption_->clear();
        lbFilename_->clear();
    }
    loadEntry("untitled", "untitled");
    emit redrawRequested();
}

}  // namespace nimbrel
