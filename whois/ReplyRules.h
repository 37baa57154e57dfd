#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

// What a whois reply says about a name, by rules the user can edit: per
// extension and for every extension, the texts that mean the server held
// the question back (throttled), failed (error), or that the name is taken
// or free. Kept in "replyrules.txt", one rule per line:
//   EXTENSION <tab> throttled|error|taken|free <tab> TEXT
// EXTENSION is "*" for every extension; TEXT is found in any letter case,
// "\n" in it stands for a line end and a "^" before it holds it to the start
// of the reply.
namespace quillmark::whois {

// In the order their texts count.
enum class ReplyKind { Throttled, Error, Taken, Free };

struct ReplyRule {
    std::string extension;  // lower case, no leading dot; "*" for every one
    ReplyKind kind = ReplyKind::Taken;
    std::string text;  // lower case, line ends as "\n"
};

struct ReplyRules {
    // In the order they are tried: by kind as ReplyKind lists them, then as in the file.
    std::vector<ReplyRule> rules;
    // Numbers (from 1) of the lines that could not be read as rules.
    std::vector<int> badLines;
};

// Reads the rules text; comment lines start with "#", blank lines are skipped.
ReplyRules ParseReplyRules(std::string_view text);

// The rules of the program folder's file, written from the shipped rules
// first when the file is missing.
ReplyRules LoadReplyRules(const ProgramFolder& folder);

// What became of one name's lookup. A name that is not free or taken is
// unchecked, with the reason shown to the user.
enum class Outcome { Free, Taken, Unchecked };

inline constexpr std::string_view kReasonThrottled = "throttled";
inline constexpr std::string_view kReasonServerError = "server error";
inline constexpr std::string_view kReasonNoAnswer = "no answer";
inline constexpr std::string_view kReasonNoServer = "no server";

struct Verdict {
    Outcome outcome = Outcome::Unchecked;
    std::string_view reason;  // empty unless unchecked
};

// Judges a reply for a name by the rules of the name's extension and those
// for every extension: throttled and error texts count before taken texts,
// taken texts before free ones; an empty reply is a server error and a reply
// that no rule speaks of is taken.
Verdict JudgeReply(const ReplyRules& rules, std::string_view name, std::string_view reply);

}  // namespace quillmark::whois
