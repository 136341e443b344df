// MainWindow: the program's answers to its window. It binds each control's event
// (named in the control table) to the feature routine that handles it, and runs the
// start-up and exit steps of the window. Called by a window implementation on the
// window's thread.
#pragma once

#include "window/app_context.h"
#include "window/event_sink.h"

#include <span>

// A feature routine answering a control's event; runs on the window's thread.
using Handler = void (*)(AppContext& app, const EventArgs& args);

struct Binding {
  ControlId control;
  Handler handler;
};

// Every binding of the program, each control at most once.
std::span<const Binding> eventBindings();

class MainWindow : public EventSink {
 public:
  explicit MainWindow(AppContext& app) : app_(app) {}

  void windowCreated() override;
  void controlEvent(ControlId id, Event event, const EventArgs& args) override;
  void aboutToBeDestroyed() override;

 private:
  AppContext& app_;
};
