#include "kerfa_content/modules/renderer/renderer_meter.hpp"

#include "shared/components/metrics/utils/arc_utils.hpp"

namespace kerfa_content::modules::renderer {

namespace {

// Without a store the wrapped call still runs, unrecorded.
void add_metric(const shared::components::MetricsArc& store, std::string_view name) {
    if (store) {
        shared::components::metrics::utils::add_metric(store, name);
    }
}

void stop_metric(const shared::components::MetricsArc& store, std::string_view name) {
    if (store) {
        shared::components::metrics::utils::stop_metric(store, name);
    }
}

}  // namespace

RendererMeter::RendererMeter(std::unique_ptr<Renderer> inner,
                             shared::components::MetricsArc metrics)
    : inner_(std::move(inner)), metrics_(std::move(metrics)) {}

std::string RendererMeter::render(const data::types::Document& document) const {
    add_metric(metrics_, "renderer.render");
    auto result = inner_->render(document);
    stop_metric(metrics_, "renderer.render");
    return result;
}

std::string RendererMeter::render_all(std::span<const data::structure::Data> items) const {
    add_metric(metrics_, "renderer.render_all");
    auto result = inner_->render_all(items);
    stop_metric(metrics_, "renderer.render_all");
    return result;
}

void RendererMeter::render_all_to(std::span<const data::structure::Data> items,
                                  std::string& out) const {
    add_metric(metrics_, "renderer.render_all_to");
    inner_->render_all_to(items, out);
    stop_metric(metrics_, "renderer.render_all_to");
}

std::vector<std::string> RendererMeter::render_children(
    std::span<const data::structure::Data> items) const {
    add_metric(metrics_, "renderer.render_children");
    auto result = inner_->render_children(items);
    stop_metric(metrics_, "renderer.render_children");
    return result;
}

std::string RendererMeter::render_container(const data::structure::Container& container) const {
    add_metric(metrics_, "renderer.render_container");
    auto result = inner_->render_container(container);
    stop_metric(metrics_, "renderer.render_container");
    return result;
}

void RendererMeter::render_container_to(const data::structure::Container& container,
                                        std::string& out) const {
    add_metric(metrics_, "renderer.render_container_to");
    inner_->render_container_to(container, out);
    stop_metric(metrics_, "renderer.render_container_to");
}

}  // namespace kerfa_content::modules::renderer
