// fault_injector.hpp: call counting and fault injection for host operations.
//
// A test can make any operation fail on its n-th call with a chosen code,
// refuse any suite acquisition, and read how often each operation ran:
//
//   host.faults().fail_call("AI Art Suite/duplicate_art", 3, kOutOfMemoryErr);
//   host.faults().refuse_suite("AI Undo Suite");
//   host.faults().calls("AI Random Suite/float_rnd");
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kestrel_types.h"
#include "host/core/operation_id.hpp"

namespace kestrel::host {

class FaultInjector {
public:
    // Fail the nth call (1 = the next one counted from now) of an operation
    // with code. repeat: keep failing every call from then on.
    void fail_call(std::string_view operation, std::int64_t nth, KResult code, bool repeat = false);
    // Refuse acquisitions of a suite with "S!Fd" (any version when none given).
    void refuse_suite(std::string_view name, std::optional<std::int32_t> version = std::nullopt,
                      KResult code = kSuiteNotFoundErr);
    // Drop every planned fault (counts stay).
    void clear_faults();
    // Zero every count.
    void reset_counts();

    // Called by the call guard: counts the call; non-zero when it must fail.
    KResult on_call(OperationId op);
    // Called by SP Basic's acquire: the code to refuse with, or 0.
    KResult on_acquire(std::string_view name, std::int32_t version) const;

    std::int64_t calls(std::string_view operation) const;
    // Every operation called at least once, with its count.
    std::map<std::string, std::int64_t> trace() const;

private:
    struct PlannedFault {
        OperationId op;
        std::int64_t at_count;  // fail when the count reaches this value
        KResult code;
        bool repeat;
    };
    struct SuiteRefusal {
        std::string name;
        std::optional<std::int32_t> version;
        KResult code;
    };
    std::vector<std::int64_t> counts_;
    std::vector<PlannedFault> faults_;
    std::vector<SuiteRefusal> refusals_;
};

}  // namespace kestrel::host
