// A message for the user: a message box without owner on Windows, standard error in UTF-8 elsewhere.
#pragma once

#include <string>

// text and caption are GBK.
void ShowNotice(const std::string& text, const std::string& caption);

// A front end without windows (the command-line program) sends notices elsewhere; nullptr restores
// the platform's own way.
using NoticeSink = void (*)(const std::string& text, const std::string& caption);
void SetNoticeSink(NoticeSink sink);

// The platform's own way (message box, or standard error), used when no sink is set.
void ShowPlatformNotice(const std::string& text, const std::string& caption);
