// The driver's subcommands. Each prints one JSON object and returns the exit code.
#pragma once
#include <string>
#include <vector>

#include "target.h"

namespace e2e {

using Args = std::vector<std::wstring>;

struct Command {
  const wchar_t* name;
  const char* usage;
  int (*run)(const Target&, const Args&);
};

const std::vector<Command>& Commands();

}  // namespace e2e
