// One sound device block of the summary: description, chip maker, high-definition quality.
#pragma once

#include <string>

void AnalyseSound(const std::string& description);
