// kesto.exe writes its Run value at every start; the bench puts back what was there before.
#pragma once

#include <optional>
#include <string>

namespace kesto::bench {

class RunValueKeeper {
  public:
    RunValueKeeper();
    ~RunValueKeeper();
    RunValueKeeper(const RunValueKeeper&) = delete;
    RunValueKeeper& operator=(const RunValueKeeper&) = delete;

  private:
    std::optional<std::wstring> saved_;
};

} // namespace kesto::bench
