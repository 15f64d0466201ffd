// The optical drive block: brand from the vendor text, readable model, burner or not, estimate 30.
#include "analysers/optical_drive.h"

#include "analysers/device_text.h"
#include "analysers/rule_tables.h"
#include "scan/summary_report.h"
#include "scan/text_helpers.h"

namespace {

// Drive vendors: vendor text found anywhere in the model text, Chinese brand.
// clang-format off
struct OpticalBrand { const char* vendor; const char* brand; };
constexpr OpticalBrand kOpticalBrands[] = {
    {"SONY_", "索尼"},        {"HL-DT-ST_", "日立LG"}, {"ASUS_", "华硕"},    {"TSSTcorp_", "三星"},
    {"PIONEER_", "先锋"},     {"SAMSUNG_", "三星"},    {"BENQ_", "明基"},    {"TECLAST_", "台电"},
};
// clang-format on

// Model words that mark a rewritable drive, any one suffices.
constexpr const char* kBurnerMarkers[] = {"_RW_", "DRW", "-RW"};

}  // namespace

void AnalyseOpticalDrive(const std::string& hardwareId) {
  AppendDetailRow("光驱", EscapeHtml(hardwareId));
  std::string model = ModelTextAfter(hardwareId, "CdRom");
  const OpticalBrand* brand = FirstRowIn(kOpticalBrands, &OpticalBrand::vendor, model);
  bool burner = false;
  for (const char* marker : kBurnerMarkers) burner = burner || Contains(model, marker);
  ReplaceAll(model, "_", " ");

  SummaryBlock block("光驱", SummaryBlock::Values::kRegistry);
  block.Name(std::string(brand ? brand->brand : "") + " " + model);
  block.Break();
  block.Item("功能:", burner ? "刻录" : "");
  block.Price("30");  // every drive is worth the same
}
