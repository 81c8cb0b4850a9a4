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

    bool HasGeometry() const override { return false; }
    void ResetProperties() override;

private:
    std::vector<forms::Picture> images;
};

} // namespace forms
