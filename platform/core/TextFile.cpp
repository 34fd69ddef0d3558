#include "platform/core/TextFile.h"

#include "platform/core/Exceptions.h"
#include "platform/core/RecordFile.h"

std::vector<AnsiString> SplitLines(const std::string& bytes) {
    std::vector<AnsiString> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

std::vector<AnsiString> LoadLinesFromFile(const AnsiString& name) {
    const std::optional<std::string> bytes = ReadWholeFile(name);
    if (!bytes)
        throw Exception("Cannot open file \"" + name + "\"");
    return SplitLines(*bytes);
}

void SaveLinesToFile(const AnsiString& name, const std::vector<AnsiString>& lines) {
    std::string bytes;
    for (const AnsiString& line : lines)
        bytes += line + "\r\n";
    if (!WriteWholeFile(name, bytes))
        throw Exception("Cannot create file \"" + name + "\"");
}
