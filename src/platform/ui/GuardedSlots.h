#pragma once
// Connects a signal to a procedure that runs guarded (platform/Guard.h): a
// failure inside it shows "<Name>Error" and the dialog goes on. Every slot
// of a dialog that runs a procedure is connected this way.
//
//   platform::OnEvent(ok, &QPushButton::clicked, this, "CommandOK_Click",
//                     [this] { CommandOK_Click(); });
//
// The body takes either nothing or the signal's arguments.
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include <QObject>

#include "platform/Guard.h"

namespace platform {

template <class Sender, class Signal, class Body>
QMetaObject::Connection OnEvent(const Sender* sender, Signal signal, const QObject* context,
                                std::string_view name, Body body) {
    // The explicit return type keeps Qt's look at the slot's argument count
    // from instantiating the body with the wrong arguments.
    return QObject::connect(sender, signal, context,
                            [name = std::string(name), body = std::move(body)](auto&&... args) mutable -> void {
                                RunGuarded(name, [&] {
                                    if constexpr (std::is_invocable_v<Body&, decltype(args)...>)
                                        body(std::forward<decltype(args)>(args)...);
                                    else
                                        body();
                                });
                            });
}

}  // namespace platform
