#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "costing/formats.h"
#include "costing/print_part_run.h"

extern char** environ;

namespace {

using namespace costing;

// A book part with every finishing operation on, so that the run takes all its branches.
PrintPart busyBookPart(int tab) {
    PrintPart part = newPrintPart();
    part.TIP = tab;
    part.VSTR = 16 + 16 * tab;
    part.LENIZD = 290;
    part.WIDIZD = 200;
    part.LENPREDREZ = 700;
    part.WIDPREDREZ = 500;
    part.LENLIST = 1000;
    part.WIDLIST = 700;
    part.OTSTIZD = 10;
    part.ITOGOLISTPRILAD = 150;
    part.PLOTNLIST = 115;
    part.CENALIST = 2.1;
    part.PAINTLEFT = 4;
    part.PAINTRIGHT = 1 + tab % 4;
    part.OBOROT = tab % 2;
    part.TIPPHOTOV = 1;
    part.CENASHTPHOTOV = 15;
    part.TIMEPHOTOV = 0.1;
    part.TIPPLAST = 1;
    part.CENASHTPLAST = 30;
    part.TIMEPLAST = 0.05;
    part.NORMRASXPAINT = 1.4;
    part.PRLENPAINT = 1000;
    part.PRWIDPAINT = 700;
    part.CENAKGPAINT = 40;
    part.PAINTPRINT = 4;
    part.SPEEDPRINT = 8000;
    part.MAXSPEEDPRINT = 12000;
    part.PRILAD1PRINT = 0.5;
    part.PRILAD2PRINT = 0.3;
    part.KOEFPRINT = 1.1;
    part.COSTHOURPRINT = 900;
    part.TRUDVSPOMPRINT = 10;
    part.AMORTPRINT = 0.03;
    part.POWERPRINT = 25;
    part.CHIMVCHAS = 12;
    part.NAKLRASX = 20;
    part.LAKIR = 1;
    part.NORMRASXLAK = 2;
    part.PRLENLAK = 1000;
    part.PRWIDLAK = 700;
    part.CENAKGLAK = 30;
    part.SPEEDLAKIR = 3000;
    part.PRILADLAKIR = 0.3;
    part.CENALAKIR = 400;
    for (Number* on :
         {&part.PRIPR, &part.TIPFALTS, &part.TIPREZKA, &part.TIPVYS, &part.TIPSKLEIKA,
          &part.TIPSHIVKA, &part.TIPLISTPOD, &part.TIPTISN, &part.TIPFOLG, &part.TIPKONGR}) {
        *on = 1;
    }
    for (Number* speed :
         {&part.SPEEDPRIPR, &part.SPEEDFALTS, &part.SPEEDREZKA, &part.SPEEDVYS, &part.SPEEDSKLEIKA,
          &part.SPEEDSHIVKA, &part.SPEEDLISTPOD, &part.SPEEDTISN}) {
        *speed = 2500;
    }
    part.TIPCALCREZKA = 1;
    part.TIPCALCSHIVKA = 2;
    part.LENTISN = 200;
    part.WIDTISN = 150;
    part.LENKLISH = 100;
    part.WIDKLISH = 50;
    part.LENFOLG = 120000;
    part.WIDFOLG = 640;
    part.CENASHTFOLG = 1000;
    return part;
}

void BM_CalcPrintParts(benchmark::State& state) {
    std::vector<PrintPart> parts;
    for (int tab = 0; tab < 10; ++tab) {
        parts.push_back(busyBookPart(tab));
    }
    OrderHeader order;
    order.TIRAZ = 5000;
    Settings settings;
    settings.SOCOTCH = 20;
    settings.ENRGCOST = 5;
    for (auto _ : state) {
        CalcPrintParts(parts, order, settings, ProductFamily::Book);
        benchmark::DoNotOptimize(parts.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CalcPrintParts);

std::vector<Format> formatsFrom(double smallestLength, double step) {
    std::vector<Format> formats;
    for (int i = 0; i < 200; ++i) {
        const double length = smallestLength + step * i;
        formats.push_back({"format " + std::to_string(i), length, length * 0.7});
    }
    return formats;
}

void BM_ChooseFormatsAuto(benchmark::State& state) {
    const std::vector<Format> pressFormats = formatsFrom(300, 3);
    const std::vector<Format> parentFormats = formatsFrom(600, 4);
    PrintPart part = busyBookPart(0);
    OrderHeader order;
    order.TIRAZ = 5000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ChooseFormatsAuto(
            part, order, ProductFamily::Book, MachineSize{720, 1020}, pressFormats, parentFormats));
    }
    state.SetItemsProcessed(state.iterations() * 200 * 200);
}
BENCHMARK(BM_ChooseFormatsAuto);

// A whole order as zelcalc reads it: two print parts, one pre-press and one post-press work.
const char* const kOrderJson = R"({
  "family": 0,
  "settings": {"NDS": 12, "TIPNDS": 0, "SOCOTCH": 20, "ENRGCOST": 5, "COSTRENT": 100},
  "order": {"TIRAZ": 1000, "RENT": 20, "KURS": 50},
  "parts": [
    {"NAMETIP": "Обложка", "VSTR": 4, "STRNALIST": 0, "DBLSIDE": 0, "LENIZD": 290,
     "WIDIZD": 200, "LENPREDREZ": 700, "WIDPREDREZ": 500, "LENLIST": 1000, "WIDLIST": 700,
     "OTSTIZD": 10, "ITOGOLISTPRILAD": 60, "PLOTNLIST": 250, "CENALIST": 2, "PAINTLEFT": 4,
     "PAINTRIGHT": 0, "OBOROT": 1, "TIPPLAST": 1, "CENASHTPLAST": 30, "PAINTPRINT": 4,
     "SPEEDPRINT": 5000, "PRILAD1PRINT": 0.5, "PRILAD2PRINT": 0.3, "KOEFPRINT": 1,
     "COSTHOURPRINT": 1000, "LAKIR": 1, "SPEEDLAKIR": 2000, "CENALAKIR": 400},
    {"NAMETIP": "Блок", "VSTR": 64, "STRNALIST": 0, "DBLSIDE": 0, "LENIZD": 290,
     "WIDIZD": 200, "LENPREDREZ": 700, "WIDPREDREZ": 500, "LENLIST": 1000, "WIDLIST": 700,
     "OTSTIZD": 10, "ITOGOLISTPRILAD": 200, "PLOTNLIST": 80, "EDIZMLIST": 1,
     "CENALIST": 1.5, "PAINTLEFT": 1, "PAINTRIGHT": 1, "OBOROT": 0, "TIPPLAST": 1,
     "CENASHTPLAST": 30, "PAINTPRINT": 2, "SPEEDPRINT": 8000, "PRILAD1PRINT": 0.4,
     "PRILAD2PRINT": 0.1, "KOEFPRINT": 1.1, "COSTHOURPRINT": 800, "TIPFALTS": 1,
     "SPEEDFALTS": 5000, "CENAFALTS": 300}
  ],
  "dopech": [{"NUM": 1, "NAME": "Макет", "KOLVO": 1000, "TIMEOPER": 0.001, "CENA": 0.5}],
  "postpech": [{"NUM": 1, "NAME": "Упаковка", "KOLVO": 1000, "TIMEOPER": 0.002, "CENA": 0.3}]
})";

// Runs "zelcalc calc" with the order on standard input and its answer thrown away; the
// time includes starting the process, reading, calculating and writing.
void BM_ZelcalcCalcProcess(benchmark::State& state) {
    char inputPath[] = "/tmp/zelcalc-bench-XXXXXX";
    const int inputFile = ::mkstemp(inputPath);
    if (inputFile < 0) {
        state.SkipWithError("cannot create the input file");
        return;
    }
    { std::ofstream(inputPath) << kOrderJson; }
    char program[] = ZELCALC_PATH;
    char command[] = "calc";
    char* const argv[] = {program, command, nullptr};
    for (auto _ : state) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, inputPath, O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        pid_t child = 0;
        const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        if (spawned != 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0) {
            state.SkipWithError("zelcalc calc failed");
            break;
        }
    }
    ::close(inputFile);
    std::remove(inputPath);
}
BENCHMARK(BM_ZelcalcCalcProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
