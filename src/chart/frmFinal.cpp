#include "chart/frmFinal.h"

#include "core/App.h"
#include "platform/forms/Layout.h"

namespace ward {

frmFinal::frmFinal(App& app) : Form(app.Forms), app(app) {}

void frmFinal::Design() {
    SetCaption("Clinical Procedures");
    SetInnerSize(13500, 9000);
    forms::Layout(*this).Full(txtId);
}

void frmFinal::Form_Initialize() {
    app.SpecimenCode = "0";
    app.TransplantID = "0";
    app.DialysisID = "0";
    app.MsgExamRequestedPrefix = "The same exam had been requested at...";
    app.MsgExamPendingSuffix = "   and it is Pending...";
}

} // namespace ward
