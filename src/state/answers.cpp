// Answer texts and their parsing, in one place for the dialogue and the reports.
#include "state/answers.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<OutputType, const char*>, 2> kTypes{{
    {OutputType::GlobalOnly, "Global-Only"},
    {OutputType::All, "All"},
}};
constexpr std::array<std::pair<OutputFormat, const char*>, 4> kFormats{{
    {OutputFormat::Text, "Text"},
    {OutputFormat::HTML, "HTML"},
    {OutputFormat::PDF, "PDF"},
    {OutputFormat::All, "All"},
}};

template <typename Choice, std::size_t N>
const char* textOf(const std::array<std::pair<Choice, const char*>, N>& table, Choice c) {
    for (const auto& [choice, text] : table)
        if (choice == c) return text;
    return "";
}

template <typename Choice, std::size_t N>
std::optional<Choice> named(const std::array<std::pair<Choice, const char*>, N>& table,
                            std::string_view answer) {
    for (const auto& [choice, text] : table)
        if (answer == text) return choice;
    return std::nullopt;
}
}  // namespace

const char* answerText(OutputType type) { return textOf(kTypes, type); }
const char* answerText(OutputFormat format) { return textOf(kFormats, format); }
std::optional<OutputType> outputTypeNamed(std::string_view answer) { return named(kTypes, answer); }
std::optional<OutputFormat> outputFormatNamed(std::string_view answer) {
    return named(kFormats, answer);
}
std::optional<bool> yesNoNamed(std::string_view answer) {
    if (answer == "Y") return true;
    if (answer == "N") return false;
    return std::nullopt;
}
