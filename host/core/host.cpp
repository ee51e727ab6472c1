#include "host/core/host.hpp"

#include <stdexcept>

#include "host/adm/dialog_manager.hpp"
#include "host/document/document.hpp"
#include "host/plugins/plugin_manager.hpp"

namespace kestrel::host {
namespace {
Host* g_current = nullptr;
}

Host::Host() {
    if (g_current != nullptr) throw std::logic_error("only one Kestrel host can exist at a time");
    g_current = this;
    register_sp_suites(suites_);
    register_memory_suites(suites_);
    register_math_suites(suites_);
    register_random_suites(suites_);
    register_art_suites(suites_);
    register_document_suites(suites_);
    register_envelope_suites(suites_);
    register_shape_suites(suites_);
    register_text_suites(suites_);
    register_filter_suites(suites_);
    register_adm_suites(suites_);
    document_ = std::make_unique<Document>();
    dialogs_ = std::make_unique<DialogManager>(*this);
    plugins_ = std::make_unique<PluginManager>(*this);
}

Host::~Host() {
    // Plug-ins first: their shut-down still calls into the document and memory.
    plugins_.reset();
    dialogs_.reset();
    document_.reset();
    g_current = nullptr;
}

Host* Host::current() { return g_current; }

void Host::set_document(std::unique_ptr<Document> document) {
    if (!document) throw std::invalid_argument("no document");
    document_ = std::move(document);
}

}  // namespace kestrel::host
