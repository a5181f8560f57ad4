// A flag raised for the length of a scope, put back on every path: the
// window's guard while it carries out a list, which tells a re-entered
// handler that what the fields report is the echo of the window's own act.
#pragma once

namespace shell {

class ScopedFlag {
 public:
  explicit ScopedFlag(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
  ~ScopedFlag() { flag_ = before_; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;

 private:
  bool& flag_;
  bool before_;
};

}  // namespace shell
