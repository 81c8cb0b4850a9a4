#include "core/ModuleHelpers.h"

#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"

namespace ward {

void RefreshServerDate(App& app) {
    db::Recordset rs =
        app.Connection().Open("select GETDATE() AS Tdate", db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    app.ServerDate = vb::CDate(rs.Fields("Tdate"));
    rs.Close();
}

std::string NullToSpace(const vb::Variant& Value) {
    if (Value.IsNull())
        return " ";
    return vb::CStr(Value);
}

std::string PadRight(const std::string& Text, std::int16_t Width, std::int16_t Align) {
    if (Align != 1)
        return "";
    std::string trimmed = vb::Trim(Text);
    int length = vb::Len(trimmed);
    if (length < Width)
        return trimmed + vb::Space(Width - length);
    return Text;
}

void UnloadAllForms(App& app) {
    for (int i = app.Forms.Count() - 1; i >= 1; --i) {
        // The list is read anew each time: unloading one window may unload others with it.
        auto loaded = app.Forms.LoadedForms();
        if (i >= static_cast<int>(loaded.size()))
            continue;
        try {
            loaded[i]->Unload();
        } catch (const std::exception&) {
        }
    }
}

} // namespace ward
