// hwdex-cli analyse/scan --upload: the machine just summarised published as an article in the shop
// database, as the machine upload dialog publishes it, so that a shop can publish from a script.
#pragma once

#include "cli/cli_options.h"

// Publishes the machine whose scan lies in options.outDir (summaryHtml, detailRows, "pc.htm") and
// prints the article's address. Returns 0 when published, 1 when there was no connection or the
// database refused the article (a message in Chinese and English on standard error).
int RunUpload(const CliOptions& options);
