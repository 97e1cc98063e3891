#pragma once

#include <firebird/Interface.h>

#include <functional>

namespace fb {

// The process-wide entry points of the Firebird client library.
Firebird::IMaster* master();
Firebird::IUtil* util();
Firebird::IProvider* provider();

// Runs a call into the client library with a throwing status and turns any failure into
// fb::Error carrying the server's formatted text.
void call(const std::function<void(Firebird::ThrowStatusWrapper&)>& body);

}  // namespace fb
