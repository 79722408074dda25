#pragma once
// The texts built into the program: the message table and the Close and Help
// button captions. They show as they stand in every language.
#include <array>
#include <string>

struct MsgTextTable {
    // Indexed by the radio operation under way: [1] read, [2] write; [0] unused.
    std::array<std::string, 3> MsgReadWrite;
    std::string MsgPercent;
    std::string MsgReadAsk;
    std::string MsgWriteAsk;
    std::string MsgModelErr;
    std::string MsgKilled;
    std::string MsgStunned;
    std::string MsgVersionErr;
    std::string MsgFreErr;
    std::string MsgClearAll;
    std::string MsgFileErr;
    std::string MsgOverwrite;
    std::string MsgFileModified;
    std::string MsgDataFile;
    std::string MsgClearFre;
    std::string MsgWarning;
};

// The built-in message table; constant for the whole run.
const MsgTextTable& MsgText();
// Builds the message table ahead of its first use (start-up).
void InitMsgText();
// Fills `CloseText` and `HelpText` (start-up).
void InitLangButtonText();
