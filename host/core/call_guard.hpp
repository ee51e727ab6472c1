// call_guard.hpp: the one place where host code meets the plug-in boundary.
//
// Every suite function the host hands to a plug-in is a plain C function
// whose body runs inside KESTREL_HOST_CALL("Suite Name/operation", lambda).
// The guard counts the call, applies any injected fault, and turns every C++
// exception into a result code, so nothing escapes into the plug-in.
//
//   static KResult art_get_bounds(KArtHandle art, KRealRect* out) {
//       return KESTREL_HOST_CALL("AI Art Suite/get_bounds", [&](Host& host) {
//           ...; return kNoErr; });
//   }
#pragma once

#include <new>
#include <stdexcept>
#include <string>

#include "kestrel_types.h"
#include "host/core/host.hpp"
#include "host/core/operation_id.hpp"

namespace kestrel::host {

// Thrown by host code to answer a call with a result code.
class HostError : public std::runtime_error {
public:
    HostError(KResult code, const std::string& what) : std::runtime_error(what), code_(code) {}
    KResult code() const noexcept { return code_; }

private:
    KResult code_;
};

[[noreturn]] inline void fail(KResult code, const std::string& what) { throw HostError(code, what); }

// Answers kBadParameterErr unless p is non-null.
template <class P>
inline void require(P* p, const char* what) {
    if (p == nullptr) fail(kBadParameterErr, std::string("null ") + what);
}

template <class F>
KResult guard(OperationId op, F&& body) noexcept {
    Host* host = Host::current();
    if (host == nullptr) return kBadParameterErr;
    try {
        if (KResult injected = host->faults().on_call(op)) return injected;
        return body(*host);
    } catch (const HostError& e) {
        return e.code();
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryErr;
    } catch (...) {
        return kBadParameterErr;
    }
}

}  // namespace kestrel::host

#define KESTREL_HOST_CALL(opname, ...)                                                            \
    ([&]() -> KResult {                                                                           \
        static const ::kestrel::host::OperationId kestrel_op = ::kestrel::host::intern_operation(opname); \
        return ::kestrel::host::guard(kestrel_op, __VA_ARGS__);                                   \
    }())
