// Walking a rule table in its order, as the analysers try their rows: the first row whose key begins
// or occurs in a text, the last such row, or the first whose key equals a text.
#pragma once

#include <cstddef>
#include <string>

// The first row whose key column begins text (exact bytes), or null.
template <typename Row, size_t N>
const Row* FirstRowBeginning(const Row (&rows)[N], const char* Row::*key, const std::string& text) {
  for (const Row& row : rows) {
    if (text.compare(0, std::char_traits<char>::length(row.*key), row.*key) == 0) return &row;
  }
  return nullptr;
}

// The first row whose key column occurs anywhere in text (exact bytes), or null.
template <typename Row, size_t N>
const Row* FirstRowIn(const Row (&rows)[N], const char* Row::*key, const std::string& text) {
  for (const Row& row : rows) {
    if (text.find(row.*key) != std::string::npos) return &row;
  }
  return nullptr;
}

// The last such row: every later match overrides an earlier one. Null when none occurs.
template <typename Row, size_t N>
const Row* LastRowIn(const Row (&rows)[N], const char* Row::*key, const std::string& text) {
  const Row* found = nullptr;
  for (const Row& row : rows) {
    if (text.find(row.*key) != std::string::npos) found = &row;
  }
  return found;
}

// The first row whose key column equals value exactly, or null.
template <typename Row, size_t N>
const Row* RowEqualTo(const Row (&rows)[N], const char* Row::*key, const std::string& value) {
  for (const Row& row : rows) {
    if (value == row.*key) return &row;
  }
  return nullptr;
}
