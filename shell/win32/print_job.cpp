#include "shell/win32/print_job.h"

namespace shell {

PrintJob::~PrintJob() {
  if (dc_ == nullptr) {
    return;
  }
  if (documentOpen_) {
    AbortDoc(dc_);
  }
  if (font_ != nullptr) {
    SelectObject(dc_, previousFont_);
    DeleteObject(font_);
  }
  DeleteDC(dc_);
}

bool PrintJob::Check(bool succeeded) {
  failed_ = failed_ || !succeeded;
  return !failed_;
}

bool PrintJob::UseFont(HFONT font) {
  // One font per job: a second would leave the first selected and owned.
  if (font == nullptr || failed_ || font_ != nullptr) {
    if (font != nullptr) {
      DeleteObject(font);
    }
    return Check(false);
  }
  const HGDIOBJ previous = SelectObject(dc_, font);
  if (previous == nullptr || previous == HGDI_ERROR) {
    DeleteObject(font);
    return Check(false);
  }
  font_ = font;
  previousFont_ = previous;
  return true;
}

bool PrintJob::StartPage(const char* documentName) {
  if (failed_ || documentOpen_) {
    return Check(false);
  }
  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = documentName;
  if (!Check(StartDocA(dc_, &document) > 0)) {
    return false;
  }
  documentOpen_ = true;
  return Check(::StartPage(dc_) > 0);
}

bool PrintJob::NextPage() {
  if (failed_ || !documentOpen_) {
    return Check(false);
  }
  return Check(EndPage(dc_) > 0) && Check(::StartPage(dc_) > 0);
}

bool PrintJob::Finish() {
  if (failed_ || !documentOpen_) {
    return Check(false);
  }
  if (!Check(EndPage(dc_) > 0) || !Check(EndDoc(dc_) > 0)) {
    return false;  // the destructor aborts what is left of the document
  }
  documentOpen_ = false;
  return true;
}

}  // namespace shell
