#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "kerfa_content/modules/factory_setup.hpp"
#include "kerfa_content/modules/parser/parser.hpp"
#include "kerfa_content/modules/parser/parser_meter.hpp"
#include "kerfa_content/modules/parser/parser_trace.hpp"
#include "kerfa_content/modules/renderer/renderer.hpp"
#include "kerfa_content/modules/renderer/renderer_meter.hpp"
#include "kerfa_content/modules/renderer/renderer_trace.hpp"
#include "kerfa_content/testing/model.hpp"
#include "shared/components/char_iterator/str_char_iterator.hpp"
#include "shared/components/metrics.hpp"

namespace {

using namespace kerfa_content::testing;
using kerfa_content::modules::FactorySetup;
using kerfa_content::modules::parser::Parser;
using kerfa_content::modules::parser::ParserMeter;
using kerfa_content::modules::parser::ParserTrace;
using kerfa_content::modules::parser::types::ParseData;
using kerfa_content::modules::parser::types::SourcePositions;
using kerfa_content::modules::renderer::Renderer;
using kerfa_content::modules::renderer::RendererMeter;
using kerfa_content::modules::renderer::RendererTrace;
using shared::components::MetricsArc;

// What a metric looked like while the inner call ran.
struct Seen {
    bool started = false;
    bool stopped = false;
};

// Records, during its own call, whether the meter had already started and not yet stopped.
class ProbeParser final : public Parser {
  public:
    ProbeParser(MetricsArc store, std::vector<std::string>* calls)
        : store_(std::move(store)), calls_(calls) {}

    ParseData parse_chars(
        std::unique_ptr<shared::components::char_iterator::CharIterator> chars) override {
        return answer("parse_chars", chars->to_string());
    }
    ParseData parse_str(std::string_view text) override {
        return answer("parse_str", std::string(text));
    }

  private:
    ParseData answer(const std::string& operation, std::string text) {
        Seen seen;
        if (store_) {
            std::lock_guard lock(store_->mutex);
            const auto* metric = store_->metrics.get("parser." + operation);
            seen = {metric != nullptr, metric != nullptr && metric->stop.has_value()};
        }
        calls_->push_back(operation + (seen.started ? " started" : "") +
                          (seen.stopped ? " stopped" : ""));
        ParseData data;
        data.content.push_back(section(list(kerfa_content::testing::text(std::move(text)))));
        data.metadata.insert("Op", operation);
        return data;
    }

    MetricsArc store_;
    std::vector<std::string>* calls_;
};

TEST(FactoryWrapping, TraceOutsideMeterOutsideTheImplementation) {
    struct Case {
        bool metrics;
        bool trace;
        std::vector<std::string> layers;  // outermost first
    };
    const std::vector<Case> cases{
        {false, false, {"impl"}},
        {true, false, {"meter", "impl"}},
        {false, true, {"trace", "impl"}},
        {true, true, {"trace", "meter", "impl"}},
    };
    for (const auto& c : cases) {
        FactorySetup setup;
        if (c.metrics) {
            setup.metrics = shared::components::new_metrics_arc();
        }
        setup.trace = c.trace;
        std::vector<std::string> calls;
        const auto parser = setup.wrap(std::make_unique<ProbeParser>(nullptr, &calls));
        std::vector<std::string> layers;
        const Parser* layer = parser.get();
        while (true) {
            if (const auto* trace = dynamic_cast<const ParserTrace*>(layer)) {
                layers.push_back("trace");
                layer = &trace->inner();
            } else if (const auto* meter = dynamic_cast<const ParserMeter*>(layer)) {
                layers.push_back("meter");
                layer = &meter->inner();
            } else {
                layers.push_back("impl");
                break;
            }
        }
        EXPECT_EQ(layers, c.layers) << c.metrics << c.trace;
    }
}

TEST(ParserWrappers, OneMetricPerCallOpenWhileTheInnerCallRuns) {
    FactorySetup setup{shared::components::new_metrics_arc(), true};
    std::vector<std::string> calls;
    auto parser = setup.wrap(std::make_unique<ProbeParser>(*setup.metrics, &calls));

    ParseData first = parser->parse_str("one");
    ParseData second = parser->parse_chars(
        std::make_unique<shared::components::char_iterator::StrCharIterator>("two"));
    ParseData third = parser->parse_str("three");

    EXPECT_EQ(calls, (std::vector<std::string>{"parse_str started", "parse_chars started",
                                               "parse_str started"}));
    // Results pass through unchanged.
    EXPECT_EQ(first.content.front(), section(list(text("one"))));
    EXPECT_EQ(second.content.front(), section(list(text("two"))));
    EXPECT_EQ(third.metadata.get("op"), "parse_str");

    std::lock_guard lock((*setup.metrics)->mutex);
    const auto& records = (*setup.metrics)->metrics.records();
    ASSERT_EQ(records.size(), 3u);
    const std::vector<std::string> names{"parser.parse_str", "parser.parse_chars",
                                         "parser.parse_str"};
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].name, names[i]);
        ASSERT_TRUE(records[i].stop.has_value()) << names[i];
        EXPECT_LE(records[i].start, *records[i].stop);
    }
}

// A writer that implements only the three required operations.
class ListRenderer final : public Renderer {
  public:
    std::string render(const kerfa_content::data::types::Document& document) const override {
        return "doc:" + render_all(document.children);
    }
    void render_all_to(std::span<const Data> items, std::string& out) const override {
        for (const auto& item : items) {
            item.text_append(out);
            out += '|';
        }
    }
    void render_container_to(const kerfa_content::data::structure::Container& container,
                             std::string& out) const override {
        out += '[';
        render_all_to(container.children(), out);
        out += ']';
    }
};

TEST(RendererWrappers, DefaultsAndOneMetricPerOperation) {
    FactorySetup setup{shared::components::new_metrics_arc(), true};
    const auto renderer = setup.wrap(std::make_unique<ListRenderer>());
    ASSERT_NE(dynamic_cast<const RendererTrace*>(renderer.get()), nullptr);

    const auto items = list(section(list(text("a"))), text("t"), block(0, list(text("b"))));
    EXPECT_EQ(renderer->render_children(items), (std::vector<std::string>{"[a|]", "[b|]"}));
    EXPECT_EQ(renderer->render_all(items), "a|t|b|");
    std::string out = ">";
    renderer->render_all_to(items, out);
    EXPECT_EQ(out, ">a|t|b|");
    EXPECT_EQ(renderer->render_container(*items[2].as_container()), "[b|]");
    out.clear();
    renderer->render_container_to(*items[0].as_container(), out);
    EXPECT_EQ(out, "[a|]");
    kerfa_content::data::types::Document document;
    document.children = list(section(list(text("s"))));
    EXPECT_EQ(renderer->render(document), "doc:s|");

    std::lock_guard lock((*setup.metrics)->mutex);
    std::vector<std::string> names;
    for (const auto& record : (*setup.metrics)->metrics.records()) {
        names.push_back(record.name);
        EXPECT_TRUE(record.stop.has_value()) << record.name;
    }
    // The meter sees only the outer calls; the defaults run inside the implementation.
    EXPECT_EQ(names,
              (std::vector<std::string>{"renderer.render_children", "renderer.render_all",
                                        "renderer.render_all_to", "renderer.render_container",
                                        "renderer.render_container_to", "renderer.render"}));
}

TEST(MeterWithoutStore, StillRunsTheWrappedCall) {
    std::vector<std::string> calls;
    ParserMeter parser(std::make_unique<ProbeParser>(nullptr, &calls), nullptr);
    EXPECT_EQ(parser.parse_str("one").content.front(), section(list(text("one"))));
    EXPECT_EQ(calls, std::vector<std::string>{"parse_str"});

    const RendererMeter renderer(std::make_unique<ListRenderer>(), nullptr);
    const auto items = list(section(list(text("a"))), text("t"));
    EXPECT_EQ(renderer.render_all(items), "a|t|");
    EXPECT_EQ(renderer.render_children(items), std::vector<std::string>{"[a|]"});
}

TEST(ParseDataRecord, WithPositionsReplacesAndAddSectionAppends) {
    ParseData data;
    data.positions = SourcePositions{{1, 2}, {{3, 4}}};
    SourcePositions positions;
    positions.add_section(0);
    positions.add_section(17);
    positions.private_spans.emplace_back(5, 9);
    const ParseData replaced = ParseData::with_positions(std::move(data), positions);
    ASSERT_TRUE(replaced.positions.has_value());
    EXPECT_EQ(*replaced.positions, positions);
    EXPECT_EQ(replaced.positions->section_starts, (std::vector<std::size_t>{0, 17}));
}

}  // namespace
