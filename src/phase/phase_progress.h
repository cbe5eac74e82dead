// Progress of a long command in the window's status bar, cleared however the command ends.
#pragma once

#include <QStatusBar>

#include "platform/form.h"

namespace kovia {

class ProgressScope {
 public:
  explicit ProgressScope(Form& form) : form_(form) {}
  ~ProgressScope() { form_.statusBar()->clearMessage(); }
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

  // Shows `text` and repaints at once, without taking operator input.
  void show(const QString& text) { form_.showProgress(text); }

 private:
  Form& form_;
};

}  // namespace kovia
