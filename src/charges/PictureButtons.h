#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/ImageList.h"

#include <string>

namespace forms {
class Layout;
}

namespace ward {

class App;

// The picture buttons of the charge dialogs: two captions lying on button pictures, picture 4 of the image list at
// rest and 5 under the mouse, and a close picture with the tool tip "Exit".
void LoadButtonPictures(App& app, forms::ImageList& ImageList1, forms::Image& imgLegend);

// Loads the two buttons (index 0 right, index 1 left) with their captions as the window's last row and fits the
// window's height to them.
void DesignPictureButtons(forms::Layout& layout, forms::ControlArray<forms::Image>& imgOption,
                          forms::ControlArray<forms::Label>& lblExit, const std::string& caption0,
                          const std::string& caption1);

// Shows picture 5 under the highlighted button (-1 for none) and 4 under the other.
void ShowButtonPictures(forms::ImageList& ImageList1, forms::ControlArray<forms::Image>& imgOption, int highlighted);

} // namespace ward
