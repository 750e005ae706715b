#include "program/ProgramWindows.h"

#include "framework/core/Application.h"
#include "framework/core/Form.h"

namespace tavra {
namespace {

ProgramWindows gWindows;

}  // namespace

ProgramWindows& programWindows() { return gWindows; }

ProgramState programState() {
  const ProgramForms& f = gWindows.forms;
  if (!TApplication::exists() || Application().Terminated()) return ProgramState::Ended;
  if (f.splash && f.splash->visible()) return ProgramState::Starting;
  if (f.main && f.main->visible()) return ProgramState::Reading;
  if (f.testing && f.testing->visible()) return ProgramState::Testing;
  if (f.result && f.result->visible()) return ProgramState::Result;
  return ProgramState::Ended;
}

}  // namespace tavra
