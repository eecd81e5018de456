#include "bench_inputs.h"

#include <random>

namespace bench {

namespace {

const char* const words[] = {
    "the",     "of",       "and",     "to",     "in",      "is",       "was",      "that",
    "for",     "on",       "are",     "with",   "as",      "his",      "they",     "be",
    "at",      "one",      "have",    "this",   "from",    "or",       "had",      "by",
    "hot",     "word",     "but",     "what",   "some",    "we",       "can",      "out",
    "other",   "were",     "all",     "there",  "when",    "up",       "use",      "your",
    "how",     "said",     "an",      "each",   "she",     "which",    "do",       "their",
    "time",    "if",       "will",    "way",    "about",   "many",     "then",     "them",
    "write",   "would",    "like",    "so",     "these",   "her",      "long",     "make",
    "thing",   "see",      "him",     "two",    "has",     "look",     "more",     "day",
    "could",   "go",       "come",    "did",    "number",  "sound",    "no",       "most",
    "people",  "my",       "over",    "know",   "water",   "than",     "call",     "first",
    "who",     "may",      "down",    "side",   "been",    "now",      "find",     "any",
    "new",     "work",     "part",    "take",   "get",     "place",    "made",     "live",
    "where",   "after",    "back",    "little", "only",    "round",    "man",      "year",
    "came",    "show",     "every",   "good",   "me",      "give",     "our",      "under",
    "name",    "very",     "through", "just",   "form",    "sentence", "great",    "think",
    "say",     "help",     "low",     "line",   "differ",  "turn",     "cause",    "much",
    "mean",    "before",   "move",    "right",  "boy",     "old",      "too",      "same",
    "tell",    "does",     "set",     "three",  "want",    "air",      "well",     "also",
    "play",    "small",    "end",     "put",    "home",    "read",     "hand",     "port",
    "large",   "spell",    "add",     "even",   "land",    "here",     "must",     "big",
    "high",    "such",     "follow",  "act",    "why",     "ask",      "men",      "change",
    "went",    "light",    "kind",    "off",    "need",    "house",    "picture",  "try",
    "us",      "again",    "animal",  "point",  "mother",  "world",    "near",     "build",
    "self",    "earth",    "father",  "head",   "stand",   "own",      "page",     "should",
    "country", "found",    "answer",  "school", "grow",    "study",    "still",    "learn",
    "plant",   "cover",    "food",    "sun",    "four",    "between",  "state",    "keep",
    "eye",     "never",    "last",    "let",    "thought", "city",     "tree",     "cross",
    "farm",    "hard",     "start",   "might",  "story",   "saw",      "far",      "sea",
    "draw",    "left",     "late",    "run",    "while",   "press",    "close",    "night",
    "real",    "life",     "few",     "north",  "open",    "seem",     "together", "next",
    "white",   "children", "begin",   "got",    "walk",    "example",  "ease",     "paper"};

} // namespace

std::string word_text(std::size_t size, bool digits, bool no_repeats) {
    std::mt19937 random(12345);
    std::string text;
    text.reserve(size + 32);
    int in_line = 0;
    int n = 0;
    std::string previous = "-";
    while (text.size() < size) {
        if (digits && ++n % 3 == 0) {
            text += std::to_string(random() % 100000);
        } else {
            std::string word = words[random() % (sizeof words / sizeof words[0])];
            // A word that begins with an ending of the one before would be
            // a match for "letters, a space, the same letters".
            auto repeats = [&] {
                for (std::size_t k = 1; k <= previous.size(); ++k) {
                    if (word.compare(0, k, previous, previous.size() - k, k) == 0) {
                        return true;
                    }
                }
                return false;
            };
            while (no_repeats && repeats()) {
                word = words[random() % (sizeof words / sizeof words[0])];
            }
            previous = word;
            text += word;
        }
        if (++in_line == 12) {
            text += '\n';
            in_line = 0;
        } else {
            text += ' ';
        }
    }
    text.resize(size);
    return text;
}

std::vector<std::string> menu_labels(int count) {
    static const char* const names[] = {
        "&Open...", "&Save", "Save &As...", "&Print", "Cu&t",  "&Copy", "&Paste", "&Find...",
        "Replace",  "Go To", "Select &All", "&Undo",  "&Redo", "Close", "E&xit",  "Properties"};
    static const char* const modifiers[] = {"Ctrl+", "Ctrl+Shift+", "Alt+", "Shift+",
                                            "",      "Ctrl+Alt+"};
    static const char* const keys[] = {"S",      "O",   "F4",     "Z", "Y",
                                       "Delete", "F10", "Insert", "A", "Home"};
    std::mt19937 random(777);
    std::vector<std::string> labels;
    for (int i = 0; i < count; ++i) {
        std::string label = names[random() % 16];
        label += '\t';
        label += modifiers[random() % 6];
        label += keys[random() % 10];
        labels.push_back(label);
    }
    return labels;
}

std::vector<unsigned char> lower_case_table() {
    std::vector<unsigned char> table(256);
    for (int c = 0; c < 256; ++c) {
        table[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return table;
}

} // namespace bench
