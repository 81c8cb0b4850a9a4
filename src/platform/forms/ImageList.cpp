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

void ImageList::SetMaskColor(Color value) { Update(props.MaskColor, value, "MaskColor"); }

forms::Picture ImageList::Overlay(int index, int overIndex) const {
    forms::Picture picture = ListImage(index);
    const forms::Picture& upper = ListImage(overIndex);
    picture.Overlays.push_back(PictureOverlay{upper.Path, props.MaskColor});
    // What lies over the upper picture stays over it, with its own mask.
    picture.Overlays.insert(picture.Overlays.end(), upper.Overlays.begin(), upper.Overlays.end());
    return picture;
}

void ImageList::ResetProperties() {
    images.clear();
    props = Props{};
    Control::ResetProperties();
}

} // namespace forms
