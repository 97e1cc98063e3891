#include "core/fb/client.h"

#include <QString>
#include <array>

#include "core/fb/error.h"

namespace fb {

Firebird::IMaster* master() {
    static Firebird::IMaster* const instance = Firebird::fb_get_master_interface();
    return instance;
}

Firebird::IUtil* util() {
    return master()->getUtilInterface();
}

Firebird::IProvider* provider() {
    static Firebird::IProvider* const instance = master()->getDispatcher();
    return instance;
}

void call(const std::function<void(Firebird::ThrowStatusWrapper&)>& body) {
    Firebird::IStatus* rawStatus = master()->getStatus();
    Firebird::ThrowStatusWrapper status(rawStatus);
    try {
        body(status);
    } catch (const Firebird::FbException& e) {
        std::array<char, 4096> text{};
        util()->formatStatus(text.data(), static_cast<unsigned>(text.size()), e.getStatus());
        rawStatus->dispose();
        throw Error(QString::fromUtf8(text.data()).trimmed());
    } catch (...) {
        rawStatus->dispose();
        throw;
    }
    rawStatus->dispose();
}

}  // namespace fb
