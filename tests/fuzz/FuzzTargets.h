#pragma once

#include <string_view>

// One function per fuzz target, shared by the fuzzers and the regression
// test: each runs the code over one input and aborts, after a line on stderr,
// when an outcome the code promises does not hold.
namespace quillmark::fuzz {

void FuzzCorrectName(std::string_view input);  // UrlDecode, then CorrectName of the decoded text
void FuzzListNames(std::string_view input);    // the list builder's extraction, default server table
void FuzzPageNames(std::string_view input);    // the browse window's extraction, default server table
void FuzzLoadServers(std::string_view input);  // LoadServers over the input as registrars.txt
void FuzzNameList(std::string_view input);     // the name-list reader, the list changing between looks
void FuzzWhoisReply(std::string_view input);   // the reply rules and ProfileOf, input as reply and name
void FuzzRdapReply(std::string_view input);    // JSON, RDAP replies, server lists and dates over the input

}  // namespace quillmark::fuzz
