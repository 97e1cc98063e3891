#pragma once

#include <string>
#include <vector>

namespace costing {

// An overhead band of a printing machine (NAKLRASX row): from OTLIST sheet passes
// (inclusive) up to DOLIST (exclusive) the overhead rate is COST.
struct OverheadBand {
    double OTLIST = 0;
    double DOLIST = 0;
    double COST = 0;
};

// A make-ready waste band (PRILAD row of a press, PROCPRILADKA row of a finishing norm):
// from OTLIST to DOLIST sheets, both inclusive, PROCENT percent of the press sheets spoil.
struct WasteBand {
    double OTLIST = 0;
    double DOLIST = 0;
    double PROCENT = 0;
};

// The make-ready data of a printing machine: its waste bands in OTLIST order and the
// sheets spoilt per plate (MACHINE.PRILAD1PLAST).
struct PressWaste {
    std::vector<WasteBand> bands;
    double PRILAD1PLAST = 0;
};

// A make-ready norm of a finishing process (PRILADKA row with its bands in OTLIST order):
// runs up to DOOPR sheets spoil a fixed KOLDOOPR sheets, longer runs a band's percentage.
struct MakeReadyNorm {
    std::string NAME;
    double DOOPR = 0;
    double KOLDOOPR = 0;
    std::vector<WasteBand> bands;
};

// A standard format (GOTIZD row): press-sheet or parent-sheet size in millimetres.
struct Format {
    std::string NAME;
    double LEN = 0;
    double WID = 0;
};

// The largest sheet a printing machine takes (MACHINE.LEN, WID).
struct MachineSize {
    double LEN = 0;
    double WID = 0;
};

}  // namespace costing
