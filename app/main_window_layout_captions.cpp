// The "Captions && Filenames" tab: caption, file name, the two lists, prefix and
// suffix, the automatic file-name options and the batch commands.
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "app/widgets/control_makers.h"

namespace nimbrel {

namespace {

// The user may type at most this many characters into the prefix and suffix.
constexpr int kAffixLength = 40;

QListWidget* makeListBox(const QString& name, const QString& accessibleName)
{
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

}  // namespace

QWidget* MainWindow::buildCaptionsTab()
{
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(6, 6, 6, 6);

    edtCaption = makeEdit("edtCaption", "Caption");
    edtFilename = makeEdit("edtFilename", "File name");
    grid->addWidget(makeLabel("Caption:", edtCaption), 0, 0);
    grid->addWidget(edtCaption, 0, 1);
    grid->addWidget(makeLabel("Filename:", edtFilename), 1, 0);
    grid->addWidget(edtFilename, 1, 1);
    grid->addWidget(makeLabel("(No extension)", edtFilename), 2, 1);

    chkAutoFilename = makeCheck("chkAutoFilename", "Automatic Filename from Caption");
    chkSpaceToUnderscore = makeCheck("chkSpaceToUnderscore", "Replace Spaces With Underscore");
    chkLowercase = makeCheck("chkLowercase", "Convert to Lowercase");
    // Checked from the start, so settings that clear them run their handlers.
    for (QCheckBox* box : {chkAutoFilename, chkSpaceToUnderscore, chkLowercase}) box->setChecked(true);
    auto* options = new QVBoxLayout;
    options->addWidget(chkAutoFilename);
    options->addWidget(chkSpaceToUnderscore);
    options->addWidget(chkLowercase);
    grid->addLayout(options, 3, 0, 1, 2);

    edtPrefix = makeEdit("edtPrefix", "Prefix");
    edtSuffix = makeEdit("edtSuffix", "Suffix");
    for (QLineEdit* edit : {edtPrefix, edtSuffix}) edit->setMaxLength(kAffixLength);
    auto* affixes = new QHBoxLayout;
    affixes->addWidget(makeLabel("Prefix:", edtPrefix));
    affixes->addWidget(edtPrefix);
    affixes->addWidget(makeLabel("Suffix:", edtSuffix));
    affixes->addWidget(edtSuffix);
    grid->addLayout(affixes, 4, 0, 1, 3);

    btnAddToList = makeButton("btnAddToList", "Add to List");
    btnUpdate = makeButton("btnUpdate", "Update");
    btnDelete = makeButton("btnDelete", "Delete");
    btnClear = makeButton("btnClear", "Clear All");
    auto* listButtons = new QVBoxLayout;
    for (QPushButton* b : {btnAddToList, btnUpdate, btnDelete, btnClear}) listButtons->addWidget(b);
    listButtons->addStretch(1);
    grid->addLayout(listButtons, 0, 2, 4, 1);

    lbCaption = makeListBox("lbCaption", "Caption list");
    lbFilename = makeListBox("lbFilename", "File name list");
    auto* lists = new QHBoxLayout;
    lists->addWidget(lbCaption);
    lists->addWidget(lbFilename);
    grid->addLayout(lists, 0, 3, 5, 1);

    btnStep = makeButton("btnStep", "Create Button && Advance");
    btnAll = makeButton("btnAll", "Create All Buttons");
    auto* batch = new QHBoxLayout;
    batch->addWidget(new QLabel("Batch Button Creation:"));
    batch->addWidget(btnStep);
    batch->addWidget(btnAll);
    batch->addStretch(1);
    grid->addLayout(batch, 5, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
    return content;
}

}  // namespace nimbrel
