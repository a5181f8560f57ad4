#include "shell/win32/replay.h"

#include <string>

#include "shell/core/scoped_flag.h"
#include "shell/win32/app.h"
#include "shell/win32/beeper.h"
#include "shell/win32/drawing.h"
#include "shell/win32/fields.h"
#include "shell/win32/male_only.h"

namespace shell {

namespace {

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
  switch (request.kind) {
    case RequestKind::SetText:
      SetFieldText(field, request.c_str());
      break;
    case RequestKind::EmptyField:
      EmptyField(field);
      break;
    case RequestKind::SelectAll:
      SendMessageA(field, EM_SETSEL, 0, -1);
      break;
    case RequestKind::Focus:
      if (field != nullptr) {
        SetFocus(field);
      }
      break;
    case RequestKind::RedrawFrame:
      if (view.fieldFrame != nullptr) {
        DrawFieldFrame(view.fieldFrame(request.target), window);
      }
      break;
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

// The model of the fields as the window holds them now.
FieldModel& LoadedModel() {
  AppState& app = App();
  FieldModel& model = app.program->fields();
  for (int id = 0; id < model.count(); ++id) {
    char text[16];  // more than any field of the window holds
    ReadFieldText(app.fields.At(id), text, sizeof text);
    model.Load(id, text);
  }
  HWND focus = GetFocus();
  const int id = focus == nullptr ? kNoField : GetDlgCtrlID(focus);
  model.LoadFocus(app.fields.At(id) == focus ? id : kNoField);
  return model;
}

}  // namespace

void Replay(HWND window, const RequestList& requests) {
  const ScopedFlag guard(App().carryingOut);
  for (const Request& request : requests) {
    CarryOut(window, request);
  }
}

void RunCommand(HWND window, int command) {
  LoadedModel();
  Replay(window, App().program->command(command));
}

void FieldNotified(HWND window, int field, int code) {
  if (App().carryingOut) {
    return;  // the echo of the window's own write or focus move
  }
  switch (code) {
    case EN_CHANGE: {
      FieldModel& model = LoadedModel();
      const std::string text(model.Text(field));
      Replay(window, model.Changed(field, text));
      break;
    }
    case EN_KILLFOCUS:
      App().program->fields().Left(field);
      break;
    case EN_SETFOCUS:
      Replay(window, LoadedModel().Entered(field));
      break;
    default:
      break;
  }
}

}  // namespace shell
