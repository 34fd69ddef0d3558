// Text files as the class library's string lists load and save them: a list
// of single-byte lines, each written with CR LF after it; on reading, CR, LF
// and CR LF all end a line.
#pragma once

#include "platform/core/AnsiString.h"

#include <string>
#include <vector>

// The lines of a text file's bytes; a last line without an end counts as well,
// and a last line end adds no empty line.
std::vector<AnsiString> SplitLines(const std::string& bytes);

// The file's lines. Throws Exception "Cannot open file "name"" when it cannot
// be read.
std::vector<AnsiString> LoadLinesFromFile(const AnsiString& name);
// Replaces the file, as a whole, by the lines. Throws Exception "Cannot create
// file "name"" when it cannot, the old file then untouched.
void SaveLinesToFile(const AnsiString& name, const std::vector<AnsiString>& lines);
