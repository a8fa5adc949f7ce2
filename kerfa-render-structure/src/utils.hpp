#pragma once

#include <optional>
#include <string>

#include "kerfa_content/data/structure/data.hpp"

// The lines of the structure dump.
namespace kerfa_render_structure::utils {

// Each attribute after one blank, labelled by its kind ("Bullet dash", "Color-Name red",
// "Integer 3"); a text between double quotes without a label.
std::string to_attributes(const std::optional<kerfa_content::data::types::Attributes>& attributes);

// The line of one item; a container's is its container_description.
std::string data_description(const kerfa_content::data::structure::Data& item);

// "[Block : bullet Bullet dash ]", "[Document : id: 0, name: \"\"]",
// "[Section : id: 1, level: 0, name: \"Intro\"]".
std::string container_description(const kerfa_content::data::structure::Container& container);

// "[Document : id: 0, name: \"\"]".
std::string document_description(const kerfa_content::data::types::Document& document);

}  // namespace kerfa_render_structure::utils
