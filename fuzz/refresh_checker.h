// Runs refresh passes between the host's calls, with the host's answers
// drawn from the input, and checks each against the plain model of the
// pass: the host calls made, the rows, titles and marks, the memory kept,
// the flag and the painters' copies.  Any disagreement aborts.
#pragma once

#include "fuzz/byte_source.h"
#include "fuzz/plugin_checker.h"
#include "fuzz/refresh_driver.h"

class RefreshChecker {
  public:
    void Pass(ByteSource& in, PluginChecker& checker);

  private:
    RefreshDriver m_driver;
    refmodel::Memory m_memory;
};
