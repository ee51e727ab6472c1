#include "host/core/suite_registry.hpp"

namespace kestrel::host {

void SuiteRegistry::add(std::string name, std::int32_t version, const void* table) {
    tables_[{std::move(name), version}] = table;
}

const void* SuiteRegistry::find(const std::string& name, std::int32_t version) const {
    auto it = tables_.find({name, version});
    return it == tables_.end() ? nullptr : it->second;
}

void SuiteRegistry::note_acquired(const std::string& name, std::int32_t version) { ++acquired_[{name, version}]; }

bool SuiteRegistry::note_released(const std::string& name, std::int32_t version) {
    auto it = acquired_.find({name, version});
    if (it == acquired_.end() || it->second == 0) return false;
    --it->second;
    return true;
}

std::int64_t SuiteRegistry::outstanding() const {
    std::int64_t total = 0;
    for (const auto& [key, count] : acquired_) total += count;
    return total;
}

std::int64_t SuiteRegistry::outstanding(const std::string& name) const {
    std::int64_t total = 0;
    for (const auto& [key, count] : acquired_) {
        if (key.first == name) total += count;
    }
    return total;
}

}  // namespace kestrel::host
