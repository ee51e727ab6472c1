// kestrel run FILTER [INPUT.svg]: one host session that opens the filter's
// dialog with scripted events and/or repeats it with --go, then writes the
// resulting document.
#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "commands.hpp"
#include "host/adm/dialog_manager.hpp"
#include "host/core/host.hpp"
#include "host/document/document.hpp"
#include "host/io/json_writer.hpp"
#include "host/io/png_renderer.hpp"
#include "host/io/svg_reader.hpp"
#include "host/io/svg_writer.hpp"
#include "host/plugins/parameter_block.hpp"
#include "host/plugins/plugin_manager.hpp"
#include "sample_documents.hpp"

namespace kestrel::tool {
namespace {

struct RunOptions {
    std::string filter;
    std::filesystem::path input;
    std::filesystem::path output;
    std::string json_output;
    std::uint32_t seed = 1;
    std::filesystem::path draws;
    std::vector<std::string> sets;
    std::vector<std::string> dialogs;  // values only; the order with --go comes from the command line
    std::filesystem::path dialog_json;
    std::filesystem::path params_json;
    std::string select;  // empty: the file's kestrel:selected marks, else all
    std::string page = "612x792";
    std::string colour_model = "rgb";
    std::string default_style;  // empty: the document's own
    int go_count = 0;  // how many --go; their order with --dialog comes from the command line
};

class RunError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One step of the session: a dialog with its events, or a Go without one.
struct Step {
    bool dialog;
    std::string events;
};

// --dialog and --go in the order they were given.
std::vector<Step> steps_in_order(const std::vector<std::string>& args, const RunOptions& o) {
    std::vector<Step> steps;
    std::size_t next_dialog = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--go") {
            steps.push_back({false, ""});
        } else if ((a == "--dialog" || a.rfind("--dialog=", 0) == 0) && next_dialog < o.dialogs.size()) {
            steps.push_back({true, o.dialogs[next_dialog++]});
            if (a == "--dialog") ++i;  // skip its value
        }
    }
    if (steps.empty()) steps.push_back({true, "ok"});
    return steps;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::vector<float> read_draws(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw RunError("cannot read the draws file " + file.string());
    std::vector<float> out;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        std::istringstream is(line);
        double v;
        std::string rest;
        if (!(is >> v) || (is >> rest) || !(v >= 0.0 && v < 1.0)) {
            throw RunError(file.string() + ":" + std::to_string(number) + ": a draw must be a real in [0, 1), got \"" +
                           line + "\"");
        }
        out.push_back(static_cast<float>(v));
    }
    return out;
}

void parse_page(const std::string& page, double& w, double& h) {
    char x = 0;
    std::istringstream is(page);
    if (!(is >> w >> x >> h) || (x != 'x' && x != 'X') || w <= 0 || h <= 0 || !is.eof()) {
        throw RunError("--page wants WIDTHxHEIGHT in points, such as 612x792; got \"" + page + "\"");
    }
}

int parse_colour_model(const std::string& name) {
    const std::string n = lower(name);
    if (n == "grey" || n == "gray") return kGreyModel;
    if (n == "rgb") return kRGBModel;
    if (n == "cmyk") return kCMYKModel;
    throw RunError("--colour-model wants grey, rgb or cmyk; got \"" + name + "\"");
}

void apply_selection(host::Document& doc, const std::string& select) {
    std::vector<host::Art*> top;
    for (host::Layer* layer : doc.layers()) {
        for (host::Art& art : host::top_level(*layer)) top.push_back(&art);
    }
    if (select == "all" || select == "none") {
        for (host::Art* a : top) doc.set_selected(*a, select == "all");
        return;
    }
    std::vector<bool> chosen(top.size(), false);
    std::stringstream ss(select);
    std::string part;
    while (std::getline(ss, part, ',')) {
        std::size_t used = 0;
        long index = -1;
        try {
            index = std::stol(part, &used);
        } catch (...) {
            used = 0;
        }
        if (used != part.size() || index < 0) {
            throw RunError("--select wants all, none or indexes such as 0,2; got \"" + select + "\"");
        }
        if (static_cast<std::size_t>(index) >= top.size()) {
            throw RunError("--select index " + part + " is past the document's " + std::to_string(top.size()) +
                           " top-level objects");
        }
        chosen[static_cast<std::size_t>(index)] = true;
    }
    for (std::size_t i = 0; i < top.size(); ++i) doc.set_selected(*top[i], chosen[i]);
}

void write_text(const std::string& target, const std::string& text) {
    if (target == "-") {
        std::cout << text;
        return;
    }
    std::ofstream out(target, std::ios::binary);
    if (!out) throw RunError("cannot write " + target);
    out << text;
    if (!out) throw RunError("cannot write " + target);
}

// Reports the error dialogs a message made the plug-in show.
void report_errors(host::Host& host, std::size_t shown_before, const std::string& filter) {
    const auto& shown = host.dialogs().shown();
    for (std::size_t i = shown_before; i < shown.size(); ++i) {
        if (shown[i].resource_id != host::kErrorDialogResource) continue;
        std::string message, code;
        for (const auto& [id, text] : shown[i].item_texts) {
            if (id == 2) message = text;
            if (id == 3) code = text;
        }
        std::cerr << "kestrel: " << filter << " reported: " << message << " (code " << code << ")\n";
    }
}

int run(const CommonOptions& common, const RunOptions& o) {
    host::Host host;
    host.random().set_seed(o.seed);
    if (!o.draws.empty()) host.random().script(read_draws(o.draws));

    bool selection_from_file = false;
    std::string product = lower(o.filter);
    if (product.rfind("tk57_", 0) == 0) product = product.substr(5);
    if (!o.input.empty()) {
        host::SvgReadResult read = host::read_svg_file(o.input);
        for (const std::string& w : read.warnings) std::cerr << "kestrel: warning: " << w << "\n";
        host.set_document(std::move(read.document));
        if (o.select.empty() && read.selection_marked) selection_from_file = true;
    } else {
        double w = 0, h = 0;
        parse_page(o.page, w, h);
        host.set_document(sample_document(product, w, h, parse_colour_model(o.colour_model)));
    }
    if (!selection_from_file) apply_selection(host.document(), o.select.empty() ? "all" : o.select);
    if (!o.default_style.empty()) {
        // Overrides the input's kestrel:default-style: what new shapes are painted with.
        host::Document& doc = host.document();
        try {
            doc.set_default_path_style(host::parse_default_style(o.default_style, doc.default_path_style()));
        } catch (const std::invalid_argument& e) {
            throw RunError(std::string("--default-style: ") + e.what());
        }
    }

    host.plugins().load_folder(common.plugin_dir);
    for (const auto& refused : host.plugins().refused()) {
        std::cerr << "kestrel: warning: " << refused.file.filename().string() << " refused: " << refused.reason << "\n";
    }
    host.plugins().start_all();
    host::Filter* filter = host.plugins().find_filter(o.filter);
    if (filter == nullptr) {
        std::string names;
        for (const host::Filter* f : host.plugins().filters()) names += " " + f->name;
        throw RunError("no filter named \"" + o.filter + "\"; the loaded filters are:" + (names.empty() ? " none" : names));
    }
    const host::Resources& resources = filter->plugin->resources;
    for (const std::string& s : o.sets) host::check_parameter(resources, s);
    const std::size_t block_size = resources.parameter_fields.size() * 4;
    auto apply_sets = [&](void* block) {
        for (const std::string& s : o.sets) host::set_parameter(resources, block, block_size, s);
    };
    host.dialogs().set_before_init([&](KPluginRef self, void* block) {
        if (self == filter->plugin->ref && block != nullptr) apply_sets(block);
    });
    if (!o.dialog_json.empty()) host.dialogs().set_state_recording(true);

    for (const Step& step : steps_in_order(common.args, o)) {
        const std::size_t shown_before = host.dialogs().shown().size();
        if (step.dialog) {
            host.dialogs().push_script(step.events);
            const KResult r = host.plugins().get_parameters(*filter);
            if (auto error = host.dialogs().take_error()) throw RunError("dialog events: " + *error);
            report_errors(host, shown_before, filter->name);
            if (r == kNoErr) host.plugins().go(*filter);
        } else {
            if (filter->parameters != nullptr) apply_sets(*filter->parameters);
            host.plugins().go(*filter, /*new_command=*/true);
            report_errors(host, shown_before, filter->name);
        }
    }

    if (!o.dialog_json.empty()) write_text(o.dialog_json.string(), host.dialogs().recorded_states().dump(2) + "\n");
    if (!o.params_json.empty()) {
        nlohmann::json params = nlohmann::json::object();
        if (filter->parameters != nullptr) params = host::parameters_json(resources, *filter->parameters, block_size);
        write_text(o.params_json.string(), params.dump(2) + "\n");
    }
    const std::string svg = host::write_svg(host.document());
    if (!o.output.empty()) {
        if (lower(o.output.extension().string()) == ".png") {
            host::write_png(svg, o.output);
        } else {
            write_text(o.output.string(), svg);
        }
    }
    if (!o.json_output.empty()) {
        write_text(o.json_output, host::document_json(host.document(), host.random().draws()).dump(2) + "\n");
    }
    host.plugins().shutdown_all();
    return 0;
}

}  // namespace

Action add_run_command(CLI::App& app, const CommonOptions& common) {
    auto o = std::make_shared<RunOptions>();
    auto* sub = app.add_subcommand("run", "Run a filter on an SVG document (or a built-in sample) and write the result");
    sub->add_option("FILTER", o->filter,
                    "A loaded filter by product name (wanderlust, ziggurat, scatterbox; any case) or filter name, such as "
                    "TK57_Wanderlust; kestrel plugins lists them")
        ->required();
    sub->add_option("INPUT", o->input, "SVG document to run on; without it, a built-in sample for the filter")
        ->check(CLI::ExistingFile);
    sub->add_option("-o,--output", o->output, "Write the resulting document as SVG, or PNG when the name ends in .png");
    sub->add_option("--json", o->json_output, "Write the resulting document as JSON (- for standard output)");
    sub->add_option("--seed", o->seed, "Seed of the host's random service")->capture_default_str();
    sub->add_option("--draws", o->draws, "File of reals in [0, 1), one per line, that the random service returns first")
        ->check(CLI::ExistingFile);
    sub->add_option("--set", o->sets,
                    "FIELD=VALUE: a parameter-block field, written as each dialog opens and before each --go (repeatable)")
        ->allow_extra_args(false);
    sub->add_option("--dialog", o->dialogs,
                    "Open the dialog and play these events (\"set ID V; check ID 0|1; choose ID N; click ID|TEXT; "
                    "drag ID X Y; hover ID; move L T; ok; cancel\"), then Go if it ended with OK (repeatable)")
        ->allow_extra_args(false);
    sub->add_flag("--go", o->go_count, "Run the filter again without its dialog, with the stored parameters (repeatable)");
    sub->add_option("--dialog-json", o->dialog_json, "Write the dialog's item states after its init and after each event");
    sub->add_option("--params-json", o->params_json, "Write the parameter block at the end");
    sub->add_option("--select", o->select, "Top-level art of the input to select: all, none or indexes such as 0,2 "
                    "(default: the file's kestrel:selected marks, else all)");
    sub->add_option("--page", o->page, "Page size WIDTHxHEIGHT in points of the built-in document")->capture_default_str();
    sub->add_option("--colour-model", o->colour_model, "Colour model of the built-in document: grey, rgb or cmyk")
        ->capture_default_str();
    sub->add_option("--default-style", o->default_style,
                    "Style new shapes are painted with, such as \"fill:#c33;stroke:#000;stroke-width:1\" "
                    "(fill, stroke, stroke-width, fill-rule; overrides the input's kestrel:default-style)");
    sub->footer("With neither --dialog nor --go the dialog opens and OK is pressed at once.");
    return [&common, o] {
        try {
            return run(common, *o);
        } catch (const std::exception& e) {
            std::cerr << "kestrel run: " << e.what() << "\n";
            return 1;
        }
    };
}

}  // namespace kestrel::tool
