#pragma once
// Splits a Windows command line into its arguments: spaces and tabs separate them, double
// quotes group text with spaces and are dropped (the rules a program's own argument list uses;
// there is no escape character).

#include <string>
#include <vector>

namespace cl {

std::vector<std::string> SplitCommandLine(const std::string& commandLine);

}  // namespace cl
