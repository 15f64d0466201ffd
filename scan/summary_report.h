// The summary page "config.htm", the closing rows of the summary, the detailed page "view.htm",
// and the detail row shape the registry steps and analysers append.
#pragma once

#include <string>

#include "scan/records.h"

constexpr const char* kSummaryPageFile = "config.htm";
constexpr const char* kDetailPageFile = "view.htm";
constexpr const char* kDictionaryFile = "dic";
constexpr const char* kCopyButtonFile = "copy.gif";

// The platform's path separator, used to join the program directory with a file name, in paths and
// in the page text that embeds them.
#ifdef _WIN32
constexpr const char* kPathSeparator = "\\";
#else
constexpr const char* kPathSeparator = "/";
#endif

// programDir + separator + fileName.
std::string ProgramFile(const std::string& programDir, const std::string& fileName);

// Registry texts are plain text: "&", "<" and ">" become entities before they go into a page.
std::string EscapeHtml(const std::string& text);

// detailRows += the detail row with label and text (text is used as it is: escape it first when
// it is plain text).
void AppendDetailRow(const std::string& label, const std::string& text);
