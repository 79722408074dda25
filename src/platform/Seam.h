#pragma once
// How every replaceable service of the program is put in place. A service is
// installed through its own setter, which takes the new one (an object behind
// an interface, or a value such as the program folder) and returns the one it
// replaces; nullptr puts back the service's default. The composition root
// installs the program's services at start; a test installs stand-ins for the
// life of a scope, and scopes nest:
//
//   platform::ScopedPromptService use(prompts);   // until the end of the block
#include <type_traits>
#include <utility>

namespace platform {

template <class Setter>
struct SetterTraits;
template <class Value>
struct SetterTraits<Value (*)(Value)> {
    using type = Value;
};

// Installs a service through `Set` for the life of the object and puts the
// previous one back when it ends.
template <auto Set>
class Scoped {
public:
    using Value = typename SetterTraits<decltype(Set)>::type;

    explicit Scoped(Value value) : previous_(Set(std::move(value))) {}
    // An object service by reference: the installer never owns it.
    template <class Service>
        requires std::is_pointer_v<Value> && std::is_convertible_v<Service*, Value>
    explicit Scoped(Service& service) : Scoped(static_cast<Value>(&service)) {}
    ~Scoped() { Set(std::move(previous_)); }

    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;

private:
    Value previous_;
};

}  // namespace platform
