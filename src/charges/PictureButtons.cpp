#include "charges/PictureButtons.h"

#include "core/App.h"
#include "platform/forms/Layout.h"

namespace ward {

void LoadButtonPictures(App& app, forms::ImageList& ImageList1, forms::Image& imgLegend) {
    const std::string pictures = app.GetHost().AppPath() + "/Pictures/";
    // Places 1 to 3 are not used by these dialogs.
    for (int i = 0; i < 3; ++i)
        ImageList1.Add(forms::Picture{});
    ImageList1.Add(forms::Picture{pictures + "button.png"});
    ImageList1.Add(forms::Picture{pictures + "button_hot.png"});
    imgLegend.SetPicture(forms::Picture{pictures + "close.png"});
    imgLegend.SetToolTipText("Exit");
}

void DesignPictureButtons(forms::Layout& layout, forms::ControlArray<forms::Image>& imgOption,
                          forms::ControlArray<forms::Label>& lblExit, const std::string& caption0,
                          const std::string& caption1) {
    const std::string captions[] = {caption0, caption1};
    for (int i = 0; i < 2; ++i) {
        imgOption.Load(i).SetStretch(true);
        lblExit.Load(i).SetCaption(captions[i]);
        lblExit(i).SetBackStyle(0);
        lblExit(i).SetAlignment(forms::vbCenter);
        // The caption lies on its button picture.
        lblExit(i).SetOverlay(true);
    }
    layout.Buttons({&imgOption(1), &imgOption(0)}).FitFormHeight();
    for (int i = 0; i < 2; ++i)
        lblExit(i).Move(imgOption(i).Left(), imgOption(i).Top() + 60, imgOption(i).Width(), imgOption(i).Height() - 60);
}

void ShowButtonPictures(forms::ImageList& ImageList1, forms::ControlArray<forms::Image>& imgOption, int highlighted) {
    for (int i = 0; i < 2; ++i)
        imgOption(i).SetPicture(ImageList1.ListImage(i == highlighted ? 5 : 4));
}

} // namespace ward
