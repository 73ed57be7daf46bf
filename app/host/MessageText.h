#pragma once
// Texts that come from files or the command line (keys, names, paths, values) and reach a terminal
// or a page. A control character in them could move the cursor, colour the terminal or start a
// line that looks like a message of its own, and a stray byte of broken UTF-8 may do the same on
// some terminals: such characters are written as escapes ("\n", "\x1b", "\u009b") on a terminal and
// replaced by U+FFFD on a page. Values echoed in messages are also quoted and cut to a length a
// person reads at a glance.
#include <cstddef>
#include <string>

enum class EUnprintable {
    kEscape,   // a terminal: every control character and broken byte as an escape
    kReplace,  // a page: tab and line breaks kept, the others replaced by U+FFFD
};

// Longest value quoted in a message, in characters.
constexpr std::size_t kQuotedLength = 40;

std::string sPrintable(const std::string& text, EUnprintable how = EUnprintable::kEscape);
// "value" with escapes, cut after kQuotedLength characters with "...".
std::string sQuoted(const std::string& text);
// True when text holds a control character (tab and line breaks included) or broken UTF-8.
bool bHasUnprintable(const std::string& text);
