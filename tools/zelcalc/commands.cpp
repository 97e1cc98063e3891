#include "commands.h"

#include <optional>
#include <vector>

#include "costing/formats.h"
#include "costing/layout.h"
#include "costing/make_ready.h"
#include "costing/order_totals.h"
#include "costing/print_part_run.h"

namespace zelcalc {

namespace {

std::string indexed(const char* list, std::size_t i) {
    return std::string(list) + "[" + std::to_string(i) + "]";
}

template <typename Record, typename Reader>
std::vector<Record> readList(const Json& input, const char* key, Reader read) {
    const Json& list = arrayAt(input, key, "");
    std::vector<Record> records;
    records.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        records.push_back(read(list[i], indexed(key, i)));
    }
    return records;
}

Json writeWorks(const Json& input, const char* key, const std::vector<costing::Work>& works) {
    const Json& list = arrayAt(input, key, "");
    Json out = Json::array();
    for (std::size_t i = 0; i < works.size(); ++i) {
        out.push_back(writeWork(list[i], works[i]));
    }
    return out;
}

Json previewJson(const costing::LayoutPreview& preview) {
    const auto rectangle = [](const costing::PreviewRectangle& r) {
        return Json{{"height", r.height}, {"width", r.width}};
    };
    return Json{{"parentSheet", rectangle(preview.parentSheet)},
                {"pressSheet", rectangle(preview.pressSheet)},
                {"product", rectangle(preview.product)}};
}

// Family, order and the one print part that layout, formats and make-ready work on.
struct OnePart {
    costing::ProductFamily family;
    costing::OrderHeader order;
    costing::PrintPart part;
};

OnePart readOnePart(const Json& input) {
    return {readFamily(input), readOrder(objectAt(input, "order", ""), "order"),
            readPrintPart(objectAt(input, "part", ""), "part")};
}

Json echoWithPart(const Json& input, const costing::PrintPart& part) {
    Json output = input;
    output["part"] = writePrintPart(part);
    return output;
}

}  // namespace

Json runCalc(const Json& input) {
    const costing::ProductFamily family = readFamily(input);
    const Json& orderJson = objectAt(input, "order", "");
    costing::OrderHeader order = readOrder(orderJson, "order");
    const costing::Settings settings = readSettings(objectAt(input, "settings", ""), "settings");
    std::vector<costing::PrintPart> parts =
        readList<costing::PrintPart>(input, "parts", readPrintPart);
    std::vector<costing::Work> prepress = readList<costing::Work>(input, "dopech", readWork);
    std::vector<costing::Work> postpress = readList<costing::Work>(input, "postpech", readWork);

    // The wizard gives the pre-press lines their totals when their window is left, before
    // the print parts are calculated; the order totals then count the first print part as
    // the current one.
    for (costing::Work& work : prepress) {
        costing::CalcWorkLineTotals(work);
    }
    costing::CalcPrintParts(parts, order, settings, family);
    costing::CalcOrderTotals(order, parts, 0, prepress, postpress, settings, family);

    Json output = input;
    output["order"] = writeOrder(orderJson, order);
    Json partsJson = Json::array();
    for (const costing::PrintPart& part : parts) {
        partsJson.push_back(writePrintPart(part));
    }
    output["parts"] = std::move(partsJson);
    output["dopech"] = writeWorks(input, "dopech", prepress);
    output["postpech"] = writeWorks(input, "postpech", postpress);
    return output;
}

Json runLayout(const Json& input) {
    OnePart one = readOnePart(input);
    costing::CalcLayout(one.part, one.order, one.family);
    return echoWithPart(input, one.part);
}

Json runFormats(const Json& input) {
    OnePart one = readOnePart(input);
    const Json& machineJson = member(input, "machine");
    const std::optional<costing::MachineSize> machine =
        machineJson.is_null() ? std::nullopt : std::optional(readMachine(machineJson, "machine"));
    const std::vector<costing::Format> pressFormats =
        readList<costing::Format>(input, "pressFormats", readFormat);
    const std::vector<costing::Format> parentFormats =
        readList<costing::Format>(input, "parentFormats", readFormat);

    const auto chosen = costing::ChooseFormatsAuto(one.part, one.order, one.family, machine,
                                                   pressFormats, parentFormats);
    Json output = echoWithPart(input, one.part);
    output["chosen"] = chosen ? Json{{"parent", writeFormat(parentFormats[chosen->parent])},
                                     {"press", writeFormat(pressFormats[chosen->press])}}
                              : Json(nullptr);
    output["preview"] = previewJson(costing::layoutPreview(one.part, one.family));
    return output;
}

Json runMakeReady(const Json& input) {
    OnePart one = readOnePart(input);
    const Json& pressJson = member(input, "press");
    const std::optional<costing::PressWaste> press =
        pressJson.is_null() ? std::nullopt : std::optional(readPressWaste(pressJson, "press"));
    const std::vector<costing::MakeReadyNorm> norms =
        readList<costing::MakeReadyNorm>(input, "norms", readNorm);
    std::vector<costing::MakeReadyItem> items =
        readList<costing::MakeReadyItem>(input, "items", readItem);

    costing::CalcPressMakeReady(one.part, one.order, one.family, press);
    for (const costing::MakeReadyNorm& norm : norms) {
        items.push_back(costing::AddMakeReadyItem(one.part, one.order, one.family, norm));
    }
    costing::TotalMakeReady(one.part, items);

    Json output = echoWithPart(input, one.part);
    Json itemsJson = Json::array();
    for (const costing::MakeReadyItem& item : items) {
        itemsJson.push_back(writeItem(item));
    }
    output["items"] = std::move(itemsJson);
    return output;
}

}  // namespace zelcalc
