#pragma once

namespace shared::utils {

// One visitor made of several lambdas, for std::visit:
//   std::visit(Overloaded{[](const A&) {...}, [](const B&) {...}}, value);
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

}  // namespace shared::utils
