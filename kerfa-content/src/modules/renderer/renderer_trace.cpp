#include "kerfa_content/modules/renderer/renderer_trace.hpp"

#include "shared/components/timer.hpp"
#include "shared/components/trace/trace_log.hpp"

namespace kerfa_content::modules::renderer {

using shared::components::Timer;
using shared::components::trace::TraceLog;

RendererTrace::RendererTrace(std::unique_ptr<Renderer> inner) : inner_(std::move(inner)) {}

std::string RendererTrace::render(const data::types::Document& document) const {
    Timer timer;
    TraceLog::sub_enter(RENDERER_MODULE, "render");
    auto result = inner_->render(document);
    TraceLog::sub_exit(RENDERER_MODULE, "render", timer.stop());
    return result;
}

std::string RendererTrace::render_all(std::span<const data::structure::Data> items) const {
    Timer timer;
    TraceLog::sub_enter(RENDERER_MODULE, "render_all");
    auto result = inner_->render_all(items);
    TraceLog::sub_exit(RENDERER_MODULE, "render_all", timer.stop());
    return result;
}

void RendererTrace::render_all_to(std::span<const data::structure::Data> items,
                                  std::string& out) const {
    Timer timer;
    TraceLog::sub_enter(RENDERER_MODULE, "render_all_to");
    inner_->render_all_to(items, out);
    TraceLog::sub_exit(RENDERER_MODULE, "render_all_to", timer.stop());
}

std::vector<std::string> RendererTrace::render_children(
    std::span<const data::structure::Data> items) const {
    Timer timer;
    TraceLog::sub_enter(RENDERER_MODULE, "render_children");
    auto result = inner_->render_children(items);
    TraceLog::sub_exit(RENDERER_MODULE, "render_children", timer.stop());
    return result;
}

std::string RendererTrace::render_container(const data::structure::Container& container) const {
    Timer timer;
    TraceLog::sub_enter(RENDERER_MODULE, "render_container");
    auto result = inner_->render_container(container);
    TraceLog::sub_exit(RENDERER_MODULE, "render_container", timer.stop());
    return result;
}

void RendererTrace::render_container_to(const data::structure::Container& container,
                                        std::string& out) const {
    Timer timer;
    TraceLog::sub_enter(RENDERER_MODULE, "render_container_to");
    inner_->render_container_to(container, out);
    TraceLog::sub_exit(RENDERER_MODULE, "render_container_to", timer.stop());
}

}  // namespace kerfa_content::modules::renderer
