// What a window implementation tells the program: created, an event of a control,
// about to be destroyed. Called on the window's thread only.
#pragma once

#include "window/control_ids.h"
#include "window/control_table.h"

struct EventArgs {
  int x = 0;  // pointer position in the control's own coordinates, where the event has one
  int y = 0;
};

class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void windowCreated() = 0;
  virtual void controlEvent(ControlId id, Event event, const EventArgs& args) = 0;
  virtual void aboutToBeDestroyed() = 0;
};
