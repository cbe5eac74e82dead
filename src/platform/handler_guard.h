// The handler guard: the one way an event reaches a window's handler.
//
// Qt never sees an exception. An event the operator raises (a click, a key, a choice)
// runs under run(): a std::exception thrown by its handler ends the handler and is shown
// in the default error box with exactly its what() text; whatever the handler had
// already written stays. An event the program raises itself (a handler setting a radio
// group's item index, a grid moving its current row) runs under raise(): the handler's
// exception is carried past Qt's signal machinery and re-thrown to the code that raised
// the event, so it ends the outer handler as well, exactly as a direct call would.
//
// A dialog the scripted operator was not told to expect (UnexpectedDialog) is never
// shown as an error box: the guard hands it to the operator, which records it as a
// failure of the script.
#pragma once

#include <QObject>
#include <functional>
#include <type_traits>
#include <utility>

namespace kovia {

class HandlerGuard {
 public:
  // Runs an operator action. Returns true when it ran to completion, false when an
  // exception ended it (the exception has been shown or recorded). Never throws.
  static bool run(const std::function<void()>& action) noexcept;

  // Runs `emitter`, which emits Qt signals whose handlers are connected with
  // connectHandler, and re-throws the first exception one of those handlers raised.
  // Handlers later in line for the same event do not run once one has failed.
  static void raise(const std::function<void()>& emitter);

  // An operator event: raise() under run(). Returns true when no handler failed.
  static bool operatorEvent(const std::function<void()>& emitter) noexcept {
    return run([&] { raise(emitter); });
  }

  // Called by the connections connectHandler makes: inside raise() an exception is kept
  // for raise() to re-throw; otherwise (a signal Qt emitted on its own) the handler runs
  // as an operator action. Never throws.
  static void deliver(const std::function<void()>& handler) noexcept;

  // True while an event raised by raise() is being delivered.
  static bool raising() noexcept;
};

// Connects `signal` of `sender` to the handler slot `handler` of `receiver` through the
// guard. A handler takes the sender first, then either nothing or exactly the signal's
// arguments: void SpeedButton3Click(QObject* Sender) for clicked(bool), or
// void StringGrid1KeyDown(QObject* Sender, KeyCode& Key, ShiftState Shift) for
// keyDown(KeyCode&, ShiftState). The connection is direct.
template <class Sender, class SignalOwner, class... SignalArgs, class Receiver, class HandlerOwner,
          class... HandlerArgs>
QMetaObject::Connection connectHandler(Sender* sender, void (SignalOwner::*signal)(SignalArgs...),
                                       Receiver* receiver,
                                       void (HandlerOwner::*handler)(QObject*, HandlerArgs...)) {
  static_assert(std::is_base_of_v<SignalOwner, Sender>, "the signal must belong to the sender");
  static_assert(std::is_base_of_v<HandlerOwner, Receiver>, "the handler must belong to the receiver");
  static_assert(sizeof...(HandlerArgs) == 0 ||
                    std::is_same_v<void(HandlerArgs...), void(SignalArgs...)>,
                "a handler takes the sender and then nothing or exactly the signal's arguments");
  QObject* source = sender;
  return QObject::connect(
      sender, signal, receiver,
      [source, receiver, handler](SignalArgs... args) {
        HandlerGuard::deliver([&] {
          if constexpr (sizeof...(HandlerArgs) == 0) {
            ((void)args, ...);
            (receiver->*handler)(source);
          } else {
            (receiver->*handler)(source, std::forward<SignalArgs>(args)...);
          }
        });
      },
      Qt::DirectConnection);
}

// Connects `signal` to a callable through the guard; `context` ends the connection when
// it is destroyed. The callable takes exactly the signal's arguments.
template <class Sender, class SignalOwner, class... SignalArgs, class Callable>
  requires std::is_invocable_v<Callable&, SignalArgs...>
QMetaObject::Connection connectHandler(Sender* sender, void (SignalOwner::*signal)(SignalArgs...),
                                       QObject* context, Callable callable) {
  static_assert(std::is_base_of_v<SignalOwner, Sender>, "the signal must belong to the sender");
  return QObject::connect(
      sender, signal, context,
      [callable = std::move(callable)](SignalArgs... args) mutable {
        HandlerGuard::deliver([&] { callable(std::forward<SignalArgs>(args)...); });
      },
      Qt::DirectConnection);
}

}  // namespace kovia
