// The window's commands: Check and Calculate carried out from what the
// evaluations decide, the two Clears, Male Only and the chart dialogs.
#include <array>

#include "heftrak/core/evaluation.h"
#include "heftrak/core/reactions.h"
#include "heftrak/win32/charts.h"
#include "heftrak/win32/heftrak_ids.h"
#include "heftrak/win32/window_parts.h"
#include "shell/resources/shell_resources.h"
#include "shell/win32/app.h"
#include "shell/win32/beeper.h"
#include "shell/win32/fields.h"

namespace heftrak {

namespace {

HWND Field(int id) {
  return shell::App().fields.At(id);
}

// Room for more than any evaluation reads of a field (three characters).
constexpr int kFieldReadSize = 8;

struct FieldTextStore {
  std::array<std::array<char, kFieldReadSize>, kMainFieldCount> buffers{};
  FieldTexts texts{};
};

void ReadFields(FieldTextStore& store) {
  for (int id = 0; id < kMainFieldCount; ++id) {
    const auto slot = static_cast<std::size_t>(id);
    shell::ReadFieldText(Field(id), store.buffers[slot].data(), kFieldReadSize);
    store.texts[slot] = store.buffers[slot].data();
  }
}

void Write(const FieldWrite& write) {
  WeightControlWindow& w = Window();
  w.rewriting = write.kind == WriteKind::Rewrite;
  shell::SetFieldText(Field(write.field), write.text.data());
  w.rewriting = false;
}

using Evaluate = EvaluationResult (*)(WeightControlState&, const FieldTexts&);

// Check and Calculate: the evaluation decides on the state, then the window
// carries its result out in order.
void RunEvaluation(HWND window, Evaluate evaluate) {
  WeightControlWindow& w = Window();
  FieldTextStore store;
  ReadFields(store);

  // The evaluation's own field writes can count as edits whose change
  // reaction takes down a result that was on the window before. The
  // evaluation only ever sets the shown flags, at its end; apply those after
  // its writes, as if it had set them there.
  const bool screeningBefore = w.state.screeningShown;
  const bool bodyFatBefore = w.state.bodyFatShown;
  w.state.screeningShown = false;
  w.state.bodyFatShown = false;
  const EvaluationResult result = evaluate(w.state, store.texts);
  const bool screeningSet = w.state.screeningShown;
  const bool bodyFatSet = w.state.bodyFatShown;
  w.state.screeningShown = screeningBefore;
  w.state.bodyFatShown = bodyFatBefore;

  if (result.evaluated) {
    if (result.promptCleared) {
      ClearPrompt(window);
      w.message = kNoMessage;
    }
    for (std::size_t i = 0; i < result.writeCount; ++i) {
      Write(result.writes[i]);
    }
    w.state.screeningShown = w.state.screeningShown || screeningSet;
    if (bodyFatSet) {
      w.state.bodyFatShown = true;
      w.bodyFatFromMale = w.state.sex == 'M';
    }
    if (result.printEnabled) {
      EnablePrint(window, true);
    }
    if (result.switchMaleOnlyOff && w.maleOnly) {
      ToggleMaleOnly(window);
    }
    if (result.message != kNoMessage) {
      ShowMessage(window, result.message);
    }
    // After the message: showing one redraws the whole prompt box.
    if (result.extraLine != ExtraLine::None) {
      PaintExtraLine(window, result.extraLineText.data());
    }
    if (result.alert) {
      shell::Alert();
    }
    if (result.focus) {
      w.focusTarget = *result.focus;
      MoveFocus(*result.focus);
    }
  }
  MoveFocus(w.focusTarget);
}

// Empties the Weight Screen: the fields as the user would (each runs its
// change reaction), the results, and the flags that depend on them.
void ClearWeightScreen(HWND window) {
  WeightControlWindow& w = Window();
  EnablePrint(window, false);
  w.state.weight = 0;
  const bool maleOnly = w.maleOnly;
  w.settingSex = maleOnly;
  for (int id = kAge; id <= kWeight; ++id) {
    shell::EmptyField(Field(id));
  }
  if (maleOnly) {
    shell::SetFieldText(Field(kSex), "M");
  }
  w.settingSex = false;
  EmptyResults(kMaleResults);
  EmptyResults(kFemaleResults);
  w.state.ageSexValidated = false;
  w.state.screeningShown = false;
  w.state.bodyFatShown = false;
  w.focusTarget = kSex;
  MoveFocus(kSex);
}

// Empties both calculators; the Weight Screen and its message stay.
void ClearCalculators(HWND window) {
  WeightControlWindow& w = Window();
  w.state.bodyFatShown = false;
  EnablePrint(window, false);
  for (int id = kMaleReadingsFirst; id < kMaleAverageAbdomen; ++id) {
    shell::EmptyField(Field(id));
  }
  EmptyResults(kMaleResults);
  for (int id = kFemaleReadingsFirst; id < kFemaleAverageHips; ++id) {
    shell::EmptyField(Field(id));
  }
  EmptyResults(kFemaleResults);
  w.focusTarget = kSex;
  MoveFocus(kSex);
}

void OpenCharts(HWND window, bool male) {
  char age[kFieldReadSize] = {};
  shell::ReadFieldText(Field(kAge), age, sizeof age);
  Window().state.chartAge = ChartAge(age);
  if (male) {
    ShowMaleCharts(window);
  } else {
    ShowFemaleCharts(window);
  }
}

}  // namespace

void EnablePrint(HWND window, bool enabled) {
  EnableWindow(GetDlgItem(window, IDC_PRINT), enabled ? TRUE : FALSE);
}

void EmptyResults(FieldRange results) {
  for (int id = results.first; id <= results.last; ++id) {
    shell::SetFieldText(Field(id), "");
  }
}

void MoveFocus(FieldId field) {
  WeightControlWindow& w = Window();
  const bool before = w.windowMovingFocus;
  w.windowMovingFocus = true;
  if (HWND target = Field(field)) {
    SetFocus(target);
  }
  w.windowMovingFocus = before;
}

void OnCommand(HWND window, int command, LPARAM control) {
  switch (command) {
    case IDC_CALCULATE:
      RunEvaluation(window, &CalculateBodyFat);
      break;
    case IDC_CLEAR_CALC:
      ClearCalculators(window);
      break;
    case IDM_MALE_ONLY:
      ToggleMaleOnly(window);
      break;
    case IDC_PRINT:
      OnPrint(window);
      break;
    case IDC_CHECK:
      RunEvaluation(window, &CheckScreening);
      break;
    case IDC_CLEAR:
      ClearWeightScreen(window);
      break;
    case IDC_CHARTS_MALE:
      OpenCharts(window, true);
      break;
    case IDC_CHARTS_FEMALE:
      OpenCharts(window, false);
      break;
    case IDM_PRINT_REPORT:
      // Only from the personal data dialog, which sends it without a control.
      if (control == 0) {
        OnPrintReport(window);
      }
      break;
    default:
      break;
  }
}

}  // namespace heftrak
