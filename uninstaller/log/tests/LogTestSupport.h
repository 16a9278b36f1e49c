// Reading log snippets in tests: lines are written with "\n" and given to the reader with CR LF.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uninstaller/log/InstallLog.h"
#include "uninstaller/log/tests/FakeLogHost.h"
#include "uninstaller/log/tests/StoreDump.h"

// The fifth character decides the code page: a space marks an ANSI log.
const char kAnsiHeader[] = "***  Installation Started ***\nTitle: Test Application\n";
const char kOemHeader[] = "*** Installation Started ***\nTitle: Test Application\n";

inline std::string WithCrLf(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

class LogTest : public testing::Test {
 protected:
  void SetUp() override { AllocateItemTables(); }
  void TearDown() override { FreeItemStore(); }

  // Reads header + body; the log lies in "C:\", so the store holds no record of its folder.
  int Read(const std::string& body, const std::string& header = kAnsiHeader, const char* logPath = "C:\\INSTALL.LOG") {
    FreeItemStore();
    AllocateItemTables();
    text = WithCrLf(header + body);
    MemoryLogInput input(text.data(), text.size());
    return ReadInstallLogFrom(input, logPath, system, ui);
  }

  FakeLogSystem system;
  FakeLogUi ui;
  std::string text;
};

// Prints the case's name in failures of table-driven tests.
#define CASE_TRACE(c) SCOPED_TRACE(testing::Message() << "case: " << (c).name)
