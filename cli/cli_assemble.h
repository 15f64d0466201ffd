// hwdex-cli assemble: a configuration file in, its text or HTML form out, and on Windows the
// configuration picture, with the same form and picture code as the assembly page.
#pragma once

#include <string>
#include <vector>

#include "assembly/assembly_form.h"

struct AssembleOptions {
  std::string config;   // the configuration file
  bool gbk = false;     // the file and the output are GBK instead of UTF-8
  bool html = false;    // print the HTML form instead of the text form
  PriceColumns columns; // --new-only hides the second-hand column, --old-only the new-price column
  std::string picture;  // the PNG of the text form, as the page draws it (Windows only)
};

// Parses the arguments after "assemble"; on a bad argument returns false with error set (Chinese,
// then English).
bool ParseAssembleOptions(const std::vector<std::string>& args, AssembleOptions& options, std::string& error);

// Fills rows from a configuration: one row a line, the row's page label without its colon, a tab,
// the model, a tab, the second-hand price text, a tab, the new-price text (missing fields are
// empty). Lines end in "\n" or "\r\n"; empty lines are skipped. bytes are UTF-8 (a leading byte-order
// mark is skipped) unless gbk. False with error naming the line for an unknown or repeated label,
// more than four fields, or a line that is not UTF-8.
bool ReadAssemblyConfig(const std::string& bytes, bool gbk, AssemblyTexts& rows, std::string& error);

// Runs "assemble" with its arguments (args[0] is "assemble"); the process exit code: 0 done, 2 bad
// input or a picture that could not be written.
int RunAssemble(const std::vector<std::string>& args);
