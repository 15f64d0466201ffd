// One network adapter block of the summary: description, chip maker, wireless, gigabit.
#pragma once

#include <string>

void AnalyseNetwork(const std::string& description);
