#include "platform/forms/SysInfo.h"

#include "platform/forms/Form.h"
#include "platform/forms/FormsContext.h"

namespace forms {

namespace {

WorkArea WorkAreaOf(const Control& control) { return control.Parent().Context().GetHost().WorkArea(); }

} // namespace

SysInfo::SysInfo(Form& form, std::string name) : Control(form, std::move(name), ControlKind::SysInfo) {}

int SysInfo::WorkAreaLeft() const { return WorkAreaOf(*this).Left; }
int SysInfo::WorkAreaTop() const { return WorkAreaOf(*this).Top; }
int SysInfo::WorkAreaWidth() const { return WorkAreaOf(*this).Width; }
int SysInfo::WorkAreaHeight() const { return WorkAreaOf(*this).Height; }

} // namespace forms
