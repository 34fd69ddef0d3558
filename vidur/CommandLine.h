// The alarm's command line: the switches it reads at start-up.
#pragma once

#include "platform/core/AnsiString.h"

#include <vector>

// When true the grid shows its working columns ("-DEBUG").
extern bool debugMode;

// The command-line switches: parameter 0 (the program's path) and every
// argument, each upper-cased; "-VEROR" community mode, "-NOHBOHRA" general
// mode (the last one wins), "-DEBUG" the debug display.
void ReadCommandLineSwitches(const std::vector<AnsiString>& params);
// The program's parameters, its own path first.
std::vector<AnsiString> CommandLineParameters();
