#pragma once
// The batch itself: the values of the batch editor's value panel written into
// a range of normal channels in one pass, stepping frequencies, tones and
// names from channel to channel. Which fields take part is given by the edit
// items (BatchFunFlag, BatchItems.h). The normal list UFreList is changed in
// place, whatever list the main window shows; there is no message and no
// undo, and the main window is redrawn once at the end.
#include <array>
#include <cstdint>
#include <random>
#include <span>
#include <string>

#include "channels/BatchLists.h"
#include "channels/BatchValueBoxes.h"

// The pseudo-random numbers of the random tone boxes: seeded once per batch
// that has a tone item on, then one draw a random tone, the decode draw of a
// channel before its encode draw.
class BatchRandom {
public:
    virtual ~BatchRandom() = default;
    virtual void Seed() = 0;
    // A number in [0, 1).
    virtual double Next() = 0;
};

// Seeded from the clock.
class ClockSeededRandom : public BatchRandom {
public:
    void Seed() override;
    double Next() override;

private:
    std::mt19937_64 engine_;
};

enum class BatchTxMode { Default, Offset, OwnStart };     // Option3(0..2)
enum class BatchOffsetDir { Plus, Minus, None };          // Option4(0), Option4(1), neither
enum class BatchNameMode { Fixed, Numbered };             // Option6(0..1)

// A decode or encode tone: the list position shown, a random draw instead,
// and the direction through the list (the interval is a value box).
struct BatchToneChoice {
    int selected = 0;
    bool random = false;
    bool increase = true;
};

// What the value panel holds when Apply is pressed.
struct BatchRequest {
    bool allChannels = true;           // Option1(0); else Text1(0) to Text1(1)
    std::string firstChannel = "1";    // Text1(0)
    std::string lastChannel = "758";   // Text1(1)
    bool deleteOutside = false;        // Check4
    std::array<std::string, kBatchValueBoxes> boxes{};  // Text2(0..9); the batch checks them in place
    std::string userTone = "151.1";    // Text3; checked in place
    bool rxIncrease = true;            // Option2
    BatchTxMode txMode = BatchTxMode::Default;
    BatchOffsetDir offsetDir = BatchOffsetDir::Plus;
    bool txIncrease = true;            // Option5
    BatchToneChoice decode;            // Combo1(0), Check3(0), Option9
    BatchToneChoice encode;            // Combo1(1), Check3(1), Option10
    bool encodeFollowsDecode = true;   // Check3(2)
    std::span<const std::string> toneItems;  // the items of both tone lists
    BatchNameMode nameMode = BatchNameMode::Fixed;
    bool numberIncrease = true;        // Option7
    std::array<int, kBatchListCount> listIndex{};        // Combo1(i) selected positions (-1: none)
    std::array<std::string, 3> codeTexts{};              // texts of Combo1(11..13)
    int16_t txInhibit = 0;             // Check1(0)
    int16_t compander = 0;             // Check1(1)
    int16_t reverse = 0;               // Check1(3)
};

// The channel numbers a batch covers: all channels, or the two range boxes
// in rising order, never below 1.
struct BatchRange {
    int first = 1;
    int last = kBatchLastChannel;
};
BatchRange RangeOf(const BatchRequest& request);

// Runs the batch: checks the boxes the on items read (writing the checked
// texts back into `request`), deletes the channels outside the range when
// asked, writes the on items into every channel of the range (creating a
// missing channel when the receive item is on and the list has room),
// repairs the channel references when channels came or went, and redraws
// the main window once.
void ApplyBatch(BatchRequest& request, BatchRandom& random);
