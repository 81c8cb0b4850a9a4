#pragma once

#include "platform/forms/RichTextBox.h"

#include <cstdint>
#include <string>

namespace ward {

// Appends Text to the clinical summary at the caret in one character format: the selection takes the font name,
// colour, size and boldness, then its text is replaced by itself followed by Text. With the caret at the end, as
// after clearing the box and after each insertion, the text goes at the end and the caret stays after it.
void AppendClinicalText(forms::RichTextBox& rtbClinical, const std::string& Text, std::int16_t FontSize,
                        const std::string& FontName, forms::Color Color, bool Bold);

} // namespace ward
