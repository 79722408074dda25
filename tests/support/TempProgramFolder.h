#pragma once
// A temporary folder standing in for the program's folder for the life of the
// object, with the shared state reset on the way in and out.
#include <string>

#include "TempDir.h"

class TempProgramFolder : public TempDir {
public:
    TempProgramFolder();
    ~TempProgramFolder();

private:
    std::string saved_;
};
