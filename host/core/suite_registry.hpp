// suite_registry.hpp: the suites the host offers, by name and version, and
// how many times each is acquired right now.
//
// The registry hands out the same table on every acquisition of a name and
// version; an unknown name or version answers "S!Fd".
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "kestrel_types.h"

namespace kestrel::host {

class SuiteRegistry {
public:
    // Offer a table (static storage, owned by the host code that defines it).
    void add(std::string name, std::int32_t version, const void* table);
    // The table, or null for an unknown name or version.
    const void* find(const std::string& name, std::int32_t version) const;

    // Acquisition accounting, called by SP Basic.
    void note_acquired(const std::string& name, std::int32_t version);
    // False when the suite was not acquired (a release without acquire).
    bool note_released(const std::string& name, std::int32_t version);
    // Acquisitions not yet released, over all suites.
    std::int64_t outstanding() const;
    std::int64_t outstanding(const std::string& name) const;

private:
    std::map<std::pair<std::string, std::int32_t>, const void*> tables_;
    std::map<std::pair<std::string, std::int32_t>, std::int64_t> acquired_;
};

// Functions that add each family of suites; each lives with its suites.
void register_sp_suites(SuiteRegistry& registry);        // SP Basic's partners: blocks, access
void register_memory_suites(SuiteRegistry& registry);    // AI MdMemory
void register_math_suites(SuiteRegistry& registry);      // AI Real Math, AI User
void register_random_suites(SuiteRegistry& registry);    // AI Random
void register_art_suites(SuiteRegistry& registry);       // art, path, path style, blend, transform, matching, tag
void register_document_suites(SuiteRegistry& registry);  // document, view, layer, undo, swatch list
void register_envelope_suites(SuiteRegistry& registry);  // AI Envelope
void register_shape_suites(SuiteRegistry& registry);     // AI Shape Construction
void register_text_suites(SuiteRegistry& registry);      // text stream, text, face style, dictionary
void register_filter_suites(SuiteRegistry& registry);    // AI Filter, AI Menu
void register_adm_suites(SuiteRegistry& registry);       // the eight ADM suites

}  // namespace kestrel::host
