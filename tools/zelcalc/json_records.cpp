#include "json_records.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

namespace zelcalc {

using costing::ColumnType;
using costing::Number;
using costing::PrintPart;
using costing::Text;

namespace {

std::string keyPath(const std::string& where, std::string_view key) {
    return where.empty() ? std::string(key) : where + "." + std::string(key);
}

std::string describe(const Json& value) {
    if (value.is_string()) {
        return "text";
    }
    if (value.is_boolean()) {
        return "true or false";
    }
    if (value.is_array()) {
        return "a list";
    }
    if (value.is_object()) {
        return "an object";
    }
    return "a number";
}

Number toNumber(const Json& value, const std::string& path, bool whole) {
    if (value.is_null()) {
        return {};
    }
    if (!value.is_number()) {
        throw InputError(path + ": expected a number, got " + describe(value));
    }
    const double number = value.get<double>();
    if (whole && number != std::trunc(number)) {
        throw InputError(path + ": expected a whole number");
    }
    return number;
}

Text toText(const Json& value, const std::string& path) {
    if (value.is_null()) {
        return std::nullopt;
    }
    if (!value.is_string()) {
        throw InputError(path + ": expected text, got " + describe(value));
    }
    return value.get<std::string>();
}

Number numberAt(const Json& object, const char* key, const std::string& where) {
    return toNumber(member(object, key), keyPath(where, key), false);
}

double valueAt(const Json& object, const char* key, const std::string& where) {
    return numberAt(object, key, where);
}

std::string textAt(const Json& object, const char* key, const std::string& where) {
    return toText(member(object, key), keyPath(where, key)).value_or("");
}

void requireObject(const Json& object, const std::string& where) {
    if (!object.is_object()) {
        throw InputError(where + ": expected an object, got " + describe(object));
    }
}

Json numberJson(const Number& number, bool whole) {
    if (number.isNull()) {
        return nullptr;
    }
    const double value = number;
    constexpr double kLargestExactWhole = 9007199254740992.0;  // 2^53
    if (whole && std::fabs(value) <= kLargestExactWhole) {
        return static_cast<std::int64_t>(value);
    }
    return value;
}

std::vector<costing::WasteBand> readBands(const Json& object, const std::string& where) {
    const Json& bands = arrayAt(object, "bands", where);
    std::vector<costing::WasteBand> result;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const std::string at = keyPath(where, "bands[" + std::to_string(i) + "]");
        requireObject(bands[i], at);
        result.push_back({valueAt(bands[i], "OTLIST", at), valueAt(bands[i], "DOLIST", at),
                          valueAt(bands[i], "PROCENT", at)});
    }
    // The bands are used in OTLIST order, as the database reads them.
    std::stable_sort(result.begin(), result.end(),
                     [](const auto& a, const auto& b) { return a.OTLIST < b.OTLIST; });
    return result;
}

// The order columns the costing reads and writes, by name.
struct OrderColumn {
    const char* name;
    Number costing::OrderHeader::*member;
};
constexpr OrderColumn kOrderColumns[] = {
    {"TIPPROD", &costing::OrderHeader::TIPPROD},
    {"TIRAZ", &costing::OrderHeader::TIRAZ},
    {"RENT", &costing::OrderHeader::RENT},
    {"KURS", &costing::OrderHeader::KURS},
    {"COSTDOPECH", &costing::OrderHeader::COSTDOPECH},
    {"COSTPRINT", &costing::OrderHeader::COSTPRINT},
    {"COSTPOSTPECH", &costing::OrderHeader::COSTPOSTPECH},
    {"TIMEDOPECH", &costing::OrderHeader::TIMEDOPECH},
    {"TIMEPRINT", &costing::OrderHeader::TIMEPRINT},
    {"TIMEPOSTPECH", &costing::OrderHeader::TIMEPOSTPECH},
    {"COSTRENT", &costing::OrderHeader::COSTRENT},
    {"SEBES", &costing::OrderHeader::SEBES},
    {"RENTCENA", &costing::OrderHeader::RENTCENA},
    {"NDSCENA", &costing::OrderHeader::NDSCENA},
    {"STOIM", &costing::OrderHeader::STOIM},
    {"STOIMDOPVAL", &costing::OrderHeader::STOIMDOPVAL},
    {"EXEMP", &costing::OrderHeader::EXEMP},
    {"EXEMPDOPVAL", &costing::OrderHeader::EXEMPDOPVAL},
};
constexpr std::string_view kWholeOrderColumns[] = {"TIPPROD", "TIRAZ"};

struct WorkColumn {
    const char* name;
    Number costing::Work::*member;
    bool whole;
};
constexpr WorkColumn kWorkColumns[] = {
    {"KOLVO", &costing::Work::KOLVO, true},      {"TIMEOPER", &costing::Work::TIMEOPER, false},
    {"CENA", &costing::Work::CENA, false},       {"ALLTIME", &costing::Work::ALLTIME, false},
    {"ALLCENA", &costing::Work::ALLCENA, false},
};

}  // namespace

const Json& member(const Json& object, const char* key) {
    static const Json null;
    const auto found = object.find(key);
    return found == object.end() ? null : *found;
}

const Json& objectAt(const Json& root, const char* key, const std::string& where) {
    static const Json empty = Json::object();
    const Json& value = member(root, key);
    if (value.is_null()) {
        return empty;
    }
    requireObject(value, keyPath(where, key));
    return value;
}

const Json& arrayAt(const Json& root, const char* key, const std::string& where) {
    static const Json empty = Json::array();
    const Json& value = member(root, key);
    if (value.is_null()) {
        return empty;
    }
    if (!value.is_array()) {
        throw InputError(keyPath(where, key) + ": expected a list, got " + describe(value));
    }
    return value;
}

costing::ProductFamily readFamily(const Json& root) {
    const Json& family = member(root, "family");
    if (!family.is_number_integer() || family.get<std::int64_t>() < 0 ||
        family.get<std::int64_t>() > 3) {
        throw InputError("family: expected 0 (book), 1 (sheet), 2 (label) or 3 (box)");
    }
    return static_cast<costing::ProductFamily>(family.get<int>());
}

PrintPart readPrintPart(const Json& object, const std::string& where) {
    requireObject(object, where);
    PrintPart part;
    const auto columns = costing::printPartColumns();
    const auto members = costing::printPartMembers();
    for (const auto& [key, value] : object.items()) {
        const auto index = costing::printPartColumnIndex(key);
        if (!index) {
            if (key == "PechListCalc" || key == "BigListCalc") {
                continue;  // computed fields, derived again on output
            }
            throw InputError(keyPath(where, key) + ": not a column of the print part");
        }
        const std::string path = keyPath(where, key);
        if (const auto* text = std::get_if<Text PrintPart::*>(&members[*index])) {
            part.** text = toText(value, path);
        } else {
            const bool whole = columns[*index].type != ColumnType::Double;
            part.*std::get<Number PrintPart::*>(members[*index]) = toNumber(value, path, whole);
        }
    }
    return part;
}

costing::OrderHeader readOrder(const Json& object, const std::string& where) {
    costing::OrderHeader order;
    for (const OrderColumn& column : kOrderColumns) {
        const bool whole = std::find(std::begin(kWholeOrderColumns), std::end(kWholeOrderColumns),
                                     column.name) != std::end(kWholeOrderColumns);
        order.*column.member =
            toNumber(member(object, column.name), keyPath(where, column.name), whole);
    }
    return order;
}

costing::Settings readSettings(const Json& object, const std::string& where) {
    costing::Settings settings;
    settings.NDS = numberAt(object, "NDS", where);
    settings.TIPNDS = numberAt(object, "TIPNDS", where);
    settings.SOCOTCH = numberAt(object, "SOCOTCH", where);
    settings.ENRGCOST = numberAt(object, "ENRGCOST", where);
    settings.TIP_CALCFOLG = numberAt(object, "TIP_CALCFOLG", where);
    settings.COSTRENT = numberAt(object, "COSTRENT", where);
    settings.TIPRENTAB = numberAt(object, "TIPRENTAB", where);
    return settings;
}

costing::Work readWork(const Json& object, const std::string& where) {
    requireObject(object, where);
    costing::Work work;
    for (const WorkColumn& column : kWorkColumns) {
        work.*column.member =
            toNumber(member(object, column.name), keyPath(where, column.name), column.whole);
    }
    return work;
}

costing::Format readFormat(const Json& object, const std::string& where) {
    requireObject(object, where);
    return {textAt(object, "NAME", where), valueAt(object, "LEN", where),
            valueAt(object, "WID", where)};
}

costing::MachineSize readMachine(const Json& object, const std::string& where) {
    requireObject(object, where);
    return {valueAt(object, "LEN", where), valueAt(object, "WID", where)};
}

costing::PressWaste readPressWaste(const Json& object, const std::string& where) {
    requireObject(object, where);
    return {readBands(object, where), valueAt(object, "PRILAD1PLAST", where)};
}

costing::MakeReadyNorm readNorm(const Json& object, const std::string& where) {
    requireObject(object, where);
    return {textAt(object, "NAME", where), valueAt(object, "DOOPR", where),
            valueAt(object, "KOLDOOPR", where), readBands(object, where)};
}

costing::MakeReadyItem readItem(const Json& object, const std::string& where) {
    requireObject(object, where);
    return {textAt(object, "NAME", where), numberAt(object, "KOLVO", where)};
}

Json writePrintPart(const PrintPart& part) {
    Json object = Json::object();
    const auto columns = costing::printPartColumns();
    const auto members = costing::printPartMembers();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string name(columns[i].name);
        if (const auto* text = std::get_if<Text PrintPart::*>(&members[i])) {
            const Text& value = part.**text;
            object[name] = value ? Json(*value) : Json(nullptr);
        } else {
            const bool whole = columns[i].type != ColumnType::Double;
            object[name] = numberJson(part.*std::get<Number PrintPart::*>(members[i]), whole);
        }
    }
    object["PechListCalc"] = costing::PechListCalc(part);
    object["BigListCalc"] = costing::BigListCalc(part);
    return object;
}

Json writeOrder(Json object, const costing::OrderHeader& order) {
    for (const OrderColumn& column : kOrderColumns) {
        const bool whole = std::find(std::begin(kWholeOrderColumns), std::end(kWholeOrderColumns),
                                     column.name) != std::end(kWholeOrderColumns);
        object[column.name] = numberJson(order.*column.member, whole);
    }
    return object;
}

Json writeWork(Json object, const costing::Work& work) {
    for (const WorkColumn& column : kWorkColumns) {
        object[column.name] = numberJson(work.*column.member, column.whole);
    }
    return object;
}

Json writeFormat(const costing::Format& format) {
    return Json{{"NAME", format.NAME}, {"LEN", format.LEN}, {"WID", format.WID}};
}

Json writeItem(const costing::MakeReadyItem& item) {
    return Json{{"NAME", item.NAME}, {"KOLVO", numberJson(item.KOLVO, false)}};
}

}  // namespace zelcalc
