// One print job as a guard, like a device context: it owns the printer DC,
// the font selected into it and the document, checks every job call, and
// aborts a document it did not finish, so no path can claim a page it did
// not print.
#pragma once

#include <windows.h>

namespace shell {

class PrintJob {
 public:
  // Takes over a printer device context; nullptr is a job that cannot print.
  explicit PrintJob(HDC printer) : dc_(printer), failed_(printer == nullptr) {}
  ~PrintJob();
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  HDC dc() const { return dc_; }
  // False once the job has no printer or any of its calls failed.
  explicit operator bool() const { return !failed_; }

  // Prints in `font` (taken over) from now on; a font that cannot be
  // selected fails the job rather than print in a face that does not fit.
  bool UseFont(HFONT font);
  // Starts the document under `documentName` and its first page.
  bool StartPage(const char* documentName);
  // Ends the page and starts the document's next one.
  bool NextPage();
  // Ends the page and the document: true only when the print system took both.
  bool Finish();

 private:
  bool Check(bool succeeded);

  HDC dc_;
  HFONT font_ = nullptr;
  HGDIOBJ previousFont_ = nullptr;
  bool documentOpen_ = false;
  bool failed_;
};

}  // namespace shell
