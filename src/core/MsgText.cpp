#include "core/MsgText.h"

#include "core/SharedState.h"

void InitMsgText() {
    MsgText.MsgReadWrite = {"", "Read data from radio", "Write data to radio"};
    MsgText.MsgPercent = "Completion percentage:";
    MsgText.MsgReadAsk = "Read data from radio.\r\nDo you wish continue?";
    MsgText.MsgWriteAsk = "Write data to radio.\r\nDo you wish continue?";
    MsgText.MsgModelErr = "Model type is wrong. ";
    MsgText.MsgKilled = "Radio is killed,can't be written!";
    MsgText.MsgStunned = "Radio is fainted,can't be written!";
    MsgText.MsgVersionErr = "Version is wrong. Overwrite?";
    MsgText.MsgFreErr = "Frequencys is wrong!";
    MsgText.MsgClearAll = "All data will be cleared.";
    MsgText.MsgFileErr = "file error.";
    MsgText.MsgOverwrite = "file will be Overwrite,Continue?";
    MsgText.MsgFileModified = "File has been modify,save it now?";
    MsgText.MsgDataFile = "Data File";
    MsgText.MsgClearFre = "Frequency data will be cleared.";
    MsgText.MsgWarning = "Warning";
}

void InitLangButtonText() {
    CloseText = "&Close";
    HelpText = "&Help";
}
