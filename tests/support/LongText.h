// Texts of one line of megabytes, as a pasted block or a damaged file holds
// them, and how a memo lays such a text out.
#pragma once

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <string>

// Words and blanks on one line, `length` characters long.
inline std::string OneLineOfWords(std::size_t length) {
    static const std::string kWords = "lorem ipsum dolor sit amet consectetur ";
    std::string line;
    line.reserve(length + kWords.size());
    while (line.size() < length)
        line += kWords;
    line.resize(length);
    return line;
}

// The characters of the memo's longest paragraph: the piece of text that is
// laid out (and wrapped) at once.
inline int LongestParagraph(const QPlainTextEdit& memo) {
    int longest = 0;
    for (QTextBlock b = memo.document()->begin(); b.isValid(); b = b.next())
        longest = std::max(longest, b.length());
    return longest;
}
