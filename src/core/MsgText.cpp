#include "core/MsgText.h"

#include "core/SharedState.h"

namespace {

MsgTextTable BuildMsgText() {
    MsgTextTable t;
    t.MsgReadWrite = {"", "Read data from radio", "Write data to radio"};
    t.MsgPercent = "Completion percentage:";
    t.MsgReadAsk = "Read data from radio.\r\nDo you wish continue?";
    t.MsgWriteAsk = "Write data to radio.\r\nDo you wish continue?";
    t.MsgModelErr = "Model type is wrong. ";
    t.MsgKilled = "Radio is killed,can't be written!";
    t.MsgStunned = "Radio is fainted,can't be written!";
    t.MsgVersionErr = "Version is wrong. Overwrite?";
    t.MsgFreErr = "Frequencys is wrong!";
    t.MsgClearAll = "All data will be cleared.";
    t.MsgFileErr = "file error.";
    t.MsgOverwrite = "file will be Overwrite,Continue?";
    t.MsgFileModified = "File has been modify,save it now?";
    t.MsgDataFile = "Data File";
    t.MsgClearFre = "Frequency data will be cleared.";
    t.MsgWarning = "Warning";
    return t;
}

}  // namespace

const MsgTextTable& MsgText() {
    static const MsgTextTable table = BuildMsgText();
    return table;
}

void InitMsgText() { (void)MsgText(); }

void InitLangButtonText() {
    CloseText = "&Close";
    HelpText = "&Help";
}
