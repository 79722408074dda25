#pragma once
// Connects a signal to a procedure that runs guarded (platform/Guard.h): a
// failure inside it shows "<Name>Error" and the dialog goes on. Every slot
// of a dialog that runs a procedure is connected this way.
//
//   platform::OnEvent(ok, &QPushButton::clicked, this, "CommandOK_Click",
//                     [this] { CommandOK_Click(); });
//
// The body takes either nothing or the signal's arguments. A command button
// found by its name has a shorter form, which names its procedure
// "<button>_Click":
//
//   platform::OnClick(this, "CommandOK", [this] { CommandOK_Click(); });
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include <QAbstractButton>
#include <QObject>

#include "platform/Guard.h"
#include "platform/ui/Controls.h"

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

template <class Body>
QMetaObject::Connection OnClick(const QObject* form, std::string_view button, Body body) {
    return OnEvent(Ctl<QAbstractButton>(form, button), &QAbstractButton::clicked, form,
                   std::string(button) + "_Click", std::move(body));
}

}  // namespace platform
