#include "components/ICDCodeSearch.h"

#include "platform/forms/FormsContext.h"

namespace components {

void ICDCodeSearch::ValidateICDCode() {
    windows.MsgBox("ICD code search is not available in this program.", forms::vbOKOnly | forms::vbInformation,
                   "ICD Code Search");
}

} // namespace components
