#include "shell/frmSearch.h"

#include "core/App.h"

namespace ward {

frmSearch::frmSearch(App& app) : Form(app.Forms), app(app) {}

void frmSearch::Design() {
    SetCaption("Patient List");
    SetInnerSize(12000, 6900);
}

} // namespace ward
