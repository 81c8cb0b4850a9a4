#include "Format.h"

#include "NumberText.h"
#include "VbError.h"

#include <cmath>
#include <limits>
#include <vector>

namespace vb {

namespace {

struct NumberElement {
    enum Kind { IntegerDigit, FractionDigit, Point, Literal } kind;
    char placeholder = 0; // '0' or '#'
    std::string literal;
};

struct NumberSection {
    std::vector<NumberElement> elements;
    bool grouping = false;
    bool percent = false;
    int thousandsScale = 0;
};

bool IsPlaceholder(char c) { return c == '0' || c == '#'; }

std::vector<std::string_view> SplitSections(std::string_view pattern) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '"')
            quoted = !quoted;
        else if (pattern[i] == '\\' && !quoted)
            ++i;
        else if (pattern[i] == ';' && !quoted) {
            sections.push_back(pattern.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(pattern.substr(std::min(start, pattern.size())));
    return sections;
}

NumberSection ParseSection(std::string_view text) {
    NumberSection section;
    bool seenPoint = false;
    bool seenIntegerDigit = false;
    const auto literal = [&](std::string_view chars) {
        section.elements.push_back({NumberElement::Literal, 0, std::string(chars)});
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            const std::size_t end = text.find('"', i + 1);
            literal(text.substr(i + 1, (end == std::string_view::npos ? text.size() : end) - i - 1));
            i = end == std::string_view::npos ? text.size() : end;
        } else if (c == '\\') {
            if (i + 1 < text.size())
                literal(text.substr(++i, 1));
        } else if (IsPlaceholder(c)) {
            section.elements.push_back({seenPoint ? NumberElement::FractionDigit : NumberElement::IntegerDigit, c, {}});
            seenIntegerDigit = seenIntegerDigit || !seenPoint;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            section.elements.push_back({NumberElement::Point, 0, {}});
        } else if (c == ',' && seenIntegerDigit && !seenPoint) {
            if (i + 1 < text.size() && IsPlaceholder(text[i + 1]))
                section.grouping = true;
            else
                ++section.thousandsScale;
        } else {
            if (c == '%')
                section.percent = true;
            literal(text.substr(i, 1));
        }
    }
    return section;
}

// The integer digits laid out on the placeholders from the right; the leftmost placeholder takes what is left.
std::vector<std::string> SpreadIntegerDigits(const NumberSection& section, const std::string& digits) {
    std::vector<std::string> chunks(section.elements.size());
    std::size_t remaining = digits.size();
    std::size_t lastPlaceholder = section.elements.size();
    for (std::size_t i = section.elements.size(); i-- > 0;) {
        if (section.elements[i].kind != NumberElement::IntegerDigit)
            continue;
        lastPlaceholder = i;
        if (remaining > 0) {
            chunks[i] = digits.substr(remaining - 1, 1);
            --remaining;
        }
    }
    if (lastPlaceholder < section.elements.size())
        chunks[lastPlaceholder] = digits.substr(0, remaining) + chunks[lastPlaceholder];
    return chunks;
}

std::string Grouped(const std::string& digits) {
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

std::string RenderSection(DecimalDigits value, const NumberSection& section) {
    if (section.percent)
        value.exponent += 2;
    value.exponent -= 3 * section.thousandsScale;
    if (!value.digits.empty() && value.exponent > std::numeric_limits<double>::max_exponent10)
        RaiseOverflow();
    int fractionCount = 0;
    int forced = 0;
    bool seenZero = false;
    bool hasIntegerDigits = false;
    for (const NumberElement& e : section.elements) {
        if (e.kind == NumberElement::FractionDigit)
            ++fractionCount;
        if (e.kind == NumberElement::IntegerDigit) {
            hasIntegerDigits = true;
            seenZero = seenZero || e.placeholder == '0';
            forced += seenZero ? 1 : 0;
        }
    }
    std::string scaled = ScaledDigits(value, fractionCount, HalfRounding::AwayFromZero);
    if (scaled.size() < static_cast<std::size_t>(fractionCount))
        scaled.insert(0, fractionCount - scaled.size(), '0');
    std::string integerDigits = scaled.substr(0, scaled.size() - fractionCount);
    std::string fraction = scaled.substr(scaled.size() - fractionCount);
    if (integerDigits.size() < static_cast<std::size_t>(forced))
        integerDigits.insert(0, forced - integerDigits.size(), '0');
    if (section.grouping)
        integerDigits = Grouped(integerDigits);
    // Trailing zeros in "#" places are dropped.
    std::size_t shown = fraction.size();
    int place = fractionCount;
    for (auto it = section.elements.rbegin(); it != section.elements.rend(); ++it) {
        if (it->kind != NumberElement::FractionDigit)
            continue;
        --place;
        if (it->placeholder != '#' || shown != static_cast<std::size_t>(place) + 1 || fraction[place] != '0')
            break;
        shown = place;
    }
    const std::vector<std::string> chunks = SpreadIntegerDigits(section, integerDigits);
    std::string out;
    int fractionIndex = 0;
    for (std::size_t i = 0; i < section.elements.size(); ++i) {
        const NumberElement& e = section.elements[i];
        switch (e.kind) {
        case NumberElement::Literal:
            out += e.literal;
            break;
        case NumberElement::IntegerDigit:
            out += chunks[i];
            break;
        case NumberElement::Point:
            out += (hasIntegerDigits ? "" : integerDigits) + ".";
            break;
        case NumberElement::FractionDigit:
            if (static_cast<std::size_t>(fractionIndex) < shown)
                out += fraction[fractionIndex];
            ++fractionIndex;
            break;
        }
    }
    return out;
}

} // namespace

std::string FormatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value))
        RaiseOverflow();
    return FormatNumber(ToDecimalDigits(value, 15), pattern);
}

std::string FormatNumber(DecimalDigits value, std::string_view pattern) {
    const bool negative = value.negative && !value.digits.empty();
    value.negative = false;
    const std::vector<std::string_view> sections = SplitSections(pattern);
    if (negative && sections.size() >= 2 && !sections[1].empty())
        return RenderSection(value, ParseSection(sections[1]));
    if (value.digits.empty() && sections.size() >= 3 && !sections[2].empty())
        return RenderSection(value, ParseSection(sections[2]));
    if (negative)
        return "-" + RenderSection(value, ParseSection(sections[0]));
    return RenderSection(value, ParseSection(sections[0]));
}

} // namespace vb
