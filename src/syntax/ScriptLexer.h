#pragma once

class LineScanner;

// Colours script text inside <script>: keywords, strings (template literals and regular
// expressions too), comments and numbers. Its state fits in four bits and is carried from line
// to line by the HTML lexer.
namespace ScriptLexer {

inline constexpr int kStateBits = 4;

// Lexes from the scanner's position to its limit; returns the state at the limit.
int lex(LineScanner& scanner, int state);

}  // namespace ScriptLexer
