#pragma once

class LineScanner;

// Colours style sheet text inside <style>: comments, strings, numbers (with their units, and hex
// colours in values) and keywords (property names, at-rules, !important). Its state fits in
// six bits and is carried from line to line by the HTML lexer.
namespace CssLexer {

inline constexpr int kStateBits = 6;

// Lexes from the scanner's position to its limit; returns the state at the limit.
int lex(LineScanner& scanner, int state);

}  // namespace CssLexer
