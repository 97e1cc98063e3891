#include "main/startup.h"

#include "core/fb/error.h"
#include "main/dm.h"
#include "ui/dialogs.h"

namespace zelvan {

std::optional<zel::DatabaseLocation> connectDataModule(TDM& dm, const QString& startFolder) {
    zel::DatabaseLocation location;
    try {
        location = zel::RootCfg(startFolder).readLocation();
    } catch (const zel::RootCfgError& error) {
        zel::ui::Dialogs::showError(
            nullptr,
            error.message() + QStringLiteral("\n\nФайл root.cfg с расположением базы данных должен "
                                             "лежать в папке, из которой запущена программа. "
                                             "Его можно создать программой zelbase."));
        return std::nullopt;
    }
    try {
        dm.connectTo(location.connectionString());
        dm.DSetObsh->open();
    } catch (const fb::Error&) {
        zel::ui::Dialogs::showError(nullptr, QStringLiteral("Ошибка связи с БД!!!"));
        return std::nullopt;
    }
    return location;
}

}  // namespace zelvan
