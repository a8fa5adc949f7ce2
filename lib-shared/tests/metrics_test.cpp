#include <gtest/gtest.h>

#include "shared/components/metrics.hpp"
#include "shared/components/metrics/utils/arc_utils.hpp"

namespace {

using shared::components::MetricsArc;
using shared::components::new_metrics_arc;
namespace arc_utils = shared::components::metrics::utils;

TEST(Metrics, SameNameTwiceKeepsBothAndStopsOnlyTheNewer) {
    const MetricsArc store = new_metrics_arc();
    arc_utils::add_metric(store, "parse");
    arc_utils::add_metric(store, "render");
    arc_utils::add_metric(store, "parse");
    arc_utils::stop_metric(store, "parse");
    arc_utils::stop_metric(store, "never added");

    const auto& records = store->metrics.records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].name, "parse");
    EXPECT_FALSE(records[0].stop.has_value());
    EXPECT_FALSE(records[1].stop.has_value());
    EXPECT_EQ(records[2].name, "parse");
    ASSERT_TRUE(records[2].stop.has_value());
    EXPECT_GE(*records[2].stop, records[2].start);
    EXPECT_EQ(store->metrics.get("parse"), &records[2]);
    EXPECT_EQ(store->metrics.get("render"), &records[1]);
    EXPECT_EQ(store->metrics.get("missing"), nullptr);
}

TEST(Metrics, HandlesShareOneStore) {
    const MetricsArc first = new_metrics_arc();
    const MetricsArc second = first;
    arc_utils::add_metric(second, "x");
    EXPECT_EQ(first->metrics.records().size(), 1u);
    EXPECT_EQ(new_metrics_arc()->metrics.records().size(), 0u);
}

}  // namespace
