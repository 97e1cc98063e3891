// zelcalc run as a process: JSON in, JSON out, and its refusals of malformed input.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using Json = nlohmann::ordered_json;

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

ProcessResult runZelcalc(const std::string& arguments, const std::string& input) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("zelcalc-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    { std::ofstream(dir / "in.json", std::ios::binary) << input; }
    const std::string command = std::string("'") + ZELCALC_PATH + "' " + arguments + " < '" +
                                (dir / "in.json").string() + "' > '" + (dir / "out").string() +
                                "' 2> '" + (dir / "err").string() + "'";
    const int status = std::system(command.c_str());
    ProcessResult run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readAll(dir / "out");
    run.err = readAll(dir / "err");
    std::filesystem::remove_all(dir);
    return run;
}

// A leaflet order: 1000 copies of 100 × 70, 4+0 on a four-colour press, folded by time,
// one post-press work. Hand figures: 18 leaflets per press sheet, 4 press sheets per
// parent sheet, ⌈1000 / 72⌉ = 14 parent sheets, 56 press sheets, with 20 make-ready
// sheets 76 press sheets and 19 parent sheets.
Json leafletOrder() {
    return Json::parse(R"({
      "family": 1,
      "settings": {"NDS": 12, "TIPNDS": 0, "SOCOTCH": 20, "ENRGCOST": 5, "TIPRENTAB": 0,
                   "OSNVAL": "руб."},
      "order": {"KOD": 7, "NAMEORG": "Типография", "TIRAZ": 1000, "RENT": 10, "KURS": 0},
      "parts": [{
        "NAMETIP": "Листовка", "LENLIST": 1000, "WIDLIST": 700, "OTSTPECH": 10,
        "ZAZORPECH": 5, "LENPREDREZ": 450, "WIDPREDREZ": 320, "OTSTIZD": 5, "ZAZOR": 2,
        "LENIZD": 100, "WIDIZD": 70, "ITOGOLISTPRILAD": 20, "PLOTNLIST": 80,
        "CENALIST": 100, "EDIZMLIST": 0, "PAINTLEFT": 4, "PAINTRIGHT": 0, "OBOROT": 1,
        "PAINTPRINT": 4, "SPEEDPRINT": 5000, "PRILAD1PRINT": 0.5, "PRILAD2PRINT": 0.25,
        "KOEFPRINT": 1, "COSTHOURPRINT": 1000, "TIPNAKL": 2, "NAKLRASX": 100,
        "TIPFALTS": 1, "TIPCALCFALTS": 0, "SPEEDFALTS": 2000, "PRILADFALTS": 0.25,
        "CENAFALTS": 200, "NAKLFALTS": 20
      }],
      "dopech": [],
      "postpech": [{"NUM": 1, "NAME": "Упаковка", "KOLVO": 1000, "TIMEOPER": 0.001,
                    "CENA": 0.2}]
    })");
}

TEST(ZelcalcProcess, CalcFillsEveryColumnAndTheOrderTotals) {
    const ProcessResult run = runZelcalc("calc", leafletOrder().dump());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const Json out = Json::parse(run.out);
    ASSERT_EQ(out["parts"].size(), 1u);
    const Json& part = out["parts"][0];
    EXPECT_EQ(part.size(), 252u + 2u) << "all columns and the two computed fields";
    EXPECT_EQ(part["NAMETIP"], "Листовка");
    EXPECT_EQ(part["KOLPREDREZ"], 4);
    EXPECT_EQ(part["DOLYA"], 18);
    EXPECT_EQ(part["KOLBUMLIST"], 14);
    EXPECT_DOUBLE_EQ(part["BigListCalc"].get<double>(), 19);
    EXPECT_DOUBLE_EQ(part["CENABUM"].get<double>(), 106);  // 1.06 kg at 100
    // One pass of 76 sheets: 0.75 + 76 / 5000 = 0.7652 → 0.77 h.
    EXPECT_EQ(part["LISTPROGON"], 76);
    EXPECT_DOUBLE_EQ(part["KOLHOURPRINT"].get<double>(), 0.77);
    EXPECT_DOUBLE_EQ(part["COSTTRUDPRINT"].get<double>(), 770);
    // Folding: 0.25 + 56 / 2000 = 0.278 → 0.28 h at 200 and 20.
    EXPECT_DOUBLE_EQ(part["KOLHOURFALTS"].get<double>(), 0.28);
    EXPECT_DOUBLE_EQ(part["COSTFALTS"].get<double>(), 56);
    EXPECT_TRUE(part["KODPHOTOV"].is_null()) << "films off: their material is empty";
    EXPECT_EQ(part["VSTR"], 0) << "a leaflet has no pages";

    // Printing: paper 106 + labour 770 + social 154 + overheads 100 + folding 56 + 5.6.
    const Json& order = out["order"];
    EXPECT_EQ(order["NAMEORG"], "Типография") << "other order columns come back unchanged";
    EXPECT_NEAR(order["COSTPRINT"].get<double>(), 1191.6, 1e-9);
    EXPECT_DOUBLE_EQ(order["COSTPOSTPECH"].get<double>(), 200);
    EXPECT_NEAR(order["SEBES"].get<double>(), 1391.6, 1e-9);
    EXPECT_DOUBLE_EQ(order["RENTCENA"].get<double>(), 139.16);
    EXPECT_DOUBLE_EQ(order["NDSCENA"].get<double>(), 166.99);  // 12 % of 1391.6 = 166.992
    EXPECT_DOUBLE_EQ(order["EXEMP"].get<double>(), 1.70);      // 1697.75 / 1000
    EXPECT_EQ(order["STOIMDOPVAL"], 0);
    EXPECT_DOUBLE_EQ(out["postpech"][0]["ALLTIME"].get<double>(), 1.00);
    EXPECT_DOUBLE_EQ(out["postpech"][0]["ALLCENA"].get<double>(), 200.00);
    EXPECT_EQ(out["postpech"][0]["NAME"], "Упаковка");
    EXPECT_EQ(out["settings"]["OSNVAL"], "руб.");
}

TEST(ZelcalcProcess, OutputReadsBackAsInputAndGivesTheSameAnswer) {
    const ProcessResult first = runZelcalc("calc", leafletOrder().dump());
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const ProcessResult second = runZelcalc("calc", first.out);
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(Json::parse(second.out), Json::parse(first.out));
}

TEST(ZelcalcProcess, LayoutFormatsAndMakeReady) {
    const Json part = Json::parse(R"({"LENIZD": 90, "WIDIZD": 60, "ZAZOR": 3, "OTSTIZD": 5,
                                      "ZAZORPECH": 2, "OTSTPECH": 10, "PAINTLEFT": 4,
                                      "PAINTRIGHT": 4, "OBOROT": 1, "TIPPLAST": 1})");
    Json formats = {{"family", 1}, {"order", {{"TIRAZ", 1000}}}, {"part", part}};
    formats["machine"] = {{"LEN", 720}, {"WID", 520}};
    formats["pressFormats"] = Json::parse(
        R"([{"NAME": "50x70", "LEN": 700, "WID": 500}, {"NAME": "32x45", "LEN": 450, "WID": 320}])");
    formats["parentFormats"] = Json::parse(
        R"([{"NAME": "70x100", "LEN": 1000, "WID": 700}, {"NAME": "64x90", "LEN": 900, "WID": 640}])");
    const ProcessResult chosen = runZelcalc("formats", formats.dump());
    ASSERT_EQ(chosen.exitCode, 0) << chosen.err;
    const Json choice = Json::parse(chosen.out);
    EXPECT_EQ(choice["chosen"]["press"]["NAME"], "32x45");
    EXPECT_EQ(choice["chosen"]["parent"]["NAME"], "70x100");
    EXPECT_EQ(choice["part"]["DOLYA"], 21);
    EXPECT_EQ(choice["part"]["KOLLISTPECH"], 48);  // ⌈1000 / 84⌉ = 12 parent sheets × 4
    EXPECT_EQ(choice["preview"]["pressSheet"]["height"], 112);

    Json layout = {{"family", 1}, {"order", {{"TIRAZ", 1000}}}, {"part", choice["part"]}};
    const ProcessResult laidOut = runZelcalc("layout", layout.dump());
    ASSERT_EQ(laidOut.exitCode, 0) << laidOut.err;
    EXPECT_EQ(Json::parse(laidOut.out)["part"]["KOLBUMLIST"], 12);

    // 4046 press sheets: 3 % + 8 plates × 15 = 241; the folding norm's band gives 2 % of
    // 4046 = 80; an item already there adds 30.
    Json makeReady = {{"family", 1},
                      {"order", {{"TIRAZ", 4046}}},
                      {"part", Json::parse(R"({"PREDREZ": 1, "KOLPREDREZ": 1, "TIPDOLYA": 1,
                                               "DOLYA": 1, "PAINTLEFT": 4, "PAINTRIGHT": 4,
                                               "OBOROT": 1, "TIPPLAST": 1})")}};
    makeReady["press"] = Json::parse(
        R"({"PRILAD1PLAST": 15, "bands": [{"OTLIST": 5000, "DOLIST": 9000, "PROCENT": 1},
                                          {"OTLIST": 0, "DOLIST": 5000, "PROCENT": 3}]})");
    makeReady["norms"] = Json::parse(R"([{"NAME": "Фальцовка", "DOOPR": 500, "KOLDOOPR": 50,
                                          "bands": [{"OTLIST": 0, "DOLIST": 10000, "PROCENT": 2}]}])");
    makeReady["items"] = Json::parse(R"([{"NAME": "Резка", "KOLVO": 30}])");
    const ProcessResult sheets = runZelcalc("makeready", makeReady.dump());
    ASSERT_EQ(sheets.exitCode, 0) << sheets.err;
    const Json result = Json::parse(sheets.out);
    EXPECT_EQ(result["part"]["PRILADLISTPRINT"].get<double>(), 241);
    ASSERT_EQ(result["items"].size(), 2u);
    EXPECT_EQ(result["items"][1]["NAME"], "Фальцовка");
    EXPECT_EQ(result["items"][1]["KOLVO"].get<double>(), 80);
    EXPECT_EQ(result["part"]["ITOGOLISTPRILAD"].get<double>(), 351);
}

TEST(ZelcalcProcess, MalformedInputIsRefusedWithTheKeyAndNothingWritten) {
    struct Case {
        const char* command;
        const char* input;
        const char* named;
    };
    const Case cases[] = {
        {"calc", R"({"family": 1, "parts": [)", "not valid JSON"},
        {"calc", R"({"parts": []})", "family"},
        {"calc", R"({"family": 4})", "family"},
        {"calc", R"({"family": "1"})", "family"},
        {"calc", R"({"family": 1, "order": {"TIRAZ": "1000"}})", "order.TIRAZ"},
        {"calc", R"({"family": 1, "parts": [{}, {"NAMETIP": 3}]})", "parts[1].NAMETIP"},
        {"calc", R"({"family": 1, "parts": [{"LENLIST": "1000"}]})", "parts[0].LENLIST"},
        {"calc", R"({"family": 1, "parts": [{"DOLYA": 2.5}]})", "parts[0].DOLYA"},
        {"calc", R"({"family": 1, "parts": [{"KOLPREDREZZ": 2}]})", "parts[0].KOLPREDREZZ"},
        {"calc", R"({"family": 1, "parts": {}})", "parts"},
        {"calc", R"({"family": 1, "settings": {"NDS": true}})", "settings.NDS"},
        {"calc", R"({"family": 1, "postpech": [{"CENA": "5"}]})", "postpech[0].CENA"},
        {"calc", R"([1, 2])", "input"},
        {"formats", R"({"family": 1, "pressFormats": [{"NAME": 5}]})", "pressFormats[0].NAME"},
        {"makeready", R"({"family": 1, "press": {"bands": [{"PROCENT": "3"}]}})",
         "press.bands[0].PROCENT"},
        {"fly", R"({"family": 1})", "usage"},
    };
    for (const Case& c : cases) {
        const ProcessResult run = runZelcalc(c.command, c.input);
        EXPECT_EQ(run.exitCode, 2) << c.input;
        EXPECT_EQ(run.out, "") << c.input;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << c.input << " → " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

}  // namespace
