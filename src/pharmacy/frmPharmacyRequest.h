#pragma once

#include "discharge/NoticeWindow.h"

#include <string>

namespace ward {

// The pharmacy or supplies menu of the chart's admission: SetRevenue "PH" gives the pharmacy menu, any other value
// the supplies menu. The chart sets IdNum, HospNum and SetRevenue before it shows the menu.
class frmPharmacyRequest : public NoticeWindow {
public:
    explicit frmPharmacyRequest(App& app) : NoticeWindow(app, "Request Menu") {}

    std::string IdNum;
    std::string HospNum;
    std::string SetRevenue;
};

} // namespace ward
