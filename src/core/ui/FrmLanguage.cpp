#include "core/ui/FrmLanguage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "core/LangText.h"
#include "core/MainWindowHooks.h"
#include "core/SharedState.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"

FrmLanguage::FrmLanguage(QWidget* parent) : QDialog(parent) {
    platform::SetControlName(this, "FrmLanguage");
    label1_ = platform::Named(new QLabel(this), "Label1");
    combo1_ = new platform::ComboBox(this, "Combo1");
    commandOK_ = platform::NewCommandButton(this, "CommandOK");
    commandCancel_ = platform::NewCommandButton(this, "CommandCancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(label1_, 0, 0, Qt::AlignRight);
    grid->addWidget(combo1_, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(commandOK_);
    buttons->addWidget(commandCancel_);
    grid->addLayout(buttons, 1, 0, 1, 2);

    const QString caption = QString::fromStdString(GetLangText(1503));
    setWindowTitle(caption);
    label1_->setText(caption);
    SetOKCancelCaption(this);
    combo1_->AddItem(GetLangText(1501));
    combo1_->AddItem(GetLangText(1502));
    combo1_->SetListIndex(LangIndex - 1);

    connect(commandOK_, &QPushButton::clicked, this, &FrmLanguage::CommandOK_Click);
    connect(commandCancel_, &QPushButton::clicked, this, &FrmLanguage::CommandCancel_Click);
}

void FrmLanguage::CommandOK_Click() {
    // With nothing chosen the language stays as it is.
    if (combo1_->ListIndex() >= 0) {
        LangIndex = int16_t(combo1_->ListIndex() + 1);
        LangFileName = LangIndex == 2 ? "Tchinese.ini" : "english.ini";
        LangFilePath = LangFileOf(LangIndex);
        MainView().Form_ReLoad();
    }
    accept();
}

void ShowFrmLanguage() {
    FrmLanguage dialog;
    dialog.exec();
}
