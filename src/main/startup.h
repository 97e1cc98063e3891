#pragma once

#include <QString>
#include <optional>

#include "core/root_cfg.h"

namespace zelvan {

class TDM;

// The first step of zelvan61's start: read where the database lives from root.cfg in the
// start-up folder, connect, open the general settings. On failure the user is told
// (a root.cfg that cannot be read gets its own message; any connection failure
// "Ошибка связи с БД!!!") and nothing is returned: the program then ends.
std::optional<zel::DatabaseLocation> connectDataModule(TDM& dm, const QString& startFolder);

}  // namespace zelvan
