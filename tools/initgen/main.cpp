// Writes the default data files of both band plans (314KTR_0 and 314KTR_1,
// each a .dat with its .fre) into the folder given, with the program's own
// defaults, channel operations and file writer, so the shipped files always
// have the program's format.
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "core/BandPlan.h"
#include "core/ChannelOps.h"
#include "core/DataFiles.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "platform/ProgramFolder.h"
#include "platform/save/StagedFiles.h"

namespace {

struct Plan {
    int16_t band;
    // Channels 1..6: calling and simplex frequencies of the plan's bands.
    std::vector<const char*> channels;
};

const Plan kPlans[] = {
    {0, {"145.5000", "146.5200", "151.6250", "433.5000", "446.00625", "462.5625"}},
    {1, {"144.8000", "145.5000", "223.5000", "430.5000", "431.0000", "432.0000"}},
};

bool WritePlan(const std::string& folder, const Plan& plan) {
    ResetSharedState();
    // No default data file may creep into the defaults.
    platform::SetProgramFolder("/nonexistent/initgen");
    RadioModel = "314KTR";
    PCBand = plan.band;
    SetBandByType(PCBand);
    InitHyperRange();
    NewRadioData();
    CurData.CHCount = 0;
    for (std::size_t i = 0; i < plan.channels.size(); ++i) SetCHRxFre(static_cast<int16_t>(i + 1), plan.channels[i]);
    CheckCHLink();
    CurData.Band = PCBand;
    CurData.Version = "V200";

    const std::string base = folder + "/314KTR_" + std::to_string(plan.band);
    platform::StagedFiles files;
    const auto count = static_cast<std::size_t>(CurData.CHCount);
    return files.Stage(base + ".fre", PackFreFile(std::span<const UFreData>(UFreList).first(count))) &&
           files.Stage(base + ".dat", PackDatFile(CurData)) && files.Commit();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: initgen <output folder>\n");
        return 2;
    }
    for (const Plan& plan : kPlans) {
        if (!WritePlan(argv[1], plan)) {
            std::fprintf(stderr, "initgen: cannot write the files of band plan %d in %s\n", plan.band, argv[1]);
            return 1;
        }
    }
    return 0;
}
