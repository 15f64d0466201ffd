// The summary writer, the summary page and the detail row shape of summary_report.h.
#include "scan/summary_report.h"

#include "platform/files.h"
#include "scan/line_reader.h"
#include "scan/product.h"
#include "scan/text_helpers.h"

void AppendDetailRow(const std::string& label, const std::string& text) {
  detailRows += "<tr valign=\"top\" bgcolor=\"#E0E0FF\"><td width=\"300\"><small><b>";
  detailRows += label;
  detailRows += "</b></small></td><td valign=\"center\"><small><font color=\"#0000A0\">";
  detailRows += text;
  detailRows += "</font></small></td></tr>";
}

namespace {

// The one place that appends to the two forms of the summary.
void Append(const std::string& html, const std::string& text) {
  summaryHtml += html;
  summaryText += text;
}

}  // namespace

SummaryBlock::SummaryBlock(const char* label, Values values, Opening opening) : values_(values) {
  const std::string text =
      opening == Opening::kFirst ? std::string(label) + ": " : "\r\n\r\n" + std::string(label) + ":";
  Append(std::string("<tr valign=\"top\"><td><span class=\"type\">") + label + ":</span></td><td>", text);
}

SummaryBlock::~SummaryBlock() { Append("</td></tr>", ""); }

std::string SummaryBlock::OnPage(const std::string& value) const {
  return values_ == Values::kRegistry ? EscapeHtml(value) : value;
}

void SummaryBlock::Name(const Spelling& name) {
  Append("<span class=\"name\">" + OnPage(name.html) + "</span>", name.text);
}

void SummaryBlock::Break(Form form) {
  Append(form == Form::kText ? "" : "</br>", form == Form::kPage ? "" : "\r\n");
}

void SummaryBlock::Blank(Form form) {
  Append(form == Form::kPage ? " " : "", form == Form::kText ? " " : "");
}

bool SummaryBlock::Item(const Spelling& label, const std::string& value) {
  if (value.empty()) return false;
  ItemAlways(label, value);
  return true;
}

void SummaryBlock::ItemAlways(const Spelling& label, const std::string& value) {
  Append("<span class=\"age\">" + label.html + "</span><span class=\"agevol\">" + OnPage(value) + "</span>",
         label.text + value);
}

void SummaryBlock::Label(const std::string& label) {
  Append("<span class=\"age\">" + label + "</span>", label);
}

void SummaryBlock::Price(const std::string& price, const Spelling& label) {
  if (price.empty()) return;
  Append("<span class=\"ap\">" + label.html + "</span><span class=\"apvol\">" + price + "</span>",
         label.text + price);
}

void SummaryBlock::Total(const char* label, const std::string& value) {
  Append(
      std::string("<span class=\"ap\"><b>") + label + "</b></span><span class=\"apvol\">" + value + "</span>",
      "\r\n" + std::string(label) + value);
}

void AppendInputDeviceRow(const char* label, const std::string& name, const char* separator,
                          const char* port) {
  Append(std::string("<tr><td><span class=\"type\">") + label + ":</span></td><td><span class=\"name\">" +
             EscapeHtml(name) + "</span>" + separator +
             "</br><span class=\"age\">接口:</span><span class=\"age\">" + port + "</span></td></tr>",
         std::string("\r\n\r\n") + label + ":" + name + "\r\n接口:" + port);
}

void AppendSeparatorRow() { Append("<tr><td></td><td></td></tr>", "\r\n"); }

void AppendClosingLine() { Append("", "\r\n\r\n                      -----沐杉电脑助手"); }

namespace {

// Sensor items: the field's text label, its page item; the CPU item's label span stays open, and
// the last two items end with two blanks.
struct ClosingItem {
  std::string SystemRecord::*field;
  const char* textLabel;
  const char* htmlBefore;
  const char* htmlAfter;
};

// clang-format off
const ClosingItem kSensorItems[] = {
    {&SystemRecord::cpuTemperature, "CPU:", "<span class=\"age\">CPU:<span class=\"agevol\">", "</span> "},
    {&SystemRecord::boardTemperature, " 主板:", "<span class=\"age\"> 主板:</span><span class=\"agevol\">", "</span> "},
    {&SystemRecord::caseTemperature, " 机箱内:", "<span class=\"age\"> 机箱内:</span><span class=\"agevol\">", "</span>  "},
    {&SystemRecord::fanSpeed, " 风扇转速:", "<span class=\"age\"> 风扇转速:</span><span class=\"agevol\">", "</span>  "},
};
// clang-format on

// clang-format off
const ClosingItem kBiosItems[] = {
    {&SystemRecord::manufacturer, "生产厂家:", "<span class=\"age\">生产厂家:</span><span class=\"agevol\">", "</span>"},
    {&SystemRecord::model, " 电脑型号:", "<span class=\"age\"> 电脑型号:</span><span class=\"agevol\">", "</span>"},
    {&SystemRecord::biosDate, "\r\nBIOS日期:", "<span class=\"age\"> BIOS日期:</span><span class=\"agevol\">", "</span>"},
};
// clang-format on

// Appends one row of items when at least one of them has a value.
template <size_t N>
void AppendItemRow(const SystemRecord& system, const ClosingItem (&items)[N], const char* htmlStart,
                   const char* textStart, const char* textEnd) {
  bool any = false;
  for (const ClosingItem& item : items) any = any || !(system.*item.field).empty();
  if (!any) return;
  Append(htmlStart, textStart);
  for (const ClosingItem& item : items) {
    const std::string& value = system.*item.field;
    if (!value.empty()) Append(item.htmlBefore + value + item.htmlAfter, item.textLabel + value);
  }
  Append("</td></tr>", textEnd);
}

constexpr const char* kPageHead =
    "<html><head><title>电脑配置</title><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=gb2312\" /><style type=\"text/css\"><!--body {\tmargin-left: 5px;\tmargin-top: 0px;\t"
    "margin-right: 5px;\tmargin-bottom: 0px;}body,td,th {\tfont-size: 14px;}.type {color: #FF0000}"
    ".name {color: #003399;font-weight: bold;}.age {color: #0066cc;font-size: 12px;}.agevol {color: "
    "#0099cc;font-size: 12px;}.ap {color: #0066cc;font-size: 12px;}.apvol {color: #0099cc;font-size: "
    "12px;}--></style>";
// The alert says 已复制到剪贴板！ through JavaScript escapes, whatever the page's code page.
constexpr const char* kPageScript =
    "</head><body> <script type=\"text/javascript\"> function document.oncontextmenu(){event."
    "returnValue=false;} function window.onhelp(){return false}function CopyTable(){ var txt = "
    "document.body.createTextRange(); txt.moveToElementText(myconfig);txt.execCommand(\"copy\",\"\","
    "null); \talert(\"\\u5df2\\u590d\\u5236\\u5230\\u526a\\u8d34\\u677f\\uff01\");}</script>";
constexpr const char* kCopyButtonStart = "<div align=\"right\"><input type=\"image\" onclick=\"CopyTable();\" src=\"";
constexpr const char* kCopyButtonEnd = "\" title=\"点击复制配置\"/></div>";

}  // namespace

void AppendClosingRows(const SystemRecord& system) {
  AppendItemRow(system, kSensorItems, "<tr><td><span class=\"type\">温度:</span></td><td>", "温度 ", "\r\n");
  AppendItemRow(system, kBiosItems, "<tr><td><span class=\"type\">BIOS信息:</span></td><td>",
                "\r\nBIOS信息 ", "");
  if (system.osVersion.empty()) return;
  Append("<tr><td><span class=\"type\">操作系统:</span></td><td><span class=\"agevol\">" + system.osVersion +
             "</span></td></tr>",
         "\r\n操作系统:" + system.osVersion);
}

bool WriteSummaryPage(const std::string& programDir) {
  const std::string copyButton = ProgramFile(programDir, kCopyButtonFile);
  std::string page = kPageHead;
  page += kPageScript;
  page += kCopyButtonStart + copyButton + kCopyButtonEnd;
  page += "<div id=\"myconfig\"><a href=\"";
  page += kProductSite;
  page += "\" target=\"_blank\" title=\"点击进入沐杉电脑助手网站\"><span style=\"color:#FF0000;font-size: "
          "14px\">沐杉电脑助手软件</span></a></br><table>";
  page += summaryHtml;
  page += "</table></div>";
  page += kCopyButtonStart + copyButton + kCopyButtonEnd;
  page += "</body></html>";
  FileWriter file(ProgramFile(programDir, kSummaryPageFile));
  file.Write(page);
  return file.Commit();
}
