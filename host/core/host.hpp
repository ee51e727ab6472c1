// host.hpp: the Kestrel host: one object that owns everything a session of
// plug-ins runs against (suites, memory, random service, document, dialog
// manager, loaded plug-ins).
//
// Exactly one Host is current at a time; the C suite functions find it with
// Host::current(). A test or the command-line host makes one, loads the
// plug-ins and drives them:
//
//   kestrel::host::Host host;
//   host.plugins().load_folder("build/plugins");
//   host.plugins().start_all();
#pragma once

#include <memory>

#include "host/core/fault_injector.hpp"
#include "host/core/memory.hpp"
#include "host/core/random_service.hpp"
#include "host/core/suite_registry.hpp"

namespace kestrel::host {

class Document;
class DialogManager;
class PluginManager;

class Host {
public:
    Host();
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The host that suite calls reach now; null when none exists.
    static Host* current();

    FaultInjector& faults() { return faults_; }
    SuiteRegistry& suites() { return suites_; }
    Memory& memory() { return memory_; }
    RandomService& random() { return random_; }
    Document& document() { return *document_; }
    DialogManager& dialogs() { return *dialogs_; }
    PluginManager& plugins() { return *plugins_; }

    // Replace the document (a loaded SVG, a built-in sample).
    void set_document(std::unique_ptr<Document> document);

private:
    FaultInjector faults_;
    SuiteRegistry suites_;
    Memory memory_;
    RandomService random_;
    std::unique_ptr<Document> document_;
    std::unique_ptr<DialogManager> dialogs_;
    std::unique_ptr<PluginManager> plugins_;
};

}  // namespace kestrel::host
