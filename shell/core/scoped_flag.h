// A flag raised for the length of a scope. The windows keep a few flags that
// tell a re-entered handler what is going on (the program is rewriting a
// field, moving the focus itself); a scope puts each back on every path.
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
