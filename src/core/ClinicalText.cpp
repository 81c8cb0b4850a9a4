#include "core/ClinicalText.h"

namespace ward {

void AppendClinicalText(forms::RichTextBox& rtbClinical, const std::string& Text, std::int16_t FontSize,
                        const std::string& FontName, forms::Color Color, bool Bold) {
    rtbClinical.SetSelFontName(FontName);
    rtbClinical.SetSelColor(Color);
    rtbClinical.SetSelFontSize(FontSize);
    rtbClinical.SetSelBold(Bold);
    rtbClinical.SetSelText(rtbClinical.SelText() + Text);
}

} // namespace ward
