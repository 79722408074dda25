// A special call composed for the five-tone code list travels on: the
// five-tone dialog's OK saves it with the own ID in the placeholder's place,
// and the image encoder writes it into the radio's list slot; a PTT-ID code
// too long for its slot is named by the encoder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "ChannelTestRecords.h"
#include "ProgramSandbox.h"
#include "core/SharedState.h"
#include "link/ImageAreas.h"
#include "link/ImageCodec.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/TextBox.h"
#include "signalling/ui/Frm5Tone.h"
#include "signalling/ui/FiveToneCallDialog.h"

namespace {

using platform::Ctl;

class FiveToneComposedCallRoad : public testing::Test {
protected:
    void SetUp() override {
        StartWithoutChannels();
        CurData.FunSet.Tone5.SelfID = "67890";
        CurData.FunSet.Tone5.SepCode = 0;
    }
    // Composes in the composer Command `button` opens; `drive` sets it up.
    static void Compose(Frm5Tone& f, void (Frm5Tone::*button)(), const std::function<void(FrmSpecial&)>& drive) {
        QTimer::singleShot(0, [&] {
            auto* composer = dynamic_cast<FrmSpecial*>(QApplication::activeModalWidget());
            ASSERT_NE(composer, nullptr);
            drive(*composer);
            Ctl<QPushButton>(composer, "CommandOK")->click();
        });
        (f.*button)();
    }
    static std::vector<int> Bytes(std::size_t addr, std::size_t count) {
        std::vector<int> run;
        for (std::size_t k = 0; k < count; ++k) run.push_back(CommData[addr + k]);
        return run;
    }

    ProgramSandbox sandbox;
};

TEST_F(FiveToneComposedCallRoad, AComposedANICodeIsSavedAndEncoded) {
    Frm5Tone f;
    f.show();
    Ctl<platform::Grid>(&f, "MSHFlexGrid1")->SetCurrentCell(5, 0);
    Compose(f, &Frm5Tone::Command1_Click, [](FrmSpecial& c) {
        Ctl<platform::ComboBox>(&c, "Combo1", 1)->SetListIndex(1);
        Ctl<platform::ComboBox>(&c, "Combo3")->SetListIndex(2);
    });
    ASSERT_EQ(TempFunSetData.Tone5.Tone5List[5].Code.value(), "12345BSelfID");
    f.CommandOK_Click();
    ASSERT_EQ(f.result(), QDialog::Accepted);

    const Tone5Code& saved = CurData.FunSet.Tone5.Tone5List[5];
    EXPECT_EQ(saved.Code.value(), "12345B67890");
    EXPECT_EQ(saved.CodeLen, 11);
    EXPECT_EQ(saved.EmptyFlag, 0);
    EXPECT_EQ(CurData.FunSet.Tone5.SepCode, 11);

    InitCommData();
    WriteDataOK = true;
    SetCommDataBy5Tone();
    EXPECT_TRUE(WriteDataOK);
    const std::size_t slot = 0x0D00 + 32 * 4;
    EXPECT_EQ(Bytes(slot + 2, 1), std::vector<int>{11}) << "the code's length";
    EXPECT_EQ(Bytes(slot + 4, 6), (std::vector<int>{0x12, 0x34, 0x5B, 0x67, 0x89, 0x0E}));
    EXPECT_EQ(Bytes(0x0331, 1), std::vector<int>{11}) << "the separator";
}

TEST_F(FiveToneComposedCallRoad, APTTIDCodeLongerThanItsSlotIsNamedByTheEncoder) {
    // A file may hold one: it is shown whole and never cut.
    const std::string longCode = "E1E2345E4142434445464748494A";
    CurData.FunSet.Tone5.PTTIDEnd.Code = longCode;
    CurData.FunSet.Tone5.PTTIDEnd.CodeLen = static_cast<uint8_t>(longCode.size());
    Frm5Tone f;
    EXPECT_EQ(Ctl<platform::TextBox>(&f, "Text4", 1)->text().toStdString(), longCode);
    f.CommandOK_Click();
    ASSERT_EQ(CurData.FunSet.Tone5.PTTIDEnd.CodeLen, longCode.size());

    InitCommData();
    WriteDataOK = true;
    sandbox.prompts.expectAny(platform::Answer::Ok);
    SetCommDataBy5Tone();
    EXPECT_FALSE(WriteDataOK);
    ASSERT_FALSE(sandbox.prompts.asked().empty());
    EXPECT_NE(sandbox.prompts.asked().back().text.find("PTT-ID end code"), std::string::npos)
        << sandbox.prompts.asked().back().text;
}

}  // namespace
