#include "components/SmallComponents.h"

#include "components/ICDCodeSearch.h"
#include "components/KeyPress.h"
#include "components/clsChargeSlip.h"

namespace components {

void RegisterSmallComponents(ComponentFactory& factory, const ComponentServices& services) {
    factory.Register("Kappoch.KeyPress", [] { return std::make_unique<KeyPress>(); });
    factory.Register("Gorvath.ICDCodeSearch",
                     [&windows = services.Forms] { return std::make_unique<ICDCodeSearch>(windows); });
    factory.Register("Mibrault.clsChargeSlip", [] { return std::make_unique<clsChargeSlip>(); });
}

} // namespace components
