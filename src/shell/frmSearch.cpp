#include "shell/frmSearch.h"

#include "core/App.h"

namespace ward {

frmSearch::frmSearch(App& app) : Form(app.Forms), app(app) {}

void frmSearch::Design() {
    SetCaption("Patient List");
    SetMDIChild(true);
    SetInnerSize(9600, 6000);
}

} // namespace ward
