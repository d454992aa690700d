// The dialogue's choices, parsed once; the texts the user typed are the ones reports print.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

enum class OutputType : std::uint8_t { GlobalOnly, All };
enum class OutputFormat : std::uint8_t { Text, HTML, PDF, All };

const char* answerText(OutputType type);      // "Global-Only", "All"
const char* answerText(OutputFormat format);  // "Text", "HTML", "PDF", "All"
inline const char* answerText(bool yes) { return yes ? "Y" : "N"; }

// The choice an answer names exactly; nothing for any other text.
std::optional<OutputType> outputTypeNamed(std::string_view answer);
std::optional<OutputFormat> outputFormatNamed(std::string_view answer);
std::optional<bool> yesNoNamed(std::string_view answer);
