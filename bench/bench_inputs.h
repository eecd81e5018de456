// Deterministic inputs for the pattern benchmarks.
#pragma once

#include <string>
#include <vector>

namespace bench {

// About `size` bytes of word-like text: lower-case words separated by spaces,
// lines of a few words. With `digits`, every third word is a number instead;
// with `no_repeats`, no word begins with the word before it.
std::string word_text(std::size_t size, bool digits = false, bool no_repeats = false);

// Menu labels such as "Save &As...\tCtrl+Shift+S".
std::vector<std::string> menu_labels(int count);

// 256 bytes mapping each ASCII upper-case letter to its lower case and every
// other byte to itself.
std::vector<unsigned char> lower_case_table();

} // namespace bench
