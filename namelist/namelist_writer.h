// Writing namelist-style text one finished line at a time. A comment text may
// be null; it is written after a tab and "! ".
#pragma once

#include <string>

#include "namelist/text_file.h"

namespace orvent {

// "\t! " + the text without surrounding white space and leading "!"; "" when
// nothing is left.
std::string MakeNamelistComment(const char* text);

// "!" + text, unchanged.
void WriteNamelistComment(TextFile* file, const std::string& text);
void WriteNamelistBlankLine(TextFile* file);
// "&" + name + trailing comment.
void WriteNamelistGroupStart(TextFile* file, const std::string& name, const char* comment);
// "/".
void WriteNamelistGroupEnd(TextFile* file);
// "key = value," + trailing comment; `quoted` puts the value in single quotes.
// The value is trimmed; an empty one writes no line at all.
void WriteNamelistString(TextFile* file, const std::string& key, const std::string& value,
                         const char* comment, bool quoted);
// "key = <decimal>," + trailing comment.
void WriteNamelistInt(TextFile* file, const std::string& key, int value, const char* comment);

}  // namespace orvent
