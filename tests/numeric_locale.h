#pragma once

#include <clocale>
#include <string>

// Switches the process's number locale for one test and back again.
class NumericLocale {
 public:
  explicit NumericLocale(const char* name)
      : previous_(std::setlocale(LC_NUMERIC, nullptr)),
        active_(std::setlocale(LC_NUMERIC, name) != nullptr) {}
  NumericLocale(const NumericLocale&) = delete;
  NumericLocale& operator=(const NumericLocale&) = delete;
  ~NumericLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
  bool Active() const { return active_; }

 private:
  std::string previous_;
  bool active_;
};
