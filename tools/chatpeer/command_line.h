// Splits a command line into arguments the way CommandLineToArgvW does, so shell32 is not needed.
#pragma once

#include <string>
#include <vector>

std::vector<std::wstring> SplitCommandLine(const wchar_t* line);
