// The main window's menu bar, toolbar and the commands behind them.
#include <array>
#include <map>
#include <set>

#include <QAction>
#include <QDesktopServices>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QUrl>

#include "core/SharedState.h"
#include "link/ui/FrmPassWord.h"
#include "link/Session.h"
#include "platform/ui/Grid.h"
#include "mainwindow/ChannelViews.h"
#include "mainwindow/DialogLauncher.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/ui/Controls.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Picture.h"
#include "platform/LateWork.h"
#include "platform/ProgramFolder.h"
#include "platform/TextConvert.h"

namespace {


// The toolbar's pictures, numbered from 1 as the buttons name them.
constexpr std::array<std::string_view, 8> kToolPictures{
    "icons/tool1_new.png",  "icons/tool2_open.png",  "icons/tool3_save.png",  "icons/tool4_print.png",
    "icons/tool5_read.png", "icons/tool6_port.png", "icons/tool7_write.png", "icons/tool8_about.png",
};

QIcon ToolPicture(int number) {
    if (number < 1 || number > static_cast<int>(kToolPictures.size())) return {};
    const std::string_view picture = kToolPictures[static_cast<std::size_t>(number - 1)];
    return QIcon(platform::ReadPicture(platform::BesideProgram(std::string(picture))));
}

// The dialogs the openers of the menus and the tree show.
DialogId DialogOf(MainCommand command) {
    switch (command) {
        case MainCommand::ModelInfo: return DialogId::Model;
        case MainCommand::Options: return DialogId::Option;
        case MainCommand::DTMF: return DialogId::DTMF;
        case MainCommand::TwoTone: return DialogId::Tone2;
        case MainCommand::FiveTone: return DialogId::Tone5;
        case MainCommand::Scan: return DialogId::Scan;
        case MainCommand::Alert: return DialogId::Alert;
        case MainCommand::CommBook: return DialogId::CommuBook;
        case MainCommand::Note: return DialogId::Note;
        case MainCommand::TestData: return DialogId::TestData;
        case MainCommand::CHBatch: return DialogId::CHBatch;
        case MainCommand::SetCom: return DialogId::ComSet;
        case MainCommand::SetLanguage: return DialogId::Language;
        case MainCommand::FilePrint: return DialogId::PrintList;
        default: return DialogId::About;
    }
}

}  // namespace

void frmMain::CreateMenus() {
    const auto entries = MenuEntries();
    std::set<std::string_view> parents;
    for (const MenuEntry& e : entries) parents.insert(e.parent);

    std::map<std::string_view, QMenu*> menus;
    for (const MenuEntry& e : entries) {
        QMenu* parent = e.parent.empty() ? nullptr : menus.at(e.parent);
        if (parents.count(e.name)) {
            QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
            platform::SetControlName(menu->menuAction(), e.name);
            platform::IndexControl(menuBar(), menu->menuAction());
            platform::SetLangTag(menu->menuAction(), e.caption);
            menus[e.name] = menu;
            continue;
        }
        if (e.caption == 0) {
            QAction* separator = parent->addSeparator();
            platform::SetControlName(separator, e.name);
            platform::IndexControl(menuBar(), separator);
            continue;
        }
        QAction* item = nullptr;
        if (e.command == MainCommand::ViewToolBar)
            item = MnuViewToolBar;
        else if (e.command == MainCommand::ViewStatusBar)
            item = MnuViewStatusBar;
        if (item) {
            parent->addAction(item);
            continue;
        }
        item = platform::Named(new QAction(parent), e.name);
        // Found by name without a walk through every menu.
        platform::IndexControl(menuBar(), item);
        platform::SetLangTag(item, e.caption);
        if (!e.shortcut.empty()) item->setShortcut(QKeySequence(platform::QText(e.shortcut)));
        parent->addAction(item);
        platform::OnEvent(item, &QAction::triggered, this, std::string(e.name) + "_Click",
                          [this, command = e.command] { RunCommand(command); });
    }
}

void frmMain::ShowMenusBySwitches() {
    for (const MenuEntry& e : MenuEntries())
        if (QAction* item = MenuItem(e.name)) item->setVisible(e.shown);
}

void frmMain::CreateToolBarButtons() {
    for (const ToolButtonEntry& e : ToolButtonEntries()) {
        if (e.key.empty()) {
            tbToolBar->addSeparator();
            continue;
        }
        auto* button = platform::Named(new QAction(tbToolBar), e.key);
        button->setIcon(ToolPicture(e.picture));
        // The tip holds its language number until the window localises it.
        button->setToolTip(e.tip ? QString::number(e.tip) : QString());
        tbToolBar->addAction(button);
        platform::OnEvent(button, &QAction::triggered, this, "tbToolBar_ButtonClick",
                          [this, key = e.key] { tbToolBar_ButtonClick(key); });
    }
}

QAction* frmMain::MenuItem(std::string_view name) const {
    return platform::Control<QAction>(menuBar(), name);
}

QAction* frmMain::ToolButton(std::string_view key) const { return platform::Control<QAction>(tbToolBar, key); }

void frmMain::tbToolBar_ButtonClick(std::string_view key) { RunCommand(ToolButtonCommand(key)); }

void frmMain::RunCommand(MainCommand command) {
    // Start-up may have left work until the window painted (the port check
    // among it): whatever the user does comes after it.
    platform::RunLateWork();
    using C = MainCommand;
    switch (command) {
        case C::None:
        case C::TVList: return;
        case C::ShowGrid: ShowGridView(0); return;
        case C::ViewToolBar: MnuViewToolBar_Click(); return;
        case C::ViewStatusBar: MnuViewStatusBar_Click(); return;
        case C::HelpContent:
            QDesktopServices::openUrl(
                QUrl::fromLocalFile(
                    platform::QText(platform::BesideProgram(LangIndex == 2 ? "KQ_314C.chm" : "KQ_314E.chm"))));
            return;
        case C::HelpAbout: OpenDialog(DialogId::About); return;
        default: break;
    }

    // Whatever replaces the data, switches the view or opens a dialog first
    // takes in a cell that is still being edited, into the list it was
    // opened on.
    CommitPendingEditor();
    switch (command) {
        case C::FileNew: FileNew(); break;
        case C::FileOpen: FileOpen(); break;
        case C::FileSave: FileSave(); break;
        case C::FileSaveAs: FileSaveAs(); break;
        case C::FileExit: close(); break;
        case C::ViewNormal: SwitchView(static_cast<int16_t>(ListType::Normal)); break;
        case C::ViewLimit: SwitchView(static_cast<int16_t>(ListType::Limit)); break;
        case C::ViewHyper1: SwitchView(static_cast<int16_t>(ListType::Hyper1)); break;
        case C::ViewHyper2: SwitchView(static_cast<int16_t>(ListType::Hyper2)); break;
        case C::EmbedInfo: ReadRMGDataFromRadio(); break;
        case C::SetInit: SetInit(); break;
        case C::ProRead: ReadFromRadio(); break;
        case C::ProWrite: WriteToRadio(); break;
        case C::ProPassWord: {
            FrmPassWord form;
            form.exec();
            break;
        }
        default: OpenDialog(DialogOf(command)); break;
    }
}

void frmMain::ShowGridView(int16_t which) {
    if (which != 0) return;
    Frame1->setVisible(HyperPanelShown(CHListType));
    MSFlexGrid1->show();
}

void frmMain::SwitchView(int16_t listType) {
    CHListType = listType;
    ShowGridView(0);
    ShowListByData();
    // The rebuild leaves the current cell in the last, empty column, where
    // the double-click opens nothing and only makes that row the edit
    // position.
    MSFlexGrid1_DblClick(0);
}
