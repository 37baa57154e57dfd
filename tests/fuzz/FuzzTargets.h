#pragma once

#include <string_view>

// One function per fuzz target. Each runs the code under test over one input
// and aborts, after a line on stderr, when an outcome the code promises does
// not hold; the fuzzers and the regression test share them.
namespace quillmark::fuzz {

// UrlDecode, then CorrectName of the decoded text.
void FuzzCorrectName(std::string_view input);
// The list builder's extraction with the default server table.
void FuzzListNames(std::string_view input);
// The browse window's extraction with the default server table.
void FuzzPageNames(std::string_view input);
// LoadServers over the input as registrars.txt.
void FuzzLoadServers(std::string_view input);
// The name-list reader over the input as a list file, rewritten between calls.
void FuzzNameList(std::string_view input);
// HoldsFreePhrase and ProfileOf over the input as a whois reply and as a name.
void FuzzWhoisReply(std::string_view input);

}  // namespace quillmark::fuzz
