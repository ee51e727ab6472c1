#include "host/core/operation_id.hpp"

#include <mutex>
#include <unordered_map>

namespace kestrel::host {
namespace {

struct Interner {
    std::mutex lock;
    std::unordered_map<std::string, OperationId> ids;
    std::vector<std::string> names;
};

Interner& interner() {
    static Interner instance;
    return instance;
}

}  // namespace

OperationId intern_operation(std::string_view name) {
    Interner& in = interner();
    std::lock_guard guard(in.lock);
    auto [it, added] = in.ids.try_emplace(std::string(name), static_cast<OperationId>(in.names.size()));
    if (added) in.names.emplace_back(name);
    return it->second;
}

const std::string& operation_name(OperationId id) {
    Interner& in = interner();
    std::lock_guard guard(in.lock);
    return in.names.at(id);
}

std::vector<std::string> operation_names() {
    Interner& in = interner();
    std::lock_guard guard(in.lock);
    return in.names;
}

}  // namespace kestrel::host
