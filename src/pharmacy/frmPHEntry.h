#pragma once

#include "discharge/NoticeWindow.h"

#include <string>

namespace ward {

// The pharmacy request entry of one admission; the opener sets IdNum and HospNum before the show.
class frmPHEntry : public NoticeWindow {
public:
    explicit frmPHEntry(App& app) : NoticeWindow(app, "Pharmacy Request Entry") {}

    std::string IdNum;
    std::string HospNum;
};

} // namespace ward
