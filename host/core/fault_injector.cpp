#include "host/core/fault_injector.hpp"

#include <algorithm>

namespace kestrel::host {

void FaultInjector::fail_call(std::string_view operation, std::int64_t nth, KResult code, bool repeat) {
    const OperationId op = intern_operation(operation);
    if (counts_.size() <= op) counts_.resize(op + 1, 0);
    faults_.push_back({op, counts_[op] + std::max<std::int64_t>(nth, 1), code, repeat});
}

void FaultInjector::refuse_suite(std::string_view name, std::optional<std::int32_t> version, KResult code) {
    refusals_.push_back({std::string(name), version, code});
}

void FaultInjector::clear_faults() {
    faults_.clear();
    refusals_.clear();
}

void FaultInjector::reset_counts() { std::fill(counts_.begin(), counts_.end(), 0); }

KResult FaultInjector::on_call(OperationId op) {
    if (counts_.size() <= op) counts_.resize(op + 1, 0);
    const std::int64_t count = ++counts_[op];
    if (faults_.empty()) return kNoErr;
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (it->op != op) continue;
        if (count == it->at_count || (it->repeat && count > it->at_count)) {
            const KResult code = it->code;
            if (!it->repeat) faults_.erase(it);
            return code;
        }
    }
    return kNoErr;
}

KResult FaultInjector::on_acquire(std::string_view name, std::int32_t version) const {
    for (const SuiteRefusal& r : refusals_) {
        if (r.name == name && (!r.version || *r.version == version)) return r.code;
    }
    return kNoErr;
}

std::int64_t FaultInjector::calls(std::string_view operation) const {
    const OperationId op = intern_operation(operation);
    return op < counts_.size() ? counts_[op] : 0;
}

std::map<std::string, std::int64_t> FaultInjector::trace() const {
    std::map<std::string, std::int64_t> out;
    for (OperationId op = 0; op < counts_.size(); ++op) {
        if (counts_[op] != 0) out.emplace(operation_name(op), counts_[op]);
    }
    return out;
}

}  // namespace kestrel::host
