#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Picture.h"

#include <vector>

namespace forms {

// A store of pictures the window's other controls take theirs from; never shown. ListImage counts from 1, an index
// outside raises "Index out of bounds". The window's Design adds the pictures, so an Unload empties the list.
class ImageList : public Control {
public:
    ImageList(Form& form, std::string name);

    void Add(forms::Picture picture);
    int Count() const { return static_cast<int>(images.size()); }
    const forms::Picture& ListImage(int index) const;
    // The colour that Overlay leaves transparent; light grey until set.
    Color MaskColor() const { return props.MaskColor; }
    void SetMaskColor(Color value);
    // Picture index with picture overIndex laid over it, the pixels of the mask colour of the upper one left out;
    // indexes count as ListImage's.
    forms::Picture Overlay(int index, int overIndex) const;

    bool HasGeometry() const override { return false; }
    void ResetProperties() override;

private:
    struct Props {
        Color MaskColor = 0xC0C0C0;
    };

    Props props;
    std::vector<forms::Picture> images;
};

} // namespace forms
