#include "shell/win32/replay.h"

#include "shell/core/scoped_flag.h"
#include "shell/win32/app.h"
#include "shell/win32/beeper.h"
#include "shell/win32/fields.h"
#include "shell/win32/male_only.h"

namespace shell {

namespace {

// The flag that tells the field's change notification whose write it is.
bool& FlagFor(Write write, bool& none) {
  AppState& app = App();
  switch (write) {
    case Write::Rewrite:
      return app.rewriting;
    case Write::KeepMaleOnly:
      return app.keepingMaleOnly;
    case Write::Edit:
      break;
  }
  return none;
}

template <typename Action>
void Call(Action action, auto... arguments) {
  if (action != nullptr) {
    action(arguments...);
  }
}

void CarryOut(HWND window, const Request& request) {
  AppState& app = App();
  const ProgramView& view = *app.program->view;
  HWND field = app.fields.At(request.target);
  bool none = false;
  switch (request.kind) {
    case RequestKind::SetText: {
      const ScopedFlag whose(FlagFor(request.write, none));
      SetFieldText(field, request.c_str());
      break;
    }
    case RequestKind::EmptyField: {
      const ScopedFlag whose(FlagFor(request.write, none));
      EmptyField(field);
      break;
    }
    case RequestKind::SelectAll:
      SendMessageA(field, EM_SETSEL, 0, -1);
      break;
    case RequestKind::Focus: {
      // The field becomes the focus target even when it has the focus
      // already, and so sends no notification of it.
      app.program->setFocusTarget(request.target);
      const ScopedFlag moving(app.movingFocus);
      if (field != nullptr) {
        SetFocus(field);
      }
      break;
    }
    case RequestKind::ClearMessage:
      Call(view.clearMessage, window);
      break;
    case RequestKind::ShowMessage:
      Call(view.showMessage, window, request.target, request.colour);
      break;
    case RequestKind::ExtraLine:
      Call(view.extraLine, window, request.c_str());
      break;
    case RequestKind::PaintLabel:
      Call(view.paintLabel, window, request.target, request.colour);
      break;
    case RequestKind::PaintResult:
      Call(view.paintResult, window, request.target, request.c_str(), request.colour);
      break;
    case RequestKind::Alert:
      Alert();
      break;
    case RequestKind::EnablePrint:
      EnableWindow(GetDlgItem(window, app.program->printButton), request.target != 0);
      break;
    case RequestKind::MaleOnly:
      ShowMaleOnly(window, request.target != 0);
      break;
    case RequestKind::Program:
      Call(view.programRequest, window, request);
      break;
  }
}

}  // namespace

void Replay(HWND window, const RequestList& requests) {
  for (const Request& request : requests) {
    CarryOut(window, request);
  }
}

}  // namespace shell
