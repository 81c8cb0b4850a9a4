#pragma once

#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/forms/Controls.h"
#include "platform/forms/ListView.h"

#include <array>
#include <string>

namespace ward {

// What the chart hands to the charge and assessment windows it opens.

// Lists the rows of an open recordset in a department list, emptied first: text RevenueID, sub-item 1 ItemName.
void ListDepartments(db::Recordset& rs, forms::ListView& lvwDepartments);

// Runs the statement, then lists its rows in the window's department list. The window loads only once the
// statement has answered, so a failing statement leaves it unloaded.
template <class Window> Window& FillDepartments(App& app, const std::string& sql) {
    db::Recordset rs = app.Connection().Open(sql, db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    Window& window = app.Forms.Get<Window>();
    ListDepartments(rs, window.lvwDepartments);
    rs.Close();
    return window;
}

// The sixteen header boxes a window receives, in the order they are copied.
using HeaderBoxes = std::array<forms::TextBox*, 16>;
template <class Window> HeaderBoxes HeaderBoxesOf(Window& window) {
    return {&window.txtPatient,   &window.txtDoctor1, &window.txtDoctor2,      &window.txtDoctor3,
            &window.txtId,        &window.txtPno,     &window.txtDateAdmitted, &window.txtDateDischarged,
            &window.txtDob,       &window.txtRoom,    &window.txtAge,          &window.txtSex,
            &window.txtBloodType, &window.txtStatus,  &window.txtAdiet,        &window.txtDiagnosis};
}

// Writes the text of each box into its namesake, in order.
void CopyHeaderBoxes(const HeaderBoxes& from, const HeaderBoxes& to);

} // namespace ward
