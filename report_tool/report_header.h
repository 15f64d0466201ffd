// The texts that name our report tool in the head of its report. The detailed page finds them there
// and puts the program's own header in their place: its header set in scan/detail_page.cpp holds the
// same texts (title, logo line, first block title, version row), so change both together.
#pragma once

constexpr const char* kReportToolName = "沐杉硬件报告";
constexpr const char* kReportToolVersion = "1.0.0";
// The head's lines, in order; each holds one text the detailed page looks for.
constexpr const char* kReportTitleLine =
    "<html><head><title>沐杉硬件报告 HTML report file</title></head><body bgcolor=FFFFFF>";
constexpr const char* kReportLogoLine = "<p>沐杉硬件报告</p>";
