#pragma once
// One callable made of several lambdas, for std::visit and for visitors that
// take each value type of a variant its own way.

namespace nimbrel {

template <class... Fs>
struct Overloaded : Fs... {
    using Fs::operator()...;
};
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

}  // namespace nimbrel
