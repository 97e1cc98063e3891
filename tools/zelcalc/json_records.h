#pragma once

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>
#include <vector>

#include "costing/family.h"
#include "costing/make_ready.h"
#include "costing/order.h"
#include "costing/print_part.h"
#include "costing/reference_rows.h"

namespace zelcalc {

using Json = nlohmann::ordered_json;

// Input that cannot be read; the message names the key, e.g. "parts[0].DOLYA: expected a
// number".
class InputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The member "key" of an object, or null when it is missing. where names the object in
// messages ("order", "parts[1]").
const Json& member(const Json& object, const char* key);
const Json& objectAt(const Json& root, const char* key, const std::string& where);
const Json& arrayAt(const Json& root, const char* key, const std::string& where);

costing::ProductFamily readFamily(const Json& root);

// Records from objects keyed by column names in capitals; a missing key is null. The
// readers check the columns the costing uses; other keys of the order, settings and works
// are left for the writers to copy back unchanged.
costing::PrintPart readPrintPart(const Json& object, const std::string& where);
costing::OrderHeader readOrder(const Json& object, const std::string& where);
costing::Settings readSettings(const Json& object, const std::string& where);
costing::Work readWork(const Json& object, const std::string& where);
costing::Format readFormat(const Json& object, const std::string& where);
costing::MachineSize readMachine(const Json& object, const std::string& where);
costing::PressWaste readPressWaste(const Json& object, const std::string& where);
costing::MakeReadyNorm readNorm(const Json& object, const std::string& where);
costing::MakeReadyItem readItem(const Json& object, const std::string& where);

// All 252 columns of the part, then its two computed fields PechListCalc and BigListCalc.
Json writePrintPart(const costing::PrintPart& part);
// The input object with the costing's columns written over it.
Json writeOrder(Json object, const costing::OrderHeader& order);
Json writeWork(Json object, const costing::Work& work);
Json writeFormat(const costing::Format& format);
Json writeItem(const costing::MakeReadyItem& item);

}  // namespace zelcalc
