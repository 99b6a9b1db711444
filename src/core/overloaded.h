#pragma once

namespace vantrel {

/// A visitor made of lambdas, one per alternative of a std::variant.
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace vantrel
