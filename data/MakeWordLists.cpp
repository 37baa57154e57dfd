// Writes the word lists that ship with the program: the full word list from
// the system's English dictionary (lower-case a-z words only) and every
// combination of two, three and four letters, in alphabetical order.
#include <fstream>
#include <iostream>
#include <set>
#include <string>

namespace {

bool plainLowerWord(const std::string& word) {
    if (word.empty()) return false;
    for (const char c : word) {
        if (c < 'a' || c > 'z') return false;
    }
    return true;
}

bool writeFullList(const std::string& dictionary, const std::string& output) {
    std::ifstream in(dictionary);
    if (!in) {
        std::cerr << "cannot read the word list " << dictionary << '\n';
        return false;
    }
    std::ofstream out(output, std::ios::binary);
    std::set<std::string> seen;
    for (std::string word; std::getline(in, word);) {
        if (!word.empty() && word.back() == '\r') word.pop_back();
        if (plainLowerWord(word) && seen.insert(word).second) out << word << "\r\n";
    }
    return static_cast<bool>(out);
}

void appendCombinations(std::ofstream& out, std::string& prefix, int letters) {
    if (letters == 0) {
        out << prefix << "\r\n";
        return;
    }
    for (char c = 'a'; c <= 'z'; ++c) {
        prefix.push_back(c);
        appendCombinations(out, prefix, letters - 1);
        prefix.pop_back();
    }
}

bool writeCombinations(const std::string& output, int letters) {
    std::ofstream out(output, std::ios::binary);
    std::string prefix;
    appendCombinations(out, prefix, letters);
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: MakeWordLists DICTIONARY OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string folder = argv[2];
    const bool ok = writeFullList(argv[1], folder + "/FullWordList.txt") &&
                    writeCombinations(folder + "/AllTwoLetter.txt", 2) &&
                    writeCombinations(folder + "/AllThreeLetter.txt", 3) &&
                    writeCombinations(folder + "/AllFourLetter.txt", 4);
    return ok ? 0 : 1;
}
