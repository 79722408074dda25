// The channel dialog as the user reaches it: Enter on the ">>" column of any
// of the four channel lists opens it on that row, and its OK stores the
// channel and redraws the row.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "ProgramSandbox.h"
#include "app/ui/ShowMainWindow.h"
#include "channels/ui/FrmCHEdit.h"
#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperChannel.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "mainwindow/ColumnMap.h"
#include "platform/ui/Grid.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/TextConvert.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TextBox.h"

namespace {

// The receive frequency of a channel of the list, "" when it is not in use.
std::string StoredRx(int16_t listType, int16_t no) {
    switch (listType) {
        case 0: {
            const int16_t at = GetCHIndex(no);
            return at < 0 ? "" : UFreList[static_cast<std::size_t>(at)].RxFre.value();
        }
        case 1: {
            const UFreData& ch = CurData.LimitCH[static_cast<std::size_t>(no - 1)];
            return ch.UsedFlag == 1 ? ch.RxFre.value() : "";
        }
        default: {
            const UFreData ch = GetHyperChannel(no, static_cast<int16_t>(listType - 2));
            return ch.UsedFlag == 1 ? ch.RxFre.value() : "";
        }
    }
}

TEST(ChannelDialogRoad, EnterOnTheOpenColumnEditsTheRowOfEveryList) {
    ProgramSandbox sandbox;
    SetBandByType(0);
    InitHyperRange();
    InitRadioData();
    CurData.CHCount = 0;
    for (UFreData& ch : CurData.LimitCH) ch.UsedFlag = 0;
    frmMain* window = ShowMainWindow();
    constexpr int16_t kRow = 7;

    for (int16_t listType = 0; listType <= 3; ++listType) {
        CHListType = listType;
        window->ShowListByData();
        int opened = 0;
        // The dialog runs modally: answer it from inside its own event loop.
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<FrmCHEdit*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ++opened;
            platform::Ctl<platform::TextBox>(dialog, "Text1", 0)->setText("146.5");
            platform::Ctl<QPushButton>(dialog, "CommandOK")->click();
        });
        platform::Ctl<platform::Grid>(window, "MSFlexGrid1", 0)->SetCurrentCell(kRow, GetShowCol(Col::Open));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(platform::Ctl<platform::Grid>(window, "MSFlexGrid1", 0), &enter);

        EXPECT_EQ(opened, 1) << "list " << listType;
        EXPECT_EQ(CurCHNo, kRow);
        EXPECT_EQ(StoredRx(listType, kRow), "014650000") << "list " << listType;
        EXPECT_EQ(platform::Utf8(platform::Ctl<platform::Grid>(window, "MSFlexGrid1", 0)->TextMatrix(kRow, GetShowCol(Col::RxFre))), "146.50000")
            << "list " << listType << ": the row is redrawn";
    }
    window->close();  // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
