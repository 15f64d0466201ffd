// The process-wide texts of records.h.
#include "scan/records.h"

std::string summaryText;
std::string summaryHtml;
std::string detailRows;
std::string machineTag;

void ResetScanTexts() {
  summaryText.clear();
  summaryHtml.clear();
  detailRows.clear();
  machineTag.clear();
}
