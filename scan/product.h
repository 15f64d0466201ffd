// The product's own names and its web site, used by every page and text the program writes.
#pragma once

// The product web site: the summary page's link, the detailed page's header, uploaded articles.
constexpr const char* kProductSite = "https://www.mushan-pc.cn";
constexpr const char* kProductName = "沐杉电脑助手";
