// A fixture machine scanned by the engine, and the texts of its golden article, for the upload tests.
#pragma once

#include <string>

#include "assembly/upload.h"

// Scans fixture machine name (tests/fixtures/machines/NAME: its report, registry export and drives,
// on a 1024x768 desktop) in dir as hwdex-cli analyse does: summaryHtml, detailRows and "pc.htm" are
// the scan's. The registry and the drive table keep the machine's until the caller clears them.
void ScanFixtureMachine(const std::string& name, const std::string& dir);

// The texts the golden machine article is made with; tests/e2e/upload-cli uploads the same.
extern const UploadTexts kGoldenTexts;
