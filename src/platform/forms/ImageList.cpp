#include "platform/forms/ImageList.h"

#include "platform/forms/Bars.h"

namespace forms {

ImageList::ImageList(Form& form, std::string name) : Control(form, std::move(name), ControlKind::ImageList) {}

void ImageList::Add(forms::Picture picture) {
    images.push_back(std::move(picture));
    Notify("ListImages");
}

const forms::Picture& ImageList::ListImage(int index) const {
    if (index < 1 || index > Count())
        RaiseIndexOutOfBounds();
    return images[static_cast<std::size_t>(index - 1)];
}

void ImageList::ResetProperties() {
    images.clear();
    Control::ResetProperties();
}

} // namespace forms
