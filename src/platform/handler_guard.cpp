#include "platform/handler_guard.h"

#include <QApplication>
#include <QGuiApplication>
#include <QtGlobal>
#include <exception>

#include "platform/seam.h"

namespace kovia {

namespace {

// Single GUI thread; kept per thread so that a stray worker cannot corrupt it.
struct GuardState {
  int raiseDepth = 0;
  int runDepth = 0;
  std::exception_ptr pending;  // the first failure of the event being raised
};

GuardState& state() {
  thread_local GuardState s;
  return s;
}

// Shows the wait cursor while an operator action runs (restored on every path).
class BusyCursor {
 public:
  BusyCursor() : active_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    if (active_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~BusyCursor() {
    if (active_) QGuiApplication::restoreOverrideCursor();
  }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  bool active_;
};

void report(std::exception_ptr failure) noexcept {
  try {
    try {
      std::rethrow_exception(failure);
    } catch (const UnexpectedDialog&) {
      currentOperator().scriptFailed(std::current_exception());
    } catch (const std::exception& e) {
      currentOperator().errorBox(messageText(e.what()));
    } catch (...) {
      // Not one of ours: shown as an error with no message.
      currentOperator().errorBox(QString());
    }
  } catch (...) {
    qCritical("the operator failed while reporting an error");
  }
}

}  // namespace

bool HandlerGuard::run(const std::function<void()>& action) noexcept {
  GuardState& s = state();
  // An operator action starts a fresh event: nothing raised around it may catch its failure.
  const int savedRaise = s.raiseDepth;
  std::exception_ptr savedPending = s.pending;
  s.raiseDepth = 0;
  s.pending = nullptr;
  ++s.runDepth;
  bool completed = true;
  {
    BusyCursor busy;
    try {
      action();
    } catch (...) {
      completed = false;
      report(std::current_exception());
    }
  }
  --s.runDepth;
  s.raiseDepth = savedRaise;
  s.pending = savedPending;
  return completed;
}

void HandlerGuard::raise(const std::function<void()>& emitter) {
  GuardState& s = state();
  std::exception_ptr outer = s.pending;
  s.pending = nullptr;
  ++s.raiseDepth;
  std::exception_ptr failure;
  try {
    emitter();
  } catch (...) {
    failure = std::current_exception();
  }
  --s.raiseDepth;
  if (!failure) failure = s.pending;
  s.pending = outer;
  if (failure) std::rethrow_exception(failure);
}

void HandlerGuard::deliver(const std::function<void()>& handler) noexcept {
  GuardState& s = state();
  if (s.raiseDepth == 0) {
    run(handler);
    return;
  }
  if (s.pending) return;  // an earlier handler of this event failed: the event ended there
  try {
    handler();
  } catch (...) {
    s.pending = std::current_exception();
  }
}

bool HandlerGuard::raising() noexcept { return state().raiseDepth > 0; }

}  // namespace kovia
