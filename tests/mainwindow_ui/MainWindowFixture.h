#pragma once
// A main window over a temporary program folder with both language files,
// band plan 0 and default data without channels; the tests add channels and
// open the window.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include <QApplication>

#include "ProgramSandbox.h"
#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "platform/ui/Grid.h"
#include "mainwindow/ColumnMap.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TextBox.h"

// A used channel with a 0.6 MHz offset and no shift.
inline UFreData Channel(int16_t no, std::string_view rx, std::string_view name = "") {
    UFreData ch;
    ch.CHNo = no;
    ch.UsedFlag = 1;
    ch.RxFre = rx;
    ch.OffsetFre = std::string_view("000060000");
    ch.CHName = name.empty() ? FixStr<7>::NulText() : FixStr<7>::Of(name);
    return ch;
}

class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override {
        SetBandByType(0);
        InitHyperRange();
        InitRadioData();
        ModelName = "KQ-314";
        DataFileName = "new.dat";
        CurData.CHCount = 0;
    }
    void TearDown() override { window_.reset(); }
    void AddNormal(const UFreData& ch) { UFreList[static_cast<std::size_t>(CurData.CHCount++)] = ch; }
    frmMain& Open() {
        window_ = std::make_unique<frmMain>();
        window_->Form_Load();
        window_->show();
        QApplication::processEvents();
        return *window_;
    }
    // The window's controls, by name and index.
    template <class T>
    T* Control(std::string_view name, int index = -1) {
        return platform::Ctl<T>(window_.get(), name, index);
    }
    platform::TextBox* Box(std::string_view name) { return Control<platform::TextBox>(name); }
    platform::ComboBox* List(std::string_view name) { return Control<platform::ComboBox>(name); }
    platform::Grid& Grid() { return *Control<platform::Grid>("MSFlexGrid1", 0); }
    std::string Cell(int row, Col c) { return Grid().TextMatrix(row, GetShowCol(c)).toStdString(); }
    void SwitchTo(int16_t listType) {
        CHListType = listType;
        window_->ShowListByData();
    }

    ProgramSandbox dir_;
    platform::MemoryUserSettings& settings_ = dir_.settings;
    std::unique_ptr<frmMain> window_;
};
